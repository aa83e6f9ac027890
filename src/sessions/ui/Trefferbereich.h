#pragma once

#include "Treffersuche.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

class DatabaseContext;
class QHBoxLayout;
class QPushButton;
class Record;
class Suchformular;
class TrefferListe;

// A search form above the list of its hits. "&Suchen" checks the fields and shows the first
// page of hits; "&Löschen" (logs only) searches the same way, asks, and deletes every hit.
class Trefferbereich : public QWidget
{
    Q_OBJECT
public:
    Trefferbereich(DatabaseContext &ctx, Suchformular *formular, TrefferListe *liste,
                   std::function<Trefferquelle()> quelle, QWidget *parent = nullptr);

    Suchformular *formular() const { return m_formular; }
    TrefferListe *liste() const { return m_liste; }
    // A button in the row below the list, at its right.
    QPushButton *knopf(const QString &text, const char *name);

public slots:
    // False when a field is wrong (after its message) or the database failed.
    bool suche();
    void loescheTreffer();

signals:
    void statusMessage(const QString &text);

protected:
    DatabaseContext &m_ctx;

private:
    Suchformular *m_formular;
    TrefferListe *m_liste;
    std::function<Trefferquelle()> m_quelle;
    QHBoxLayout *m_knoepfe;
};

// The event log: EventLogSearchWidget, EventLogList and "&Ansehen" (or a double click).
class EventLogWidget : public Trefferbereich
{
    Q_OBJECT
public:
    explicit EventLogWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
public slots:
    void seheAn();
};

class QueryLogWidget : public Trefferbereich
{
    Q_OBJECT
public:
    explicit QueryLogWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
public slots:
    void seheAn();
};

// "Log-Meldungen": the tabs "&Ereignisse" and "&Datenbankzugriffe".
class LogViewDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LogViewDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    EventLogWidget *ereignisse() const { return m_ereignisse; }
    QueryLogWidget *zugriffe() const { return m_zugriffe; }

private:
    EventLogWidget *m_ereignisse;
    QueryLogWidget *m_zugriffe;
};

// Lays out a dialog of the logs: the tabs "&Ereignisse" and "&Datenbankzugriffe" and
// "S&chliessen"; logs its opening under its name.
void baueLogDialog(DatabaseContext &ctx, QDialog &dialog, const QString &name,
                   const QString &titel, QWidget *ereignisse, QWidget *zugriffe);

// Opens the view dialog `D` on the selected row of a list, or logs that nothing is selected.
template <typename D>
void seheMarkiertenAn(DatabaseContext &ctx, const QString &ort, TrefferListe *liste,
                      QWidget *parent);
