#pragma once

#include "BenutzerSuche.h"
#include "Modus.h"

#include <QDialog>

#include <memory>

class Benutzer;
class CodeValueComboBox;
class QLineEdit;
class Verein;
class VereinsDatenBerechtigung;

// The data permissions of one user: "Vereinsnummer", "Vereinsname", "Berechtigungsart",
// "Objekttyp", "Zugriffsrecht" (code values by their text).
class VDBListe : public AuswahlListe
{
    Q_OBJECT
public:
    explicit VDBListe(DatabaseContext &ctx, QWidget *parent = nullptr);

    // Reads the user's permissions afresh.
    void lade(qlonglong benutzerId);
    // The permission of a row (the caller owns the copy); null outside the list.
    std::unique_ptr<VereinsDatenBerechtigung> berechtigungInZeile(int row) const;

protected:
    void createTableView() override;
};

// "Verwaltung der Datenberechtigungen" of one user; read-only for the user's own permissions.
// Every change rebuilds the permission checker of the login.
class VDBVerwaltung : public QDialog
{
    Q_OBJECT
public:
    VDBVerwaltung(DatabaseContext &ctx, const Benutzer &benutzer, bool nurLesen,
                  QWidget *parent = nullptr);
    ~VDBVerwaltung() override;

    VDBListe *liste() const { return m_liste; }

public slots:
    void neu();
    void ansehen();
    void bearbeiten();
    void loeschen();

private:
    void oeffne(Modus modus, const char *name);
    void aktualisiere(int zeile);

    DatabaseContext &m_ctx;
    std::unique_ptr<Benutzer> m_benutzer;
    VDBListe *m_liste = nullptr;
};

// One permission, read as a sentence: "Ausgehend vom Verein" ... "ist dem Benutzer" ... "von
// Objekten des Typs" ... "mit dem Zugriffsrecht" ... "erlaubt.".
class VDBBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    VDBBearbeitenDialog(DatabaseContext &ctx, Modus modus, const VereinsDatenBerechtigung *berechtigung,
                        const Benutzer &benutzer, int row = -1, QWidget *parent = nullptr);
    ~VDBBearbeitenDialog() override;

public slots:
    void waehleVerein();
    void speichernUndSchliessen();

signals:
    void neueBerechtigungHinzugefuegt();
    void berechtigungWurdeBearbeitet(int row);

private:
    void zeigeVerein();

    DatabaseContext &m_ctx;
    Modus m_modus;
    int m_row;
    std::unique_ptr<VereinsDatenBerechtigung> m_berechtigung;
    QLineEdit *m_verein = nullptr;
    CodeValueComboBox *m_art = nullptr;
    CodeValueComboBox *m_typ = nullptr;
    CodeValueComboBox *m_ausdehnung = nullptr;
};

// "Berechtigungen ein- oder ausschalten": the stored mode of the data permission checks, in
// force from the next login.
class BerechtigungsModusDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BerechtigungsModusDialog(DatabaseContext &ctx, QWidget *parent = nullptr);

public slots:
    void speichernUndSchliessen();

private:
    DatabaseContext &m_ctx;
    CodeValueComboBox *m_modus = nullptr;
};
