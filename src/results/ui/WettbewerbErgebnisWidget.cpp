#include "WettbewerbErgebnisWidget.h"

#include "BilderWertungsDialog.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "ErgebnisBericht.h"
#include "ErgebnisHelper.h"
#include "ExportInDatei.h"
#include "ExportStrategien.h"
#include "FileDialogs.h"
#include "Knoepfe.h"
#include "Meldungen.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "Ranglistenlisten.h"
#include "WettbewerbsStatus.h"
#include "entities/Wettbewerb.h"
#include "joins/BilderSucheJoinSearchModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("WettbewerbErgebnisWidget");

size_t index(Rangliste art, bool jugend)
{
    return size_t(art) * 2 + (jugend ? 1 : 0);
}

RanglistenListe *neueListe(DatabaseContext &ctx, Rangliste art)
{
    switch (art) {
    case Rangliste::Teilnehmer:
        return new TeilnehmerWertungsListe(ctx);
    case Rangliste::TeilnehmerKombination:
        return new TeilnehmerKombinationsWertungsListe(ctx);
    case Rangliste::Vereine:
        return new VereinsWertungsListe(ctx);
    case Rangliste::VereinsKombination:
        break;
    }
    return new VereinsKombinationsWertungsListe(ctx);
}

} // namespace

WettbewerbErgebnisWidget::WettbewerbErgebnisWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                   bool berechnen, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb),
      m_berechnung([](DatabaseContext &c, const Wettbewerb &w) {
          ErgebnisHelper::berechneUndUeberschreibeErgebnisse(c, w);
      })
{
    m_status = new QLineEdit;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setReadOnly(true);
    auto *statusZeile = new QHBoxLayout;
    statusZeile->addWidget(new QLabel(tr("Status")));
    statusZeile->addWidget(m_status, 1);

    m_ranglisten = new QTabWidget;
    for (Rangliste art : Ranglisten::alle) {
        auto *altersklassen = new QTabWidget;
        for (bool jugend : {false, true}) {
            RanglistenListe *liste = neueListe(ctx, art);
            m_listen[index(art, jugend)] = liste;
            altersklassen->addTab(liste, jugend ? tr("J&ugend") : tr("&Erwachsene"));
            connect(liste->tableView(), &QTableView::doubleClicked, this,
                    [this, liste](const QModelIndex &zelle) { zeigeBilder(liste, zelle.row()); });
        }
        m_ranglisten->addTab(altersklassen, Ranglisten::titel(art));
    }

    using W = WettbewerbErgebnisWidget;
    using Knoepfe::knopf;
    m_berechnen = knopf(this, tr("&Berechne Ergebnisse"), "berechnen", &W::berechneErgebnisse);
    m_berechnen->setEnabled(berechnen);
    m_exportieren =
        knopf(this, tr("Ergebni&sse Speichern"), "exportieren", &W::exportiereErgebnisse);
    m_pdf = knopf(this, tr("Als P&DF speichern"), "pdf", &W::speichereAlsPdf);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_berechnen);
    knoepfe->addStretch();
    knoepfe->addWidget(m_exportieren);
    knoepfe->addWidget(m_pdf);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(statusZeile);
    layout->addWidget(m_ranglisten, 1);
    layout->addLayout(knoepfe);
    aktualisiere();
    ctx.log(QStringLiteral("Wettbewerb"), kOrt, 3,
            QStringLiteral("Finished creating WettbewerbErgebnisWidget"));
}

WettbewerbErgebnisWidget::~WettbewerbErgebnisWidget() = default;

RanglistenListe *WettbewerbErgebnisWidget::liste(Rangliste art, bool jugend) const
{
    return m_listen[index(art, jugend)];
}

QString WettbewerbErgebnisWidget::statusText() const
{
    return m_status->text();
}

void WettbewerbErgebnisWidget::aktualisiere()
{
    CodeManager &codes = m_ctx.codeManager();
    try {
        for (bool jugend : {false, true}) {
            const qlonglong altersklasse = codes.idOf(
                QStringLiteral("Jugend"), jugend ? QStringLiteral("Ja") : QStringLiteral("Nein"));
            for (Rangliste art : Ranglisten::alle)
                liste(art, jugend)->lade(m_wettbewerb, altersklasse);
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    setzeStatusText();
}

void WettbewerbErgebnisWidget::setzeStatusText()
{
    bool vorhanden = false;
    for (Rangliste art : Ranglisten::alle)
        vorhanden = vorhanden || liste(art, false)->rowCount() > 0;
    m_status->setText(WettbewerbsStatus::ergebnisHinweis(
        WettbewerbsStatus::stufe(m_ctx, m_wettbewerb), vorhanden));
}

bool WettbewerbErgebnisWidget::berechneUndUeberschreibeErgebnisse()
{
    try {
        m_berechnung(m_ctx, m_wettbewerb);
    } catch (const ErgebnisFehler &fehler) {
        showError(m_ctx, this, kOrt, fehler.meldung.titel, fehler.meldung.text);
        return false;
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return false;
    }
    aktualisiere();
    return true;
}

void WettbewerbErgebnisWidget::berechneErgebnisse()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Berechne Ergebnisse"));
    if (!MessageBoxes::current().question(
            this, tr("Wirklich Ergebnisse berechnen?"),
            tr("Wollen Sie die Wettbewerbsergebnisse wirklich jetzt berechnen? \n\nBitte "
               "beachten Sie: Eventuell bereits berechnete Ergebnisse werden dabei "
               "ueberschrieben!")))
        return;
    berechneUndUeberschreibeErgebnisse();
}

void WettbewerbErgebnisWidget::exportiereErgebnisse()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Exportiere Ergebnisse"));
    DatabaseContext &ctx = m_ctx;
    const Wettbewerb &wettbewerb = m_wettbewerb;
    const std::optional<double> dauer = exportiereInDatei(
        this, ctx,
        [&ctx, &wettbewerb]() -> std::unique_ptr<ExportCallStrategy> {
            return ExportStrategien::ergebnisse(ctx, wettbewerb, ctx.now().date());
        },
        {ExportFilter::zip()});
    if (dauer)
        MessageBoxes::current().information(
            this, tr("Speicherung erfolgreich beendet"),
            tr("Die Daten wurden erfolgreich gespeichert.  Dauer: %1")
                .arg(zeitspanne(int(*dauer))));
    else
        MessageBoxes::current().information(this, tr("Daten nicht gespeichert"),
                                            tr("Die Daten wurden nicht gespeichert."));
}

void WettbewerbErgebnisWidget::speichereAlsPdf()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Als PDF speichern"));
    const QString vorschlag = m_ctx.exportDirectory().filePath(
        QStringLiteral("Ergebnisse_%1.pdf")
            .arg(m_wettbewerb.hasNummer() ? m_wettbewerb.getNummer() : QString()));
    QString pfad = FileDialogs::current().saveFileName(
        this, tr("Ergebnisse als PDF speichern"), vorschlag, tr("PDF-Dateien (*.pdf)"));
    if (pfad.isEmpty())
        return;
    if (!pfad.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        pfad += QStringLiteral(".pdf");
    try {
        ErgebnisBericht::schreibePdf(m_ctx, m_wettbewerb, pfad);
    } catch (const ErgebnisBericht::Fehler &fehler) {
        showError(m_ctx, this, kOrt, fehler.titel, fehler.text);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void WettbewerbErgebnisWidget::statusWechselWeiter()
{
    if (WettbewerbsStatus::stufe(m_ctx, m_wettbewerb) != WettbewerbsStatus::WertungAbgeschlossen)
        return;
    m_ctx.log(QStringLiteral("Debug"), kOrt, 6,
              QStringLiteral("Statusuebergang nach Wertung abgeschlossen, berechne Ergebnisse neu"));
    berechneUndUeberschreibeErgebnisse();
}

void WettbewerbErgebnisWidget::statusWechselZurueck()
{
    setzeStatusText();
}

void WettbewerbErgebnisWidget::zeigeBilder(RanglistenListe *liste, int zeile)
{
    QString titel;
    const auto suche = liste->bilderSuche(zeile, &titel);
    if (!suche)
        return;
    BilderWertungsDialog dialog(m_ctx, m_wettbewerb, *suche, titel, this);
    dialog.exec();
}
