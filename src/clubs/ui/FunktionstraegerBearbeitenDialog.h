#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class CodeValueComboBox;
class DatabaseContext;
class Funktionstraeger;
class Mitglied;
class QLineEdit;
class QPushButton;

// Creates, edits or shows one official of a club: the function (a code value and a free
// text) and the member who holds it. Nothing is written to the database; the dialog hands
// the official and its member back to its opener, which stores them with the club.
class FunktionstraegerBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // Works on copies of `funktionstraeger` (in NEU what is known beforehand, such as the
    // club) and of `mitglied` (null when no member is chosen yet). `zeile` is the official's
    // row in the opener's list; funktionstraegerWurdeBearbeitet hands it back.
    FunktionstraegerBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                     const Funktionstraeger &funktionstraeger,
                                     const Mitglied *mitglied, int zeile = -1,
                                     QWidget *parent = nullptr);
    ~FunktionstraegerBearbeitenDialog() override;

    Modus modus() const { return m_modus; }
    const Funktionstraeger &funktionstraeger() const { return *m_funktionstraeger; }
    // The chosen member; null while none is chosen.
    const Mitglied *mitglied() const { return m_mitglied.get(); }

    // Makes (a copy of) `mitglied` the official's member, as "&Mitglied waehlen" does.
    void setzeMitglied(const Mitglied &mitglied);

public slots:
    // "&Mitglied waehlen": the member search.
    void waehleMitgliedAus();
    // "Neuen Funktionstraeger &speichern" / "Aenderungen &speichern".
    void schliessenUndSpeichern();
    // "Abbre&chen" and, in ANSEHEN, "S&chliessen".
    void abbrechen();

signals:
    // The dialog's own objects, valid during the call: receivers copy them.
    void neuerFunktionstraegerHinzugefuegt(Funktionstraeger *funktionstraeger, Mitglied *mitglied);
    void funktionstraegerWurdeBearbeitet(Funktionstraeger *funktionstraeger, Mitglied *mitglied,
                                         int zeile);

private:
    void log(const QString &text);
    void zeigeMitglied();

    DatabaseContext &m_ctx;
    Modus m_modus;
    int m_zeile;
    std::unique_ptr<Funktionstraeger> m_funktionstraeger;
    std::unique_ptr<Mitglied> m_mitglied;

    CodeValueComboBox *m_funktionsCode = nullptr;
    QLineEdit *m_funktion = nullptr;
    QLineEdit *m_mitgliedsNummer = nullptr;
    QLineEdit *m_vorname = nullptr;
    QLineEdit *m_nachname = nullptr;
    QPushButton *m_mitgliedWaehlen = nullptr;
};
