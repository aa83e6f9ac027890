#include "WertungsHelper.h"

#include "BatchController.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "Jugendregel.h"
#include "JurorService.h"
#include "Random.h"
#include "RecordSnapshot.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "WertungsLog.h"
#include "controllers/BildController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/WertungController.h"
#include "entities/CodeValue.h"
#include "entities/Wettbewerb.h"

#include <QSet>

#include <functional>

#include <algorithm>
#include <cmath>
#include <cstdio>

using Fehlermeldung::melde;
using WertungsLog::log;

namespace {

constexpr const char *kWidget = "WettbewerbWertungsWidget";

// An image of a round with the complete member number of its submitter.
struct BildMitNummer
{
    std::unique_ptr<Bild> bild;
    QString mitgliedsnummer;
};

// The images of `rest` (a WHERE clause on "bild", ordered) with their submitters, read at once.
std::vector<BildMitNummer> bilderMitEinreichern(DatabaseContext &ctx, const SqlStatement &rest,
                                                const std::function<bool(const Mitglied *)> &nimm)
{
    SqlStatement statement;
    statement << "LEFT JOIN WettbewerbsTeilnahme wettbewerbsTeilnahme ON "
                 "bild.wettbewerbsTeilnahme = wettbewerbsTeilnahme.id "
                 "LEFT JOIN Mitglied mitglied ON wettbewerbsTeilnahme.mitglied = mitglied.id "
              << rest.text() << " ORDER BY bild.id";
    std::vector<BildMitNummer> bilder;
    for (auto &[bild, mitglied] : BatchController(ctx, BildController::controllerDef())
                                      .selectWith(MitgliedController::controllerDef(), statement)) {
        auto *einreicher = static_cast<Mitglied *>(mitglied.get());
        if (!nimm(einreicher))
            continue;
        bilder.push_back(
            {downcast<Bild>(std::move(bild)), einreicher && einreicher->hasMitgliedsNummerKomplett()
                                                  ? einreicher->getMitgliedsNummerKomplett()
                                                  : QString()});
    }
    return bilder;
}

std::vector<std::unique_ptr<Wertung>> wertungenDes(DatabaseContext &ctx, qlonglong durchgang)
{
    return WertungController().select(ctx, {{QStringLiteral("durchgang"), durchgang}}, true, false);
}

// The juror scores of all score rows of a round, one statement.
std::vector<std::unique_ptr<EinzelWertung>> einzelWertungenDes(DatabaseContext &ctx,
                                                               qlonglong durchgang)
{
    SqlStatement rest;
    rest << "WHERE wertung IN (SELECT id FROM Wertung WHERE durchgang = "
         << std::to_string(durchgang) << ")";
    return downcast<EinzelWertung>(
        BatchController(ctx, EinzelWertungController::controllerDef()).selectWhere(rest));
}

std::unique_ptr<Durchgang> referenzVon(DatabaseContext &ctx, const Durchgang &durchgang)
{
    return durchgang.hasReferenzDurchgang()
               ? DurchgangController().readById(ctx, durchgang.getReferenzDurchgang())
               : nullptr;
}

bool referenzOffen(DatabaseContext &ctx, const Durchgang &durchgang)
{
    const auto referenz = referenzVon(ctx, durchgang);
    return durchgang.hasReferenzDurchgang() &&
           !(referenz && WertungsHelper::istStatus(ctx, *referenz, "BEENDET"));
}

QString codeText(DatabaseContext &ctx, const Record &record, int row)
{
    if (!record.isSetAt(row))
        return QString();
    const auto code = ctx.codeManager().getCodeValueById(record.rawValueAt(row).toLongLong());
    return code && code->hasKurzText() ? code->getKurzText() : QString();
}

// Runs the writes of `arbeit` in one transaction; on a failure the round object is as it was.
void inEinerTransaktion(DatabaseContext &ctx, Durchgang &durchgang,
                        const std::function<void()> &arbeit)
{
    RecordSnapshot snapshot;
    snapshot.take(durchgang);
    try {
        Transaction transaktion(ctx);
        arbeit();
        transaktion.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

// Writes what the order generation prints, at once.
void drucke(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

} // namespace

void WertungsHelper::setzeStatus(DatabaseContext &ctx, Durchgang &durchgang, const char *status)
{
    durchgang.setStatus(
        ctx.codeManager().idOf(QStringLiteral("DurchgangsStatus"), QString::fromLatin1(status)));
}

bool WertungsHelper::istStatus(DatabaseContext &ctx, const Durchgang &durchgang, const char *status)
{
    return ctx.codeManager().isCodeValueAt(durchgang, Durchgang::statusRow, "DurchgangsStatus",
                                           status);
}

std::vector<std::unique_ptr<JuriertBei>> WertungsHelper::juroren(DatabaseContext &ctx,
                                                                 const Durchgang &durchgang)
{
    const auto sparte = SparteController().readById(ctx, durchgang.getSparte(), true);
    return JurorService::jurorenDerSparte(ctx, sparte ? sparte->getWettbewerb() : 0,
                                          durchgang.getSparte());
}

namespace {

std::vector<BildMitNummer> bilderUndNummern(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                            const Durchgang &durchgang)
{
    const auto sparte = SparteController().readById(ctx, durchgang.getSparte(), true);
    const bool alleGemeinsam =
        sparte && ctx.codeManager().isCodeValueAt(*sparte, Sparte::durchgangsModusRow,
                                                  "DurchgangsModus", "JUGEND_ALS_ERWACHSENE");
    const bool jugendRunde =
        ctx.codeManager().isCodeValueAt(durchgang, Durchgang::jugendRow, "Jugend", "Ja");
    SqlStatement rest;
    rest << "WHERE bild.sparte = " << std::to_string(durchgang.getSparte())
         << " AND bild.gueltig = TRUE";
    return bilderMitEinreichern(ctx, rest, [&](const Mitglied *einreicher) {
        if (alleGemeinsam)
            return true;
        const bool jugend = einreicher && Jugendregel::istJugend(ctx, *einreicher, wettbewerb);
        return jugend == jugendRunde;
    });
}

} // namespace

std::vector<std::unique_ptr<Bild>> WertungsHelper::bilderDesDurchgangs(DatabaseContext &ctx,
                                                                       const Wettbewerb &wettbewerb,
                                                                       const Durchgang &durchgang)
{
    std::vector<std::unique_ptr<Bild>> bilder;
    for (auto &eintrag : bilderUndNummern(ctx, wettbewerb, durchgang))
        bilder.push_back(std::move(eintrag.bild));
    return bilder;
}

WertungsHelper::Rangauswahl
WertungsHelper::waehleNachRang(const std::vector<std::optional<int>> &bewertungen,
                               std::optional<double> minRang, std::optional<double> maxRang,
                               bool beste)
{
    Rangauswahl auswahl;
    std::vector<int> sortiert;
    for (const auto &bewertung : bewertungen)
        if (bewertung)
            sortiert.push_back(*bewertung);
    std::sort(sortiert.begin(), sortiert.end());
    auswahl.anzahl = int(sortiert.size());
    if (sortiert.empty())
        return auswahl;
    const double minAnteil = minRang ? *minRang / 100.0 : 0.0;
    const double maxAnteil = maxRang ? *maxRang / 100.0 : 1.0;
    const auto index = [&](double anteil) {
        const int i = int(std::floor(anteil * (auswahl.anzahl - 1) + 0.5));
        return std::clamp(i, 0, auswahl.anzahl - 1);
    };
    auswahl.minIndex = index(minAnteil);
    auswahl.maxIndex = index(maxAnteil);
    auswahl.minWert = sortiert[size_t(auswahl.minIndex)];
    auswahl.maxWert = sortiert[size_t(auswahl.maxIndex)];
    for (size_t i = 0; i < bewertungen.size(); ++i) {
        const auto &bewertung = bewertungen[i];
        if (bewertung && *bewertung >= auswahl.minWert &&
            (*bewertung < auswahl.maxWert || (beste && *bewertung == auswahl.maxWert)))
            auswahl.gewaehlt.push_back(i);
    }
    return auswahl;
}

std::vector<std::unique_ptr<Wertung>>
WertungsHelper::filtereWertungen(DatabaseContext &ctx, const Durchgang &durchgang,
                                 std::vector<std::unique_ptr<Wertung>> referenzWertungen)
{
    const auto text = [&](int row) {
        return durchgang.isSetAt(row) ? QString::number(durchgang.rawValueAt(row).toDouble())
                                      : QString();
    };
    log(ctx, QStringLiteral("  Filtere Wertungen gemaess Durchgangseinstellungen..."));
    log(ctx, QStringLiteral("  MinRang = ") + text(Durchgang::minRangRow) +
                 QStringLiteral("; MaxRang = ") + text(Durchgang::maxRangRow));
    std::vector<std::optional<int>> bewertungen;
    for (const auto &wertung : referenzWertungen)
        bewertungen.push_back(wertung->hasBewertung() ? std::optional<int>(wertung->getBewertung())
                                                      : std::nullopt);
    const auto optional = [&](int row) {
        return durchgang.isSetAt(row) ? std::optional<double>(durchgang.rawValueAt(row).toDouble())
                                      : std::nullopt;
    };
    const Rangauswahl auswahl = waehleNachRang(
        bewertungen, optional(Durchgang::minRangRow), optional(Durchgang::maxRangRow),
        ctx.codeManager().isCodeValueAt(durchgang, Durchgang::artRow, "DurchgangsArt",
                                        "ZWEITER_DURCHGANG_BESTE"));
    std::vector<std::unique_ptr<Wertung>> gewaehlt;
    if (auswahl.anzahl == 0) {
        log(ctx, QStringLiteral("Keine Bewertung vorhanden, also leerer Rueckgabevektor."));
        return gewaehlt;
    }
    log(ctx, QStringLiteral("    MinIndex = %1; MaxIndex = %2")
                 .arg(auswahl.minIndex)
                 .arg(auswahl.maxIndex));
    log(ctx, QStringLiteral("    MinAbsoluteRang = %1; MaxAbsoluteRang = %2")
                 .arg(auswahl.minWert)
                 .arg(auswahl.maxWert));
    const bool einzeln = WertungsLog::logt(ctx);
    for (const size_t i : auswahl.gewaehlt) {
        if (einzeln)
            log(ctx, QStringLiteral("    Waehle Bewertung %1 aus.")
                         .arg(referenzWertungen[i]->getBewertung()));
        gewaehlt.push_back(std::move(referenzWertungen[i]));
    }
    log(ctx, QStringLiteral("filtereWertungen gibt %1 Wertungen zurueck.").arg(gewaehlt.size()));
    return gewaehlt;
}

std::optional<Meldung> WertungsHelper::pruefeReihenfolgeGenerieren(DatabaseContext &ctx,
                                                                   const Durchgang &durchgang)
{
    ctx.log(QStringLiteral("Wertung"), QString::fromLatin1(kWidget), 7,
            QStringLiteral("Aufruf von Reihenfolge Generieren"));
    const QString titel = QStringLiteral("Generierung nicht moeglich");
    if (!istStatus(ctx, durchgang, "ANGELEGT"))
        return melde(ctx, kWidget, titel,
                     QStringLiteral("Die Reihenfolge kann nur generiert werden, solange der "
                                    "Durchgang noch nicht gestartet ist."),
                     QStringLiteral("Reihenfolge fuer gestarteten Durchgang kann nicht generiert "
                                    "werden."));
    if (referenzOffen(ctx, durchgang))
        return melde(ctx, kWidget, titel,
                     QStringLiteral("Die Reihenfolge kann erst generiert werden, wenn der "
                                    "Basisdurchgang abgeschlossen ist."),
                     QStringLiteral("Reihenfolge kann nur generiert werden wenn der "
                                    "Basisdurchgang abgeschlossen ist."));
    return std::nullopt;
}

namespace {

bool istGeneriert(const Durchgang &durchgang)
{
    return durchgang.hasReihenfolgeGeneriert() && durchgang.getReihenfolgeGeneriert();
}

} // namespace

std::optional<Meldung> WertungsHelper::ueberschreibFrage(const Durchgang &durchgang)
{
    if (!istGeneriert(durchgang))
        return std::nullopt;
    const QString titel = QStringLiteral("Reihenfolge war bereits generiert");
    return Meldung{titel,
                   QStringLiteral("Die Reihenfolge war bereits generiert.  Soll sie "
                                  "ueberschrieben werden?"),
                   titel};
}

std::optional<Meldung> WertungsHelper::pruefeSortierung(DatabaseContext &ctx,
                                                        const Durchgang &durchgang)
{
    if (istGeneriert(durchgang) || durchgang.hasSortierModus())
        return std::nullopt;
    return melde(ctx, kWidget, QStringLiteral("Keine Sortierung angegeben"),
                 QStringLiteral("Bitte geben Sie eine Sortierung an."));
}

std::vector<size_t> WertungsHelper::sortiere(DatabaseContext &ctx, const Durchgang &durchgang,
                                             const std::vector<QString> &mitgliedsnummern)
{
    log(ctx, QStringLiteral("Beginne mit Sortierung der Bilder gemaess Einstellung..."));
    std::vector<size_t> reihenfolge;
    const auto modus = [&](const char *wert) {
        return ctx.codeManager().isCodeValueAt(durchgang, Durchgang::sortierModusRow,
                                               "SpartenSortierModus", wert);
    };
    if (!durchgang.hasSortierModus() || modus("ZUFAELLIG")) {
        log(ctx, QStringLiteral("Sortiere zufaellig."));
        std::vector<size_t> uebrig(mitgliedsnummern.size());
        for (size_t i = 0; i < uebrig.size(); ++i)
            uebrig[i] = i;
        Random &zufall = ctx.random();
        while (!uebrig.empty()) {
            const size_t i = zufall.bounded(quint32(uebrig.size()));
            reihenfolge.push_back(uebrig[i]);
            uebrig.erase(uebrig.begin() + std::ptrdiff_t(i));
        }
    } else if (modus("VEREIN_MITGLIED")) {
        log(ctx, QStringLiteral("Sortiere nach Mitgliedsnummer aufsteigend."));
        std::string ausgabe;
        for (size_t i = 0; i < mitgliedsnummern.size(); ++i) {
            reihenfolge.push_back(i);
            ausgabe += "Ergaenze Mitgliedsnr " + mitgliedsnummern[i].toStdString() + '\n';
        }
        drucke(ausgabe);
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](size_t a, size_t b) {
            return QString::localeAwareCompare(mitgliedsnummern[a], mitgliedsnummern[b]) < 0;
        });
    }
    return reihenfolge;
}

void WertungsHelper::reihenfolgeGenerieren(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                           Durchgang &durchgang)
{
    log(ctx,
        QStringLiteral("Beginne Wertung fuer Durchgang mit Namen ") +
            codeText(ctx, durchgang, Durchgang::artRow) + QStringLiteral(" des Wettbewerbs ") +
            (wettbewerb.hasName() ? wettbewerb.getName() : QString()) +
            QStringLiteral(" mit Nummer ") +
            (wettbewerb.hasNummer() ? wettbewerb.getNummer() : QString()),
        8);
    if (!istStatus(ctx, durchgang, "ANGELEGT"))
        return;
    log(ctx, QStringLiteral("Durchgang ist im Status Neu"));

    inEinerTransaktion(ctx, durchgang, [&] {
        // The previous order with its juror scores.
        BatchController(ctx, EinzelWertungController::controllerDef())
            .removeAll(einzelWertungenDes(ctx, durchgang.getId()));
        BatchController(ctx, WertungController::controllerDef())
            .removeAll(wertungenDes(ctx, durchgang.getId()));
        durchgang.setValueAt(Durchgang::aktuelleWertungRow, QVariant());

        std::vector<BildMitNummer> bilder;
        if (!durchgang.hasReferenzDurchgang()) {
            log(ctx, QStringLiteral("Durchgang hat keinen Referenzdurchgang"));
            bilder = bilderUndNummern(ctx, wettbewerb, durchgang);
            log(ctx, QStringLiteral("  %1 Bilder haben die richtige Sparte und die richtige "
                                    "Jugend-Einstellung.")
                         .arg(bilder.size()));
        } else {
            log(ctx, QStringLiteral("Durchgang hat einen Referenz-Durchgang"));
            auto referenz = wertungenDes(ctx, durchgang.getReferenzDurchgang());
            log(ctx, QStringLiteral("  Referenzdurchgang hat %1 Bilder").arg(referenz.size()));
            const auto relevant = filtereWertungen(ctx, durchgang, std::move(referenz));
            log(ctx, QStringLiteral("  %1 Wertungen des Referenzdurchgangs sind relevant fuer "
                                    "diesen Durchgang")
                         .arg(relevant.size()));
            if (!relevant.empty()) {
                SqlStatement rest;
                std::string &text = rest.text();
                text = "WHERE bild.id IN (";
                for (size_t i = 0; i < relevant.size(); ++i)
                    text += (i ? "," : "") + std::to_string(relevant[i]->getBild());
                text += ')';
                bilder = bilderMitEinreichern(ctx, rest, [](const Mitglied *) { return true; });
            }
            log(ctx, QStringLiteral("Joinergebnisse kopiert."));
        }

        std::vector<QString> nummern;
        nummern.reserve(bilder.size());
        for (const auto &eintrag : bilder)
            nummern.push_back(eintrag.mitgliedsnummer);
        const std::vector<size_t> reihenfolge = sortiere(ctx, durchgang, nummern);

        log(ctx,
            QStringLiteral("Sortierung beendet, lege nun Wertungen und Einzelwertungen an..."));
        std::vector<std::unique_ptr<Wertung>> wertungen;
        wertungen.reserve(reihenfolge.size());
        std::string ausgabe;
        for (const size_t i : reihenfolge) {
            const Bild &bild = *bilder[i].bild;
            auto wertung = std::make_unique<Wertung>();
            wertung->setDurchgang(durchgang.getId());
            wertung->setBild(bild.getId());
            wertung->setPositionImDurchgang(int(wertungen.size()) + 1);
            ausgabe +=
                "Setze Bild " +
                (bild.hasTitel() ? bild.getTitel() : QStringLiteral("(kein Titel)")).toStdString() +
                " an Position " + std::to_string(wertungen.size() + 1) + '\n';
            wertungen.push_back(std::move(wertung));
        }
        BatchController(ctx, WertungController::controllerDef()).insertAll(wertungen);
        drucke(ausgabe);
        log(ctx, QStringLiteral("... Anlegen beendet."));
        durchgang.setReihenfolgeGeneriert(true);
        DurchgangController().insertOrUpdate(ctx, durchgang);
    });
}

std::optional<Meldung> WertungsHelper::pruefeWertungBeginnen(DatabaseContext &ctx,
                                                             const Durchgang &durchgang)
{
    ctx.log(QStringLiteral("Wertung"), QString::fromLatin1(kWidget), 7,
            QStringLiteral("Aufruf von Wertung Beginnen"));
    for (const char *art : {"ERSTER_DURCHGANG", "ZWEITER_DURCHGANG_SCHLECHTE",
                            "ZWEITER_DURCHGANG_MITTLERE", "ZWEITER_DURCHGANG_BESTE"}) {
        if (ctx.codeManager().isCodeValueAt(durchgang, Durchgang::artRow, "DurchgangsArt", art))
            return std::nullopt;
    }
    return melde(ctx, kWidget, QStringLiteral("Wertung nicht moeglich"),
                 QStringLiteral("Eine Wertung kann nur fuer \"echte\" Durchgaenge durchgefuehrt "
                                "werden, nicht etwa fuer eine Gesamtwertungszeile."));
}

bool WertungsHelper::istBeendet(DatabaseContext &ctx, const Durchgang &durchgang)
{
    return istStatus(ctx, durchgang, "BEENDET");
}

std::vector<Meldung> WertungsHelper::wiederOeffnenFragen()
{
    const QString titel = QStringLiteral("Wirklich zur Wertung zurueckkehren?");
    return {
        {titel,
         QStringLiteral(
             "Dieser Durchgang wurde bereits abgeschlossen.  Wollen Sie wirklich zur Wertung "
             "zurueckkehren?  Da einmal jurierte Durchgaenge nie mehr angetastet werden, sollten "
             "Sie dies nur tun, wenn Sie wissen was Sie tun. \n\n In diesem Sinn ist diese "
             "Moeglichkeit nur vorhanden, um eventuelle Bedienfehler korrigieren zu koennen. "
             "\n\nWollen Sie wirklich zur Wertung zurueckkehren?"),
         titel},
        {titel, QStringLiteral("Wollen Sie dies wirklich tun?  Bestaetigen Sie bitte nochmals."),
         titel}};
}

void WertungsHelper::wiederOeffnen(DatabaseContext &ctx, Durchgang &durchgang)
{
    inEinerTransaktion(ctx, durchgang, [&] {
        BatchController(ctx, EinzelWertungController::controllerDef())
            .setAll(einzelWertungenDes(ctx, durchgang.getId()), EinzelWertung::bewertungRow,
                    QVariant());
        BatchController(ctx, WertungController::controllerDef())
            .setAll(wertungenDes(ctx, durchgang.getId()), Wertung::bewertungRow, QVariant());
        setzeStatus(ctx, durchgang, "WIRD_JURIERT");
        DurchgangController().insertOrUpdate(ctx, durchgang);
    });
}

std::optional<Meldung> WertungsHelper::pruefeReferenz(DatabaseContext &ctx,
                                                      const Durchgang &durchgang)
{
    if (!referenzOffen(ctx, durchgang))
        return std::nullopt;
    return melde(ctx, kWidget, QStringLiteral("Wertung nicht moeglich"),
                 QStringLiteral("Der zweite Durchgang kann erst gestartet werden, nachdem der "
                                "erste abgeschlossen wurde."));
}

Meldung WertungsHelper::beginnenFrage()
{
    const QString titel = QStringLiteral("Mit der Jurierung beginnen?");
    return {titel,
            QStringLiteral("Sobald Sie diese Frage mit Ja beantworten, wird das erste bzw. "
                           "naechste Bild dieses Jurierungsdurchgangs gezeigt.\n\n Wollen Sie "
                           "jetzt mit der Jurierung beginnen bzw. mit ihr fortfahren?"),
            titel};
}

void WertungsHelper::starte(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                            Durchgang &durchgang)
{
    if (!istStatus(ctx, durchgang, "ANGELEGT"))
        return;
    inEinerTransaktion(ctx, durchgang, [&] {
        const auto juroren =
            JurorService::jurorenDerSparte(ctx, wettbewerb.getId(), durchgang.getSparte());
        auto wertungen = wertungenDes(ctx, durchgang.getId());
        std::sort(wertungen.begin(), wertungen.end(), [](const auto &a, const auto &b) {
            return a->getPositionImDurchgang() < b->getPositionImDurchgang();
        });
        QSet<QPair<qlonglong, qlonglong>> vorhanden;
        for (const auto &einzel : einzelWertungenDes(ctx, durchgang.getId()))
            vorhanden.insert({einzel->getWertung(), einzel->getJuror()});
        const bool einzeln = WertungsLog::logt(ctx);
        std::vector<std::unique_ptr<EinzelWertung>> neu;
        neu.reserve(wertungen.size() * juroren.size());
        for (const auto &wertung : wertungen) {
            if (einzeln)
                log(ctx, QStringLiteral("Lege EinzelWertungen fuer Wertung mit ID %1 an.")
                             .arg(wertung->getId()));
            for (const auto &juror : juroren) {
                if (vorhanden.contains({wertung->getId(), juror->getId()}))
                    continue;
                auto einzel = std::make_unique<EinzelWertung>();
                einzel->setWertung(wertung->getId());
                einzel->setJuror(juror->getId());
                neu.push_back(std::move(einzel));
            }
        }
        BatchController(ctx, EinzelWertungController::controllerDef()).insertAll(neu);
        log(ctx, QStringLiteral("EinzelWertungen angelegt."));
        setzeStatus(ctx, durchgang, "WIRD_JURIERT");
        DurchgangController().insertOrUpdate(ctx, durchgang);
    });
    log(ctx, QStringLiteral("Durchgang wurde nun auf Gestartet gesetzt."), 8);
}
