#pragma once

#include <QDialog>

#include <memory>

class Benutzer;
class BenutzerListe;
class BenutzerSuche;
class DatabaseContext;
class QPushButton;

// "Benutzerverwaltung" (root only): search users, create, edit and delete them, edit their data
// permissions and reset their passwords.
class BenutzerVerwaltung : public QDialog
{
    Q_OBJECT
public:
    explicit BenutzerVerwaltung(DatabaseContext &ctx, QWidget *parent = nullptr);

    BenutzerListe *liste() const { return m_liste; }

public slots:
    void sucheBenutzer();
    void neuerBenutzer();
    void loescheBenutzer();
    void bearbeiteBenutzer();
    void bearbeiteDatenberechtigungen();
    void setzePasswortZurueck();

private:
    QPushButton *knopf(const QString &text, const char *name, void (BenutzerVerwaltung::*slot)());

    DatabaseContext &m_ctx;
    BenutzerSuche *m_suche = nullptr;
    BenutzerListe *m_liste = nullptr;
};

// "Benutzer suchen": the same search; returns the chosen user.
class BenutzerSucheDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BenutzerSucheDialog(DatabaseContext &ctx, QWidget *parent = nullptr);

    // After the dialog was accepted: the chosen user (the caller owns it); else null.
    std::unique_ptr<Benutzer> gewaehlterBenutzer() const;

private:
    DatabaseContext &m_ctx;
    BenutzerSuche *m_suche = nullptr;
    BenutzerListe *m_liste = nullptr;
};
