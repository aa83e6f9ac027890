#pragma once

#include "Modus.h"

#include <QVariantList>
#include <QWidget>

class CodeValueComboBox;
class DatabaseContext;
class Mitglied;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class Verein;

// The tab "&Mitgliedsdaten" of the member dialog: the groups "Mitglied", "Mitgliedschaft" and
// "Adresse und Erreichbarkeit", bound to the dialog's copy of the member. The derived member
// numbers follow every change of club, member type or club-internal number. In ANSEHEN every
// field is read-only.
//
// The fields carry object names after their attributes ("vorname", "mitgliedsArt",
// "datumGeburtInput", ...), the buttons "vereinWaehlen", "nummerVorschlagen" and
// "aktuellesJahr".
class MitgliedBearbeitenWidget : public QWidget
{
    Q_OBJECT
public:
    // The member must outlive the widget.
    MitgliedBearbeitenWidget(DatabaseContext &ctx, Modus modus, Mitglied &mitglied,
                             QWidget *parent = nullptr);
    ~MitgliedBearbeitenWidget() override;

    // Writes every field into the member; texts left empty become null.
    void uebernehmeFelder();
    // Makes `verein` the member's club (null: none) and recomputes the numbers.
    void setzeVerein(const Verein *verein);

    // What the read-only fields show.
    QString vereinsText() const;
    QString hoechsterTitelText() const;

public slots:
    // Opens the club search ("&Verein waehlen").
    void waehleVerein();
    // "&Nummer vorschlagen": the next free club-internal number.
    void schlageNummerVor();
    // "Aktuelles &Jahr eintragen": fee paid until 31.12. of the current year.
    void trageAktuellesJahrEin();
    void zeigeHoechstenTitel(const QString &titel);

private:
    QLineEdit *textFeld(const char *attribut, int row, bool editierbar, bool pflicht = false);
    QLineEdit *datumsFeld(const char *name, int row, bool editierbar);
    CodeValueComboBox *auswahlFeld(const char *name, const QString &codeTyp, int row,
                                   bool editierbar);
    void zeigeVerein();
    void berechneNummern();
    QVariantList nummernEingaben() const;

    DatabaseContext &m_ctx;
    Modus m_modus;
    Mitglied &m_mitglied;
    QDataWidgetMapper *m_mapper;
    QLineEdit *m_verein = nullptr;
    QLineEdit *m_nummerKomplett = nullptr;
    QLineEdit *m_nummerImVerein = nullptr;
    QLineEdit *m_hoechsterTitel = nullptr;
    bool m_berechnet = false;      // guards against recomputing from within a recomputation
    QVariantList m_letzteEingaben; // club, type and internal number of the last computation
};
