#pragma once

#include "ListWidget.h"

#include <QWidget>

#include <functional>
#include <memory>

class DatabaseContext;
class Durchgang;
class DurchgangsListeJoinModel;
class KeyboardManager;
class QPushButton;
class Wettbewerb;

// The rounds of a competition: "Sparte", "Jugend", "Durchgang", "Status", "Sortierung",
// "Reihenfolge generiert", by category and in the order they were created.
class DurchgangsListe : public ListWidget
{
    Q_OBJECT
public:
    explicit DurchgangsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    // Reads the competition's rounds anew in one statement (throws PersistenceException).
    void lade(const Wettbewerb &wettbewerb);
    // The selected row, owned by the list; null unless exactly one row is selected.
    DurchgangsListeJoinModel *markierteZeile() const;
    // The row of a round; -1 when not shown.
    int zeileVon(qlonglong durchgang) const;

protected:
    void createTableView() override;
};

// The tab "&Wertung" of the competition dialog: the rounds with the buttons that look at and
// change their settings, generate their scoring orders, score them full screen and show the
// scores.
class WettbewerbWertungsWidget : public QWidget
{
    Q_OBJECT
public:
    // The keyboard manager of the login, asked for when a round is scored (may give null).
    using Tastaturen = std::function<KeyboardManager *()>;

    WettbewerbWertungsWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar,
                             Tastaturen tastaturen = Tastaturen(), QWidget *parent = nullptr);
    ~WettbewerbWertungsWidget() override;

    DurchgangsListe *liste() const { return m_liste; }

public slots:
    void oeffneEinstellungenAnsehenDialog();
    void oeffneEinstellungenBearbeitenDialog();
    void reihenfolgeGenerieren();
    void reihenfolgeExportieren();
    void oeffneWertungBeginnenDialog();
    void oeffneBilderAnsehenDialog();
    // Enables the buttons for the competition's state and the selected round.
    void aktualisiere();
    // Reads the rounds anew, keeping the selection.
    void aktualisiereListe();

private:
    // The selected round read anew from the database; null when none is selected or on a
    // failure (then shown).
    std::unique_ptr<Durchgang> markierterDurchgang();
    void oeffneEinstellungen(bool bearbeiten);
    // Asks and prepares the start of scoring; true when the scoring dialog may open.
    bool bereiteWertungVor(Durchgang &durchgang);
    void zeigeWertungsDialog(Durchgang &durchgang);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    bool m_editierbar;
    Tastaturen m_tastaturen;
    DurchgangsListe *m_liste;
    QPushButton *m_ansehen;
    QPushButton *m_bearbeiten;
    QPushButton *m_generieren;
    QPushButton *m_speichern;
    QPushButton *m_beginnen;
    QPushButton *m_wertungen;
};

// Makes every competition dialog show the tab "&Wertung"; called once at start-up with the
// way to reach the keyboard manager of the current login.
namespace WertungsReiter {
void registriere(WettbewerbWertungsWidget::Tastaturen tastaturen);
}
