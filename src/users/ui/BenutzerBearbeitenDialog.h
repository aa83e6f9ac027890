#pragma once

#include <QDialog>

#include <memory>

class Benutzer;
class DatabaseContext;
class QCheckBox;
class QLineEdit;
class QPushButton;

// One user: "Neuen Benutzer anlegen" (NEU), "Informationen zum Benutzer" (ANSEHEN, read-only),
// "Passwort Aendern" (BEARBEITEN_PASSWORT, only the password fields) and "Benutzer bearbeiten"
// (BEARBEITEN). Storing checks the input, then writes account and row through BenutzerHelper.
class BenutzerBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Modus { NEU, ANSEHEN, BEARBEITEN_PASSWORT, BEARBEITEN };

    // `benutzer` is copied (null: a new user); `row` comes back with benutzerWurdeBearbeitet.
    BenutzerBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Benutzer *benutzer,
                             int row = -1, QWidget *parent = nullptr);
    ~BenutzerBearbeitenDialog() override;

    Benutzer &benutzer() { return *m_benutzer; }

public slots:
    void schliessenUndSpeichern();
    void waehleMitglied();
    void entferneMitglied();

signals:
    void neuerBenutzerHinzugefuegt(const Benutzer &benutzer);
    void benutzerWurdeBearbeitet(const Benutzer &benutzer, int row);

private:
    void zeigeMitglied();

    DatabaseContext &m_ctx;
    Modus m_modus;
    int m_row;
    std::unique_ptr<Benutzer> m_benutzer;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_passwort = nullptr;
    QLineEdit *m_wiederholung = nullptr;
    QCheckBox *m_gui = nullptr;
    QCheckBox *m_web = nullptr;
    QLineEdit *m_nummer = nullptr;
    QLineEdit *m_vorname = nullptr;
    QLineEdit *m_nachname = nullptr;
};
