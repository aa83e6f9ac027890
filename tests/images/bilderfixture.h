#pragma once

// Shared set-up of the image tests: drawn JPEGs, a competition with a category, participants
// and jurors, and images stored with their pictures.

#include "BildService.h"
#include "JurorService.h"
#include "TeilnehmerService.h"
#include "WettbewerbsStatus.h"
#include "competitionfixture.h"
#include "controllers/BildController.h"
#include "controllers/BildDatenController.h"
#include "controllers/DurchgangController.h"
#include "controllers/MitgliedController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace BilderFixture {

using namespace CompetitionFixture;

// A drawn picture (gradient, shapes, text) as JPEG; with a valid colour space its ICC profile
// is embedded.
inline QByteArray zeichneJpeg(int breite, int hoehe, const QColorSpace &raum = QColorSpace(),
                              int qualitaet = 85)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter painter(&bild);
    QLinearGradient verlauf(0, 0, breite, hoehe);
    verlauf.setColorAt(0, QColor(200, 40, 40));
    verlauf.setColorAt(0.5, QColor(40, 160, 60));
    verlauf.setColorAt(1, QColor(30, 60, 200));
    painter.fillRect(bild.rect(), verlauf);
    painter.setBrush(QColor(250, 220, 40));
    painter.drawEllipse(QPointF(breite / 2.0, hoehe / 2.0), breite / 5.0, hoehe / 5.0);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, hoehe / 10));
    painter.setFont(font);
    painter.drawText(bild.rect(), Qt::AlignBottom | Qt::AlignHCenter, QStringLiteral("Kalvor"));
    painter.end();
    if (raum.isValid())
        bild.setColorSpace(raum);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPG", qualitaet);
    return daten;
}

inline void setzeStatus(DatabaseContext &ctx, Wettbewerb &wettbewerb, WettbewerbsStatus::Stufe stufe)
{
    wettbewerb.setStatus(WettbewerbsStatus::id(ctx, stufe));
    WettbewerbController().insertOrUpdate(ctx, wettbewerb);
}

// A member of the competition's club taking part in it.
inline std::unique_ptr<Mitglied> teilnehmer(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                            const QString &nummer, bool jugend = false)
{
    auto mitglied = std::make_unique<Mitglied>();
    mitglied->setVorname(QStringLiteral("Eva"));
    mitglied->setNachname(QStringLiteral("Mayr ") + nummer);
    mitglied->setVerein(wettbewerb.getVerein());
    mitglied->setMitgliedsNummerKomplett(nummer);
    mitglied->setJugend(code(ctx, "Jugend", jugend ? "Ja" : "Nein"));
    mitglied->setDatumGeburt(QDate(2012, 5, 1));
    MitgliedController().insertOrUpdate(ctx, *mitglied);
    TeilnehmerService::fuegeHinzu(ctx, wettbewerb, *mitglied);
    return mitglied;
}

inline qlonglong teilnahmeVon(DatabaseContext &ctx, const Mitglied &mitglied)
{
    return WettbewerbsTeilnahmeController()
        .select(ctx, {{QStringLiteral("mitglied"), mitglied.getId()}}, true, false)
        .front()
        ->getId();
}

struct GespeichertesBild
{
    std::unique_ptr<Bild> bild;
    std::unique_ptr<BildDaten> daten;
};

// Stores an image of the member in the category with a small picture, through the service.
inline GespeichertesBild speichereBild(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                       const Mitglied &mitglied, const Sparte &sparte,
                                       const QString &nummer, bool gueltig = true,
                                       QSize groesse = QSize(64, 48))
{
    GespeichertesBild neu{std::make_unique<Bild>(), std::make_unique<BildDaten>()};
    neu.bild->setWettbewerbsTeilnahme(teilnahmeVon(ctx, mitglied));
    neu.bild->setSparte(sparte.getId());
    neu.bild->setTitel(QStringLiteral("Bild ") + nummer);
    neu.bild->setGueltig(gueltig);
    neu.daten->setNummer(nummer);
    neu.daten->setNummerProWettbewerb(BildService::neueNummerProWettbewerb(ctx, wettbewerb));
    neu.daten->setDaten(zeichneJpeg(groesse.width(), groesse.height()));
    const auto fehler = BildService::speichere(ctx, wettbewerb, *neu.bild, *neu.daten, true);
    if (fehler)
        qWarning("%s", qPrintable(fehler->titel));
    return neu;
}

} // namespace BilderFixture
