#pragma once

#include "QueryConditions.h"

#include <QDate>
#include <QWidget>

#include <memory>
#include <vector>

class CodeValueComboBox;
class DatabaseContext;
class Mitglied;
class MitgliedersucheSearchModel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class Verein;

// The search fields of the member administration and of the member search dialog: club
// (with "&Verein waehlen"), member number, first and last name, member type, youth,
// "Ausgetretene Mitglieder ausblenden", and the buttons "&Suchen" and "Felder &zuruecksetzen".
//
// How the fields match:
// - club, member type and youth: exactly the chosen club or code value;
// - member number: the complete number begins with the typed text (prefix);
// - first and last name: the typed text occurs anywhere in the name, case-insensitively;
// - "Ausgetretene Mitglieder ausblenden": only members without a leaving date or with one
//   after today (the context's clock) are found; a member who leaves today has left.
// Empty fields do not restrict the search.
class Mitgliedersuche : public QWidget
{
    Q_OBJECT
public:
    // `vorgabeVerein` (may be null) is preset as the club and restored by "Felder
    // &zuruecksetzen"; the widget keeps a copy.
    Mitgliedersuche(DatabaseContext &ctx, const Verein *vorgabeVerein, QWidget *parent = nullptr);
    ~Mitgliedersuche() override;

    // Searches with the current fields; only members the user may read are returned.
    std::vector<std::unique_ptr<Mitglied>> suche();

    // The search model and strategies of the current fields (for the search and for tests).
    std::unique_ptr<MitgliedersucheSearchModel> suchModell() const;
    static StrategyMap strategien();

    // The chosen club (null: every club); the widget keeps a copy.
    void setzeVerein(const Verein *verein);
    const Verein *verein() const { return m_verein.get(); }

    QLineEdit *mitgliedsnummerFeld() const { return m_nummer; }
    QLineEdit *vornameFeld() const { return m_vorname; }
    QLineEdit *nachnameFeld() const { return m_nachname; }
    CodeValueComboBox *mitgliedsArtFeld() const { return m_mitgliedsArt; }
    CodeValueComboBox *jugendFeld() const { return m_jugend; }
    QCheckBox *ausgetreteneAusblendenFeld() const { return m_ausgetreteneAusblenden; }
    QLineEdit *vereinFeld() const { return m_vereinsAnzeige; }
    QPushButton *suchenButton() const { return m_suchen; }

public slots:
    // Opens the club search; choosing no club removes the restriction to a club.
    void waehleVerein();
    void setzeFelderZurueck();

signals:
    // "&Suchen" was pressed (it is the default button: Return in a field presses it).
    void sucheAngefordert();

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<Verein> m_vorgabeVerein;
    std::unique_ptr<Verein> m_verein;
    QLineEdit *m_vereinsAnzeige;
    QLineEdit *m_nummer;
    QLineEdit *m_vorname;
    QLineEdit *m_nachname;
    CodeValueComboBox *m_mitgliedsArt;
    CodeValueComboBox *m_jugend;
    QCheckBox *m_ausgetreteneAusblenden;
    QPushButton *m_suchen;
};

// How a club is shown in the read-only club fields: "name (number)", or the name alone when
// the club has no number.
QString vereinsAnzeige(const Verein &verein);
