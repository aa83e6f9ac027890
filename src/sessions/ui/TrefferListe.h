#pragma once

#include "ListWidget.h"

#include <memory>
#include <vector>

class QBoxLayout;
class QPushButton;
class Treffersuche;

// A button of these dialogs: named, never a default button by itself; added to `zeile` when
// one is given.
QPushButton *neuerKnopf(const QString &text, const char *name, QBoxLayout *zeile = nullptr);

// One column of a list of hits: the attribute row, header, width and how the value is shown.
struct Spalte
{
    enum Art { Text, Zeitstempel, JaNein, Abfrageart };
    int row;
    QString header;
    int width;
    Art art = Text;
};

// The rows of a search, read page by page while the view asks for more (canFetchMore /
// fetchMore); the number of all hits comes from the search's COUNT query.
class TrefferModell : public CompositeTableModel
{
    Q_OBJECT
public:
    static constexpr int kSeite = 200;

    using CompositeTableModel::CompositeTableModel;
    ~TrefferModell() override;

    // Shows the first page of the search; its hits are counted when first asked for.
    void setzeSuche(std::unique_ptr<Treffersuche> suche);
    // Loads every remaining page.
    void ladeAlles();
    // Loads pages until `row` is loaded, reading at most `maxSeiten` pages; whether it is.
    bool lade(qlonglong row, int maxSeiten);
    void leere();

    Treffersuche *suche() const { return m_suche.get(); }
    // The number of all hits (one COUNT query, made once per search).
    qlonglong anzahl();

    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    std::unique_ptr<Treffersuche> m_suche;
    qlonglong m_anzahl = 0; // -1: not counted yet
};

// A list of hits; a double click is reported.
class TrefferListe : public ListWidget
{
    Q_OBJECT
public:
    TrefferListe(DatabaseContext &ctx, std::vector<Spalte> spalten, QWidget *parent = nullptr);

    TrefferModell *treffer() const;
    // The selected row's object (owned by the list), null when none is selected.
    Record *markiert() const;
    // The same for an action of a dialog: logs "Aufruf von <aktion>", or "Kein Aufruf von
    // <aktion>, da nichts markiert" when no row is selected (category "Dialog", level 7).
    Record *markiertFuer(const QString &ort, const QString &aktion) const;

signals:
    void zeileDoppelgeklickt();

protected:
    void createTableView() override;

private:
    std::vector<Spalte> m_spalten;
};

// "Gestartet", "Beendet", "Benutzername", "Rechner", "Rueckgabewert".
class SessionList : public TrefferListe
{
    Q_OBJECT
public:
    explicit SessionList(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// "Zeitstempel", "Log-Level", "Kategorie", "Standort", "Text".
class EventLogList : public TrefferListe
{
    Q_OBJECT
public:
    explicit EventLogList(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// "Zeitstempel", "Standort", "# Datensaetze", "Tabellen", "Abfrage".
class QueryLogList : public TrefferListe
{
    Q_OBJECT
public:
    explicit QueryLogList(DatabaseContext &ctx, QWidget *parent = nullptr);
};
