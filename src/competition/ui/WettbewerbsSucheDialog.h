#pragma once

#include "ListWidget.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class Verein;
class Wettbewerb;

// Competitions: "Nummer", "Name", "Ort", "Datum", "Status".
class WettbewerbsListe : public ListWidget
{
    Q_OBJECT
public:
    explicit WettbewerbsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    Wettbewerb *markierterWettbewerb() const;

signals:
    void zeileDoppelgeklickt();

protected:
    void createTableView() override;
};

// "Wettbewerb suchen": searches competitions by number (beginning), name and place (anywhere,
// regardless of case) and hosting club; "Wettbewerb &oeffnen" (or a double click) hands the
// marked one to the opener. The dialog does not block the main window.
class WettbewerbsSucheDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WettbewerbsSucheDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    ~WettbewerbsSucheDialog() override;

    QLineEdit *nameFeld() const { return m_name; }
    QLineEdit *nummerFeld() const { return m_nummer; }
    QLineEdit *ortFeld() const { return m_ort; }
    WettbewerbsListe *liste() const { return m_liste; }
    // The hosting club searched for (null: any); the dialog keeps a copy.
    void setzeVerein(const Verein *verein);

public slots:
    void sucheWettbewerbe();
    void waehleVerein();
    void waehleWettbewerbAus();

signals:
    // The chosen competition (valid during the call: receivers copy it).
    void wettbewerbAusgewaehlt(Wettbewerb *wettbewerb);

private:
    DatabaseContext &m_ctx;
    QLineEdit *m_nummer;
    QLineEdit *m_name;
    QLineEdit *m_ort;
    QLineEdit *m_verein;
    std::unique_ptr<Verein> m_gewaehlterVerein;
    WettbewerbsListe *m_liste;
};
