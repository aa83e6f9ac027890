#pragma once

#include "Ranglisten.h"

#include <QWidget>

#include <array>
#include <functional>

class DatabaseContext;
class QLineEdit;
class QPushButton;
class QTabWidget;
class RanglistenListe;
class Wettbewerb;

// The tab "E&rgebnisse" of the competition dialog: a status line saying whether the results
// are final, an interim state or missing; the four rankings ("Tei&lnehmer",
// "Teilnehmer-&Kombination", "&Vereine", "Vereins-K&ombination"), each for "&Erwachsene" and
// "J&ugend"; the buttons that compute the results, export them and save them as PDF.
class WettbewerbErgebnisWidget : public QWidget
{
    Q_OBJECT
public:
    // `berechnen`: whether the user may compute the results here.
    WettbewerbErgebnisWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool berechnen,
                             QWidget *parent = nullptr);
    ~WettbewerbErgebnisWidget() override;

    RanglistenListe *liste(Rangliste art, bool jugend) const;
    QString statusText() const;
    QTabWidget *ranglisten() const { return m_ranglisten; }

    // Computes every ranking and the acceptance anew and stores them in place of the old ones,
    // then shows them; a failure is shown and leaves the stored results and the tab as they
    // were. True on success.
    bool berechneUndUeberschreibeErgebnisse();
    // The computation that berechneUndUeberschreibeErgebnisse runs (the results services
    // unless a test puts another in its place).
    using Berechnung = std::function<void(DatabaseContext &, const Wettbewerb &)>;
    void setzeBerechnung(Berechnung berechnung) { m_berechnung = std::move(berechnung); }

public slots:
    void berechneErgebnisse();
    void exportiereErgebnisse();
    void speichereAlsPdf();
    // After a move to a later state: the results are computed anew once scoring is finished.
    void statusWechselWeiter();
    void statusWechselZurueck();
    // Reads the rankings anew and sets the status text.
    void aktualisiere();

private:
    void setzeStatusText();
    void zeigeBilder(RanglistenListe *liste, int zeile);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    Berechnung m_berechnung;
    QLineEdit *m_status;
    QTabWidget *m_ranglisten;
    std::array<RanglistenListe *, 8> m_listen{}; // kind × (adults, youth)
    QPushButton *m_berechnen;
    QPushButton *m_exportieren;
    QPushButton *m_pdf;
};
