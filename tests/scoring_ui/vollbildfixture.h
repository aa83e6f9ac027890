#pragma once

// Shared set-up of the full-screen tests and the benchmark: a competition in
// "WERTUNG_LAEUFT" with jurors whose keypads are assigned, images with pictures, and the
// adults' first round with its order generated and started.

#include "KeyboardManager.h"
#include "WertungsHelper.h"
#include "bilderfixture.h"
#include "controllers/DurchgangController.h"
#include "entities/Durchgang.h"
#include "entities/JuriertBei.h"

#include <QCoreApplication>

namespace VollbildFixture {

using namespace BilderFixture;

// Keypads of the test: press() goes the way of a real key-down.
class TestTastaturen : public KeyboardManager
{
public:
    explicit TestTastaturen(DatabaseContext &ctx)
        : KeyboardManager(ctx, QStringLiteral("TestTastaturen"), nullptr)
    {}
    void printDeviceInformation() override {}
    void druecke(qlonglong device, int zahl) { keyDown(device, 0, zahl); }

protected:
    void registerPlatform() override {}
};

// The keypad of the i-th juror seat.
inline qlonglong geraet(int juror)
{
    return 100 + juror;
}

struct Runde
{
    Wettbewerbsdaten daten;
    std::unique_ptr<Sparte> sparte;
    std::unique_ptr<Durchgang> durchgang;
    std::vector<qlonglong> sitze; // juror seats in the order of the scoring dialog
};

// `anzahlBilder` images of one submitter, each with `jpeg` as picture, and `anzahlJuroren`
// members judging all categories, keypad geraet(i) assigned to the i-th seat.
inline Runde legeRundeAn(DatabaseContext &ctx, int anzahlBilder, int anzahlJuroren,
                         const QByteArray &jpeg)
{
    Runde runde;
    runde.daten = legeWettbewerbAn(ctx);
    Wettbewerb &wettbewerb = *runde.daten.wettbewerb;
    runde.sparte = legeSparteAn(ctx, wettbewerb, "Farbe");
    setzeStatus(ctx, wettbewerb, WettbewerbsStatus::Bilderannahme);
    const auto eva = teilnehmer(ctx, wettbewerb, "100");
    for (int i = 1; i <= anzahlBilder; ++i) {
        Bild bild;
        BildDaten daten;
        bild.setWettbewerbsTeilnahme(teilnahmeVon(ctx, *eva));
        bild.setSparte(runde.sparte->getId());
        bild.setTitel(QStringLiteral("Bild %1").arg(i));
        bild.setGueltig(true);
        daten.setNummer(QStringLiteral("100-%1").arg(i));
        daten.setNummerProWettbewerb(QString::number(i));
        daten.setDaten(jpeg);
        BildService::speichere(ctx, wettbewerb, bild, daten, true);
    }
    for (int i = 0; i < anzahlJuroren; ++i) {
        Mitglied juror;
        juror.setVorname(QStringLiteral("Juror"));
        juror.setNachname(QString(QChar(u'A' + i)));
        juror.setVerein(wettbewerb.getVerein());
        MitgliedController().insertOrUpdate(ctx, juror);
        JurorService::fuegeHinzu(ctx, wettbewerb, juror);
    }
    setzeStatus(ctx, wettbewerb, WettbewerbsStatus::WertungLaeuft);
    auto runden = DurchgangController().select(
        ctx,
        {{QStringLiteral("sparte"), runde.sparte->getId()},
         {QStringLiteral("art"), code(ctx, "DurchgangsArt", "ERSTER_DURCHGANG")},
         {QStringLiteral("jugend"), code(ctx, "Jugend", "Nein")}},
        true, false);
    runde.durchgang = std::move(runden.front());
    WertungsHelper::reihenfolgeGenerieren(ctx, wettbewerb, *runde.durchgang);
    WertungsHelper::starte(ctx, wettbewerb, *runde.durchgang);
    for (const auto &sitz : WertungsHelper::juroren(ctx, *runde.durchgang))
        runde.sitze.push_back(sitz->getId());
    for (size_t i = 0; i < runde.sitze.size(); ++i)
        ctx.assignKeyboard(runde.sitze[i], geraet(int(i)));
    return runde;
}

} // namespace VollbildFixture
