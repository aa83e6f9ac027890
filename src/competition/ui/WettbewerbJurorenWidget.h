#pragma once

#include "Meldung.h"
#include "Modus.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class DatabaseContext;
class ExternerJuror;
class JuriertBei;
class JuriertBeiPersonJoinModel;
class JurorenListe;
class KeyboardManager;
class Mitglied;
class QPushButton;
class Wettbewerb;

// The tab "&Juroren": the competition's jurors. Adding, editing, removing and the category
// assignment only while the competition is in "BILDERANNAHME" or
// "ANNAHMESCHLUSS_VERSTRICHEN"; viewing and assigning a keypad need only a selected row (and a
// keyboard manager for the latter).
class WettbewerbJurorenWidget : public QWidget
{
    Q_OBJECT
public:
    WettbewerbJurorenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar,
                            QWidget *parent = nullptr);
    ~WettbewerbJurorenWidget() override;

    JurorenListe *liste() const { return m_liste; }
    QPushButton *toggleButton() const { return m_toggle; }
    QPushButton *spartenButton() const { return m_sparten; }
    QPushButton *tastaturButton() const { return m_tastatur; }
    // The keyboard manager of the login (may be null: no keypads are assigned then).
    void setzeKeyboardManager(KeyboardManager *tastaturen);

public slots:
    void oeffneAnsehenDialog();
    void oeffneNeuenExternenJurorDialog();
    void oeffneJurorHinzufuegenDialog();
    void toggleAlleSparten();
    void oeffneSpartenZuordnenDialog();
    void ordneTastaturZu();
    void oeffneBearbeitenDialog();
    void entferneJuror();
    void legeJuriertBeiAn(Mitglied *mitglied);
    void legeJuriertBeiAn(ExternerJuror *juror);
    void aktualisiere();
    void aktualisiereListe();

private:
    bool darfAendern() const;
    std::unique_ptr<JuriertBei> markierterJuror();
    void zeigeListe(qlonglong markieren);
    void oeffnePerson(const JuriertBeiPersonJoinModel &zeile, Modus modus);
    void fuegeHinzu(const std::function<std::optional<Meldung>()> &hinzufuegen);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    bool m_editierbar;
    JurorenListe *m_liste;
    QPushButton *m_ansehen;
    QPushButton *m_neuExtern;
    QPushButton *m_hinzufuegen;
    QPushButton *m_toggle;
    QPushButton *m_sparten;
    QPushButton *m_tastatur;
    QPushButton *m_bearbeiten;
    QPushButton *m_entfernen;
    KeyboardManager *m_tastaturen = nullptr;
};
