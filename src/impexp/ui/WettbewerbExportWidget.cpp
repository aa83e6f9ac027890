#include "WettbewerbExportWidget.h"

#include "DatabaseContext.h"
#include "ExportStrategien.h"
#include "Knoepfe.h"
#include "entities/Wettbewerb.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("WettbewerbExportWidget");

} // namespace

WettbewerbExportWidget::WettbewerbExportWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                               QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb)
{
    using W = WettbewerbExportWidget;
    using Knoepfe::knopf;
    auto *alleine =
        knopf(this, tr("Exportiere Wett&bewerbsdaten"), "wettbewerb", &W::exportiereWettbewerb);
    auto *mitMitgliedern = knopf(this,
                                 tr("Exportiere Wettbewerbsdaten\ninklusive der beteiligten\n "
                                    "&Mitglieder und Vereine"),
                                 "mitMitgliedern", &W::exportiereWettbewerbMitMitgliedsDaten);
    auto *hinweis = new QLabel(
        tr("Die Wettbewerbsdaten werden als ZIP-Archiv mit allen Bildern oder als CSV-Datei "
           "gespeichert.  Mit den beteiligten Mitgliedern und Vereinen werden die persoenlichen "
           "Daten der Mitglieder nicht exportiert."));
    hinweis->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hinweis);
    layout->addSpacing(12);
    layout->addWidget(alleine, 0, Qt::AlignLeft);
    layout->addWidget(mitMitgliedern, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

WettbewerbExportWidget::~WettbewerbExportWidget() = default;

void WettbewerbExportWidget::exportiereWettbewerb()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von Exportiere Wettbewerbsdaten"));
    const qlonglong id = m_wettbewerb.getId();
    exportiere([id] { return ExportStrategien::wettbewerbAlleine(id); });
}

void WettbewerbExportWidget::exportiereWettbewerbMitMitgliedsDaten()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von Exportiere Wettbewerbsdaten mit Mitgliedsdaten"));
    const qlonglong id = m_wettbewerb.getId();
    exportiere([id] { return ExportStrategien::wettbewerbMitMitgliedern(id); });
}

void WettbewerbExportWidget::exportiere(const ExportStrategieFabrik &fabrik)
{
    if (exportiereInDatei(this, m_ctx, fabrik, {ExportFilter::zip(), ExportFilter::csv()}))
        zeigeExportErfolg(this);
}
