#include "BildService.h"

#include "Abfrage.h"
#include "BilderCache.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "Jugendregel.h"
#include "JurorService.h"
#include "RecordSnapshot.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "WettbewerbsStatus.h"
#include "controllers/BildController.h"
#include "controllers/BildDatenController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/WertungController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "entities/Wettbewerb.h"

#include <QSet>

#include <algorithm>

using Fehlermeldung::melde;

namespace {

constexpr const char *kDialog = "BildBearbeitenDialog";

void log(DatabaseContext &ctx, const char *ort, const QString &text, int level = 7)
{
    ctx.log(QStringLiteral("Bild"), QString::fromLatin1(ort), level, text);
}

// A refusal of the late-entry processing, also logged the way the main window logs them.
Meldung spaeteMeldung(DatabaseContext &ctx, const QString &titel, const QString &text)
{
    return melde(ctx, "MainWindow", titel, text,
                 QStringLiteral("Short: ") + titel + QStringLiteral("; Long: ") + text);
}

// The first round of the image: the youth or adults' "ERSTER_DURCHGANG" of its category.
std::unique_ptr<Durchgang> ersterDurchgang(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                           const Bild &bild)
{
    const auto sparte = SparteController().readById(ctx, bild.getSparte(), true);
    const auto teilnahme =
        WettbewerbsTeilnahmeController().readById(ctx, bild.getWettbewerbsTeilnahme(), true);
    const auto mitglied = teilnahme && teilnahme->hasMitglied()
                              ? MitgliedController().readById(ctx, teilnahme->getMitglied(), true)
                              : nullptr;
    const bool alsErwachsene =
        sparte && ctx.codeManager().isCodeValueAt(*sparte, Sparte::durchgangsModusRow,
                                                  "DurchgangsModus", "JUGEND_ALS_ERWACHSENE");
    const bool jugend =
        !alsErwachsene && mitglied && Jugendregel::istJugend(ctx, *mitglied, wettbewerb);
    for (auto &runde : DurchgangController().select(
             ctx, {{QStringLiteral("sparte"), bild.getSparte()}}, true, false)) {
        if (ctx.codeManager().isCodeValueAt(*runde, Durchgang::artRow, "DurchgangsArt",
                                            "ERSTER_DURCHGANG") &&
            ctx.codeManager().isCodeValueAt(*runde, Durchgang::jugendRow, "Jugend",
                                            jugend ? "Ja" : "Nein"))
            return std::move(runde);
    }
    return nullptr;
}

// The number of an image as the questions name it.
QString nummerVon(DatabaseContext &ctx, const Bild &bild)
{
    if (!bild.hasBildDaten())
        return QString();
    const auto daten = BildDatenController().select(
        ctx, {{QStringLiteral("id"), bild.getBildDaten()}}, false, {QStringLiteral("daten")}, true,
        false);
    return daten.empty() ? QString() : Fehlermeldung::text(*daten.front(), BildDaten::nummerRow);
}

// Deletes the image's score rows with their juror scores and the rounds' pointers to them,
// its picture and the image; no transaction of its own.
void loescheOhneTransaktion(DatabaseContext &ctx, const Bild &bild)
{
    WertungController wertungen;
    EinzelWertungController einzelWertungen;
    DurchgangController durchgaenge;
    const auto zeilen =
        wertungen.select(ctx, {{QStringLiteral("bild"), bild.getId()}}, true, false);
    for (const auto &wertung : zeilen) {
        einzelWertungen.removeAll(
            ctx, einzelWertungen.select(ctx, {{QStringLiteral("wertung"), wertung->getId()}},
                                        true, false));
        for (auto &runde : durchgaenge.select(
                 ctx, {{QStringLiteral("aktuelleWertung"), wertung->getId()}}, true, false)) {
            runde->setValueAt(Durchgang::aktuelleWertungRow, QVariant());
            durchgaenge.insertOrUpdate(ctx, *runde);
        }
    }
    wertungen.removeAll(ctx, zeilen);
    if (bild.hasBildDaten()) {
        BildDaten daten;
        daten.setId(bild.getBildDaten());
        BildDatenController().remove(ctx, daten);
    }
    BildController().remove(ctx, bild);
}

} // namespace

void BildService::rotiere(Bild &bild, int schritte)
{
    bild.setAnzahlRotierSchritte(
        (bild.hasAnzahlRotierSchritte() ? bild.getAnzahlRotierSchritte() : 0) + schritte);
}

int BildService::winkel(const Bild &bild)
{
    return bild.hasAnzahlRotierSchritte() ? bild.getAnzahlRotierSchritte() * 90 : 0;
}

std::optional<Meldung> BildService::waehleEinreicher(DatabaseContext &ctx,
                                                     const Wettbewerb &wettbewerb,
                                                     const Mitglied &mitglied, Bild &bild)
{
    const auto teilnahmen = WettbewerbsTeilnahmeController().select(
        ctx,
        {{QStringLiteral("wettbewerb"), wettbewerb.getId()},
         {QStringLiteral("mitglied"), mitglied.getId()}},
        true, false);
    if (teilnahmen.empty())
        return melde(ctx, kDialog, QStringLiteral("Keinen Teilnehmer ausgewaehlt"),
                     QStringLiteral("Nur Wettbewerbsteilnehmer koennen ein Bild fuer einen "
                                    "Wettbewerb einreichen. Bitte nehmen Sie die gewuenschte "
                                    "Person zunaechst als Teilnehmer in den Wettbewerb auf. "
                                    "Danach koennen Sie die Zuordnung des Einreichers "
                                    "wiederholen."));
    bild.setWettbewerbsTeilnahme(teilnahmen.front()->getId());
    log(ctx, kDialog, QStringLiteral("Mitglied als Einreicher ausgewaehlt."));
    return std::nullopt;
}

QString BildService::neueNummerProWettbewerb(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    const char *ort = "NummernGenerator";
    ctx.log(QStringLiteral("Bild"), QString::fromLatin1(ort), 7,
            QStringLiteral("Generiere neue Bildnummer fuer den Wettbewerb ") +
                Fehlermeldung::text(wettbewerb, Wettbewerb::nameRow) +
                QStringLiteral(" mit der Nummer ") +
                Fehlermeldung::text(wettbewerb, Wettbewerb::nummerRow));
    SqlStatement statement;
    statement << "SELECT bildDaten.nummerProWettbewerb FROM BildDaten bildDaten, Bild bild, "
                 "WettbewerbsTeilnahme teilnahme WHERE bild.bildDaten = bildDaten.id AND "
                 "bild.wettbewerbsTeilnahme = teilnahme.id AND teilnahme.wettbewerb = "
              << std::to_string(wettbewerb.getId());
    QSet<QString> vergeben;
    for (const mysqlpp::Row &row :
         frageAb(ctx, ort, statement, QStringLiteral("Bild,BildDaten,WettbewerbsTeilnahme"))) {
        if (!row[0].is_null())
            vergeben.insert(feldText(row, 0));
    }
    for (int n = 1;; ++n) {
        const QString kandidat = QString::number(n);
        if (!vergeben.contains(kandidat)) {
            log(ctx, ort, QStringLiteral("Neue Bildnummer ") + kandidat + QStringLiteral(" generiert."));
            return kandidat;
        }
    }
}

std::optional<Meldung> BildService::pruefeBild(DatabaseContext &ctx, const Bild &bild,
                                               const BildDaten &daten)
{
    log(ctx, kDialog, QStringLiteral("Beginne pruefeBild"));
    const QString erklaerung = QStringLiteral(
        "Die Bildnummer setzt sich zusammen aus der Mitgliedsnummer des Einreichers, sowie einer "
        "zusaetzlichen Nummer die ueber alle Bilder des Einreichers eindeutig sein muss.  \n\n ");
    if (!bild.hasWettbewerbsTeilnahme())
        return melde(ctx, kDialog, QStringLiteral("Kein Einreicher ausgewaehlt"),
                     QStringLiteral("Bitte waehlen Sie einen Einreicher fuer das Bild aus."));
    if (!bild.hasSparte())
        return melde(ctx, kDialog, QStringLiteral("Keine Sparte ausgewaehlt"),
                     QStringLiteral("Bitte waehlen Sie eine Sparte fuer das Bild aus."));
    if (daten.hasNummerProWettbewerb() && daten.getNummerProWettbewerb().contains(QLatin1Char('-')))
        return melde(ctx, kDialog, QStringLiteral("Falsches Zeichen in Bildnummer"),
                     QStringLiteral("Die wettbewerbslokale Nummer darf kein Minus-Zeichen "
                                    "enthalten."));
    if (!daten.hasNummer() || daten.getNummer().isEmpty())
        return melde(ctx, kDialog, QStringLiteral("Keine Bildnummer vorhanden"),
                     QStringLiteral("Es wurde keine Bildnummer angegeben.\n\n") + erklaerung +
                         QStringLiteral("Bitte waehlen Sie eine Nummer, die fuer diesen "
                                        "Einreicher noch nicht vergeben wurde."));
    const auto gleiche = BildDatenController().select(
        ctx, {{QStringLiteral("nummer"), daten.getNummer()}}, false, {QStringLiteral("daten")},
        true, false);
    const bool doppelt = !daten.hasId() ? !gleiche.empty()
                                        : gleiche.size() >= 2 ||
                                              (gleiche.size() == 1 &&
                                               gleiche.front()->getId() != daten.getId());
    if (doppelt)
        return melde(ctx, kDialog, QStringLiteral("Bildnummer doppelt vergeben"),
                     erklaerung + QStringLiteral("Die angegebene Bildnummer wurde bereits "
                                                 "vergeben.  Bitte waehlen Sie eine andere."));
    log(ctx, kDialog, QStringLiteral("pruefeBild erfolgreich beendet"));
    return std::nullopt;
}

std::optional<Meldung> BildService::pruefeUndVerarbeiteFuerSpaetenStatus(
    DatabaseContext &ctx, const Wettbewerb &wettbewerb, const Bild &bild,
    std::unique_ptr<Wertung> &wertung)
{
    const WettbewerbsStatus::Stufe stufe = WettbewerbsStatus::stufe(ctx, wettbewerb);
    if (stufe != WettbewerbsStatus::AnnahmeschlussVerstrichen &&
        stufe != WettbewerbsStatus::WertungLaeuft)
        return std::nullopt;
    log(ctx, kDialog, QStringLiteral("Beginne pruefeUndVerarbeiteFuerSpaetenStatus"));
    if (!bild.hasWettbewerbsTeilnahme() || !bild.hasSparte())
        return spaeteMeldung(ctx, QStringLiteral("Bilddaten nicht vollstaendig"),
                             QStringLiteral("Bitte fuellen Sie zunaechst die Bilddaten "
                                            "(insbesondere den Teilnehmer und die Sparte) "
                                            "vollstaendig aus."));
    const auto runde = ersterDurchgang(ctx, wettbewerb, bild);
    if (!runde)
        return spaeteMeldung(
            ctx, QStringLiteral("Interner Fehler"),
            QStringLiteral("Es wurde kein Erster Durchgang zu diesem Bild gefunden.  Diesen "
                           "sollte es aber bereits geben.\n\nDies ist ein interner Fehler.  "
                           "Bitte kontaktieren Sie den Administrator."));
    if (!ctx.codeManager().isCodeValueAt(*runde, Durchgang::statusRow, "DurchgangsStatus",
                                         "ANGELEGT"))
        return spaeteMeldung(ctx, QStringLiteral("Wertung schon begonnen"),
                             QStringLiteral("Die Wertung zu diesem Bild hat schon begonnen oder "
                                            "ist schon abgeschlossen.  Daher kann das Bild "
                                            "nicht angelegt werden."));
    if (runde->hasReihenfolgeGeneriert() && runde->getReihenfolgeGeneriert()) {
        WertungController wertungen;
        int hoechste = -1;
        for (const auto &zeile : wertungen.select(
                 ctx, {{QStringLiteral("durchgang"), runde->getId()}}, true, false))
            hoechste = std::max(hoechste,
                                zeile->hasPositionImDurchgang() ? zeile->getPositionImDurchgang()
                                                                : -1);
        wertung = std::make_unique<Wertung>();
        wertung->setDurchgang(runde->getId());
        wertung->setPositionImDurchgang(hoechste + 1);
        if (bild.hasId())
            wertung->setBild(bild.getId());
        wertungen.insertOrUpdate(ctx, *wertung);
        EinzelWertungController einzelWertungen;
        for (const auto &juror :
             JurorService::jurorenDerSparte(ctx, wettbewerb.getId(), bild.getSparte())) {
            EinzelWertung einzel;
            einzel.setWertung(wertung->getId());
            einzel.setJuror(juror->getId());
            einzelWertungen.insertOrUpdate(ctx, einzel);
        }
    }
    log(ctx, kDialog, QStringLiteral("pruefeUndVerarbeiteFuerSpaetenStatus erfolgreich beendet"));
    return std::nullopt;
}

std::optional<Meldung> BildService::speichere(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                              Bild &bild, BildDaten &daten, bool neu,
                                              BilderCache *cache)
{
    log(ctx, kDialog,
        QStringLiteral("Aufruf von Speichere Bild, Bild schon in DB: ") +
            QString::number(bild.hasId() ? 1 : 0));
    if (auto fehler = pruefeBild(ctx, bild, daten))
        return fehler;
    RecordSnapshot snapshot;
    snapshot.take(bild);
    snapshot.take(daten);
    try {
        Transaction transaction(ctx);
        std::unique_ptr<Wertung> wertung;
        if (neu) {
            if (auto fehler = pruefeUndVerarbeiteFuerSpaetenStatus(ctx, wettbewerb, bild, wertung))
                return fehler;
        }
        Fehlermeldung::erfolg(ctx, kDialog, QStringLiteral("==> Pruefung erfolgreich"));
        BildDatenController().insertOrUpdate(ctx, daten);
        log(ctx, kDialog, QStringLiteral("BildDaten eingefuegt, mit id ") +
                              QString::number(daten.getId()));
        bild.setBildDaten(daten.getId());
        BildController().insertOrUpdate(ctx, bild);
        log(ctx, kDialog, QStringLiteral("Bild eingefuegt, mit id ") + QString::number(bild.getId()));
        if (wertung) {
            wertung->setBild(bild.getId());
            WertungController().insertOrUpdate(ctx, *wertung);
            log(ctx, kDialog, QStringLiteral("Wertung eingefuegt, mit id ") +
                                  QString::number(wertung->getId()));
        }
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
    if (cache) {
        cache->lege(daten);
        log(ctx, kDialog, QStringLiteral("BilderCache aktualisiert."));
    }
    return std::nullopt;
}

bool BildService::hatWertungen(DatabaseContext &ctx, const Bild &bild)
{
    return bild.hasId() &&
           !WertungController()
                .select(ctx, {{QStringLiteral("bild"), bild.getId()}}, true, false)
                .empty();
}

Meldung BildService::loeschFrage(DatabaseContext &ctx, const Bild &bild)
{
    QString text = QStringLiteral("Wollen Sie das Bild %1 wirklich loeschen?").arg(nummerVon(ctx, bild));
    if (hatWertungen(ctx, bild))
        text += QStringLiteral(" \n\nVORSICHT: Zu diesem Bild liegen Wertungs-Informationen vor. "
                               "Falls Sie fortfahren, gehen diese unwiederbringlich verloren!");
    const QString titel = QStringLiteral("Bild wirklich entfernen?");
    return Meldung{titel, text, titel};
}

void BildService::loesche(DatabaseContext &ctx, const Bild &bild)
{
    Transaction transaction(ctx);
    loescheOhneTransaktion(ctx, bild);
    transaction.commit();
}

int BildService::loescheUngueltige(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    Transaction transaction(ctx);
    int anzahl = 0;
    BildController bilder;
    for (const auto &teilnahme : WettbewerbsTeilnahmeController().select(
             ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()}}, true, false)) {
        for (const auto &bild : bilder.select(ctx,
                                              {{QStringLiteral("wettbewerbsTeilnahme"),
                                                teilnahme->getId()},
                                               {QStringLiteral("gueltig"), false}},
                                              true, false)) {
            loescheOhneTransaktion(ctx, *bild);
            ++anzahl;
        }
    }
    transaction.commit();
    return anzahl;
}
