#pragma once

#include "ListWidget.h"

#include <QTableWidget>
#include <QWidget>

#include <memory>

class Mitglied;
class QPushButton;
class Verein;
class Wettbewerb;
class WettbewerbsTeilnahmeJoinModel;

// The participants of a competition: "Vorname", "Nachname", "Mitgliedsnummer", "Verein".
class TeilnehmerListe : public ListWidget
{
    Q_OBJECT
public:
    explicit TeilnehmerListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    void lade(const Wettbewerb &wettbewerb);
    WettbewerbsTeilnahmeJoinModel *markierteZeile() const;

protected:
    void createTableView() override;
};

// Per participant and category: "Vorname", "Nachname", "Mitgliedsnummer", "Sparte", "Anzahl
// Bilder".
class TeilnehmerStatusListe : public QTableWidget
{
    Q_OBJECT
public:
    TeilnehmerStatusListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    void lade(const Wettbewerb &wettbewerb);

private:
    DatabaseContext &m_ctx;
};

// The tab "&Teilnehmer": the participants with their status list; adding (a found or a new
// member) and removing while the competition is in "ANGELEGT" or "BILDERANNAHME".
class TeilnehmerListenWidget : public QWidget
{
    Q_OBJECT
public:
    // `aktiverVerein` (may be null) presets the club of searched and new members.
    TeilnehmerListenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                           const Verein *aktiverVerein, bool editierbar,
                           QWidget *parent = nullptr);
    ~TeilnehmerListenWidget() override;

    TeilnehmerListe *liste() const { return m_liste; }
    TeilnehmerStatusListe *statusListe() const { return m_status; }
    // Adds the member (a refusal is shown); true when he was added.
    bool fuegeHinzu(const Mitglied &mitglied);

public slots:
    void fuegeTeilnehmerHinzu();
    void legeMitgliedAn();
    void seheTeilnehmerAn();
    void entferneTeilnehmer();
    void aktualisiere();
    void aktualisiereListe();

private:
    bool darfAendern() const;

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    std::unique_ptr<Verein> m_verein;
    bool m_editierbar;
    TeilnehmerListe *m_liste;
    TeilnehmerStatusListe *m_status;
    QPushButton *m_suchen;
    QPushButton *m_anlegen;
    QPushButton *m_ansehen;
    QPushButton *m_entfernen;
};
