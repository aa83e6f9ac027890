#pragma once

#include "ListWidget.h"

#include <QWidget>

#include <memory>
#include <vector>

class Benutzer;
class BenutzerListeJoinModel;
class QCheckBox;
class QLineEdit;

// The search fields of users: "Benutzername", "Mitgliedsnummer", "Vorname", "Nachname" (parts
// of the text, any case) and the two login flags, each with an "Egal?" box beside it; while
// "Egal?" is ticked the flag is not searched.
class BenutzerSuche : public QWidget
{
    Q_OBJECT
public:
    explicit BenutzerSuche(DatabaseContext &ctx, QWidget *parent = nullptr);

    // The users that match, each with its member's fields.
    std::vector<std::unique_ptr<BenutzerListeJoinModel>> suche() const;

public slots:
    void setzeZurueck();

private:
    DatabaseContext &m_ctx;
    QLineEdit *m_name, *m_nummer, *m_vorname, *m_nachname;
    QCheckBox *m_gui, *m_guiEgal, *m_web, *m_webEgal;
};

// A read-only list of single rows that reports a double click on a row.
class AuswahlListe : public ListWidget
{
    Q_OBJECT
public:
    using ListWidget::ListWidget;

signals:
    void doppelklick(int row);

protected:
    // Initialises the list (to be called from the subclass's constructor).
    void richteEin();
};

// The found users: "Benutzername", "Mitgliedsnummer", "Vorname", "Nachname".
class BenutzerListe : public AuswahlListe
{
    Q_OBJECT
public:
    explicit BenutzerListe(DatabaseContext &ctx, QWidget *parent = nullptr);

    // The user of a row (the caller owns the copy); null outside the list.
    std::unique_ptr<Benutzer> benutzerInZeile(int row) const;
    // Shows a stored user in a row (appended when `row` is -1).
    void zeigeBenutzer(const Benutzer &benutzer, int row = -1);

protected:
    void createTableView() override;
};

// The row of a user with its member's fields.
std::unique_ptr<BenutzerListeJoinModel> benutzerZeile(DatabaseContext &ctx, const Benutzer &benutzer);
