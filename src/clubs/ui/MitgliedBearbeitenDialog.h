#pragma once

#include "Meldung.h"
#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class Mitglied;
class MitgliedBearbeitenWidget;
class MitgliedTitelWidget;
class QPushButton;

// "Mitglied anlegen" (NEU), "Mitglied bearbeiten" (BEARBEITEN), "Mitglied ansehen" (ANSEHEN):
// the tabs "&Mitgliedsdaten", "&Titel" and, for root, "&Web-Benutzer" over a copy of the
// member. Storing checks the member (MitgliedService::pruefe), writes it with its titles in one
// go and hands a copy of the stored member to the opener. A member the user may not write opens as in ANSEHEN.
class MitgliedBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `mitglied` is copied (null: an empty new member; in NEU a given member presets fields
    // such as the club). `row` is the member's row in the opener's list and comes back with
    // mitgliedWurdeBearbeitet.
    MitgliedBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Mitglied *mitglied,
                             int row = -1, QWidget *parent = nullptr);
    ~MitgliedBearbeitenDialog() override;

    // The mode in effect (ANSEHEN also when BEARBEITEN was refused by the write check).
    Modus modus() const { return m_modus; }
    Mitglied &mitglied() { return *m_mitglied; }
    MitgliedBearbeitenWidget *mitgliedsDaten() const { return m_daten; }
    MitgliedTitelWidget *titelWidget() const { return m_titel; }

public slots:
    // "Mitglied &speichern" / "Aenderungen &speichern": check, store, signal, close. In
    // ANSEHEN ("S&chliessen") it only closes.
    void schreibenUndSchliessen();
    // "Abbre&chen", Escape and closing the window: asks first, except in ANSEHEN.
    void reject() override;

signals:
    void neuesMitgliedHinzugefuegt(const Mitglied &mitglied);
    void mitgliedWurdeBearbeitet(const Mitglied &mitglied, int row);

private:
    DatabaseContext &m_ctx;
    Modus m_modus;
    int m_row;
    std::unique_ptr<Mitglied> m_mitglied;
    MitgliedBearbeitenWidget *m_daten = nullptr;
    MitgliedTitelWidget *m_titel = nullptr;
};

// Shows a check's failure in a critical box (title and text) and logs its log text (the
// title when it has none) at level 7 under "Fehlermeldung".
void zeigeMeldung(DatabaseContext &ctx, QWidget *parent, const QString &location,
                  const Meldung &meldung);
