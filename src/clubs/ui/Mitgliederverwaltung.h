#pragma once

#include "Modus.h"

#include <QDialog>
#include <QList>

#include <functional>

class DatabaseContext;
class Mitglied;
class Mitgliederliste;
class Mitgliedersuche;
class QLabel;
class QPushButton;
class Verein;

// "Mitgliederverwaltung": searches members and creates, views, edits and deletes them. Not
// modal; it deletes itself when closed. The member dialogs it opens are children of it
// (window-modal), so a test can find them with findChild.
class Mitgliederverwaltung : public QDialog
{
    Q_OBJECT
public:
    // `aktiverVerein` (may be null, copied) is preset in the search and given to new members.
    Mitgliederverwaltung(DatabaseContext &ctx, const Verein *aktiverVerein,
                         QWidget *parent = nullptr);
    ~Mitgliederverwaltung() override;

    Mitgliedersuche *suche() const { return m_suche; }
    Mitgliederliste *liste() const { return m_liste; }
    // "%1 Mitglieder gefunden" after a search; empty before the first one.
    QString anzahlText() const;

    // Writes the address data of the members (ids) into a file the user chooses; true when
    // saved. The export library registers it at start-up; without it "Adress&daten speichern"
    // stays disabled.
    using AdressExport =
        std::function<bool(QWidget *parent, DatabaseContext &, const QList<qlonglong> &)>;
    static void setzeAdressExport(AdressExport adressExport);

public slots:
    void sucheMitglieder();
    void legeMitgliedAn();    // "&Neu"
    void seheMitgliedAn();    // "&Ansehen"
    void bearbeiteMitglied(); // "&Bearbeiten" and double click
    void loescheMitglied();   // "&Loeschen"
    void speichereAdressdaten(); // "Adress&daten speichern": the members listed
    // Takes over what the member dialog stored.
    void fuegeMitgliedHinzu(const Mitglied &mitglied);
    void aktualisiereMitglied(const Mitglied &mitglied, int row);

signals:
    // A line for the main window's status bar.
    void statusMessage(const QString &message);

private:
    void oeffneMitglied(Modus modus);
    void zeigeAnzahl();

    DatabaseContext &m_ctx;
    Mitgliedersuche *m_suche;
    Mitgliederliste *m_liste;
    QLabel *m_anzahl;
    QPushButton *m_adressdaten;
};
