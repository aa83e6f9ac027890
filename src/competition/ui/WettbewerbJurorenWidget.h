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
class Mitglied;
class QPushButton;
class Wettbewerb;

// The tab "&Juroren": the competition's jurors. Adding, editing, removing and the category
// assignment only while the competition is in "BILDERANNAHME" or
// "ANNAHMESCHLUSS_VERSTRICHEN"; viewing needs only a selected row. Keypads are assigned in a
// later version: "Tastatur z&uordnen" stays greyed.
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
};
