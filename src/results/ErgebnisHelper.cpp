#include "ErgebnisHelper.h"

#include "BatchController.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "JoinAuszug.h"
#include "Jugendregel.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "controllers/BildController.h"
#include "controllers/SparteController.h"
#include "controllers/TeilnehmerKombinationsWertungController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "controllers/VereinsKombinationsWertungController.h"
#include "controllers/VereinsWertungController.h"
#include "entities/Wettbewerb.h"
#include "joins/BilderNachWettbewerbJoinController.h"
#include "joins/TeilnehmerErgebnisJoinController.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>

namespace {

const QString kKategorie = QStringLiteral("Ergebnisse");
const QString kOrt = QStringLiteral("ErgebnisHelper");
const QString kWidget = QStringLiteral("WettbewerbErgebnisWidget");

// A log location whose rules are looked up once per level: lines inside the loops over
// thousands of images are composed only when some rule prints or stores them.
class Protokoll
{
public:
    Protokoll(DatabaseContext &ctx, const QString &kategorie, const QString &ort)
        : m_ctx(ctx), m_kategorie(kategorie), m_ort(ort)
    {
        for (int level = 0; level < 10; ++level)
            m_an[level] = ctx.logs(kategorie, ort, level);
    }
    bool an(int level) const { return m_an[std::clamp(level, 0, 9)]; }
    void operator()(int level, const QString &text) const
    {
        if (an(level))
            m_ctx.log(m_kategorie, m_ort, level, text);
    }

private:
    DatabaseContext &m_ctx;
    QString m_kategorie;
    QString m_ort;
    bool m_an[10];
};

QString zahl(qlonglong wert)
{
    return QString::number(wert);
}

// The code values the computation compares with.
struct Codes
{
    explicit Codes(DatabaseContext &ctx)
    {
        const CodeManager &codes = ctx.codeManager();
        ja = codes.idOf(QStringLiteral("Jugend"), QStringLiteral("Ja"));
        nein = codes.idOf(QStringLiteral("Jugend"), QStringLiteral("Nein"));
        const QString modus = QStringLiteral("DurchgangsModus");
        nurJugend = codes.idOf(modus, QStringLiteral("NUR_JUGEND"));
        nurErwachsene = codes.idOf(modus, QStringLiteral("NUR_ERWACHSENE"));
        beide = codes.idOf(modus, QStringLiteral("ERWACHSENE_UND_JUGEND"));
        jugendAlsErwachsene = codes.idOf(modus, QStringLiteral("JUGEND_ALS_ERWACHSENE"));
        abrunden = codes.idOf(QStringLiteral("AbrundungPunkteBeiAnnahmen"), QStringLiteral("JA"));
    }
    qlonglong ja, nein, nurJugend, nurErwachsene, beide, jugendAlsErwachsene, abrunden;
};

// The fields of an input row of the participant computation that are used.
enum Feld {
    Titel,
    Bewertung,
    Vorname,
    Nachname,
    Mitgliedsnummer,
    MitgliedId,
    MitgliedVerein,
    Geburt,
    MitgliedJugend,
    SparteId,
    SparteName,
    Modus,
    TeilnahmeId,
    TeilnahmeMitglied,
    VereinId,
    VereinName,
};
using Zeile = std::vector<QVariant>;

// What every step of a run shares: context, codes, the competition and its categories.
struct Lauf
{
    Lauf(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
        : ctx(ctx), log(ctx, kKategorie, kOrt), codes(ctx), wettbewerb(wettbewerb),
          sparten(SparteController().select(ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()}}))
    {
        for (const auto &sparte : sparten)
            nachId[sparte->getId()] = sparte.get();
    }

    // The category by id, read once when it is not one of the competition's; null when it
    // cannot be read.
    Sparte *sparte(qlonglong id)
    {
        const auto it = nachId.find(id);
        if (it != nachId.end())
            return it->second;
        auto gelesen = SparteController().readById(ctx, id);
        Sparte *sparte = gelesen.get();
        if (gelesen)
            fremde.push_back(std::move(gelesen));
        nachId[id] = sparte;
        return sparte;
    }
    bool inKombination(qlonglong sparteId)
    {
        const Sparte *s = sparte(sparteId);
        return s && s->hasInKombinationVerwendet() && s->getInKombinationVerwendet();
    }

    DatabaseContext &ctx;
    Protokoll log;
    Codes codes;
    const Wettbewerb &wettbewerb;
    std::vector<std::unique_ptr<Sparte>> sparten;
    std::vector<std::unique_ptr<Sparte>> fremde;
    std::map<qlonglong, Sparte *> nachId;
};

// The input rows of the competition (all category modes, one statement), each with the
// youth test of its member.
struct Eingabe
{
    std::vector<Zeile> zeilen;
    std::vector<bool> jugendlich;
};

Eingabe leseEingabe(Lauf &lauf)
{
    using M = TeilnehmerErgebnisJoinModel;
    JoinAuszug auszug(lauf.ctx, TeilnehmerErgebnisJoinController::joinDef(), M::staticClassInfo(),
                      {M::bildTitelRow, M::bildBewertungRow, M::mitgliedVornameRow,
                       M::mitgliedNachnameRow, M::mitgliedMitgliedsNummerKomplettRow,
                       M::mitgliedIdRow, M::mitgliedVereinRow, M::mitgliedDatumGeburtRow,
                       M::mitgliedJugendRow, M::sparteIdRow, M::sparteNameRow,
                       M::sparteDurchgangsModusRow, M::teilnahmeIdRow, M::teilnahmeMitgliedRow,
                       M::vereinIdRow, M::vereinNameRow});
    Eingabe eingabe;
    eingabe.zeilen = auszug.lese({{M::teilnahmeWettbewerbRow, lauf.wettbewerb.getId()}});
    std::map<qlonglong, bool> nachMitglied;
    for (const Zeile &zeile : eingabe.zeilen) {
        const auto bekannt = zeile[MitgliedId].isValid()
                                 ? nachMitglied.find(zeile[MitgliedId].toLongLong())
                                 : nachMitglied.end();
        if (bekannt != nachMitglied.end()) {
            eingabe.jugendlich.push_back(bekannt->second);
            continue;
        }
        Mitglied mitglied;
        mitglied.loadValueAt(Mitglied::datumGeburtRow, zeile[Geburt]);
        mitglied.loadValueAt(Mitglied::jugendRow, zeile[MitgliedJugend]);
        const bool jugend = ErgebnisHelper::istJugendlicher(lauf.ctx, lauf.wettbewerb, mitglied);
        if (zeile[MitgliedId].isValid())
            nachMitglied[zeile[MitgliedId].toLongLong()] = jugend;
        eingabe.jugendlich.push_back(jugend);
    }
    return eingabe;
}

QString textOder(const QVariant &wert, const char *ersatz)
{
    return wert.isValid() ? wert.toString() : QString::fromLatin1(ersatz);
}

int summeDerBesten(std::vector<int> punkte, int anzahl)
{
    if (anzahl < 1)
        return 0;
    std::sort(punkte.begin(), punkte.end(), std::greater<int>());
    int summe = 0;
    for (size_t i = 0; i < punkte.size() && i < size_t(anzahl); ++i)
        summe += punkte[i];
    return summe;
}

// The rows of the age class in query order: mode by mode, each with its row filter.
std::vector<const Zeile *> sammle(Lauf &lauf, const Eingabe &eingabe, qlonglong jugendFilter)
{
    enum Filter { NurJugend, KeineJugend, Alle };
    struct Abfrage
    {
        qlonglong modus;
        Filter filter;
        const char *text;
    };
    const Codes &c = lauf.codes;
    const Abfrage jugend[] = {
        {c.nurJugend, NurJugend, " Ergebnistupel fuer NUR_JUGEND bei Jugend"},
        {c.beide, NurJugend, " Ergebnistupel fuer ERWACHSENE_UND_JUGEND bei Jugend"},
        {c.nurErwachsene, NurJugend, " Ergebnistupel fuer NUR_ERWACHSENE bei Jugendlichen"}};
    const Abfrage erwachsene[] = {
        {c.nurErwachsene, KeineJugend, " Ergebnistupel fuer NUR_ERWACHSENE bei Erwachsenen"},
        {c.beide, KeineJugend, " Ergebnistupel fuer ERWACHSENE_UND_JUGEND bei Erwachsenen"},
        {c.jugendAlsErwachsene, Alle, " Ergebnistupel fuer JUGEND_ALS_ERW bei Erwachsenen"},
        {c.nurJugend, KeineJugend, " Ergebnistupel fuer NUR_JUGEND bei Erwachsenen"}};
    // Any other filter collects nothing.
    const Abfrage *anfang = jugendFilter == c.ja ? std::begin(jugend)
                            : jugendFilter == c.nein ? std::begin(erwachsene) : nullptr;
    const Abfrage *ende = jugendFilter == c.ja ? std::end(jugend)
                          : jugendFilter == c.nein ? std::end(erwachsene) : nullptr;
    std::vector<const Zeile *> gesammelt;
    for (const Abfrage *it = anfang; it != ende; ++it) {
        const Abfrage &abfrage = *it;
        int geliefert = 0;
        for (size_t i = 0; i < eingabe.zeilen.size(); ++i) {
            const Zeile &zeile = eingabe.zeilen[i];
            if (!zeile[Modus].isValid() || zeile[Modus].toLongLong() != abfrage.modus)
                continue;
            ++geliefert;
            if (abfrage.filter == Alle || eingabe.jugendlich[i] == (abfrage.filter == NurJugend))
                gesammelt.push_back(&zeile);
        }
        lauf.log(6, QStringLiteral("  TeilnehmerErgebnisJoin lieferte ") + zahl(geliefert) +
                        QString::fromLatin1(abfrage.text));
    }
    lauf.log(7, QStringLiteral("  TeilnehmerErgebnisJoin lieferte ") + zahl(qlonglong(gesammelt.size())) +
                    QStringLiteral(" Ergebnistupel"));
    return gesammelt;
}

std::vector<std::unique_ptr<TeilnehmerWertung>>
teilnehmerWertungen(Lauf &lauf, const Eingabe &eingabe, qlonglong jugendFilter)
{
    const Protokoll &log = lauf.log;
    log(8, QStringLiteral("Berechne TeilnehmerWertungen mit jugendFilter ") + zahl(jugendFilter));
    const int n = lauf.wettbewerb.hasAnzahlBilderFuerWertung()
                      ? lauf.wettbewerb.getAnzahlBilderFuerWertung()
                      : 0;
    log(4, QStringLiteral("  Parameter Anzahl Bilder fuer Wertung ist ") + zahl(n));

    struct Mitgliedsbilder
    {
        qlonglong verein = 0;
        qlonglong teilnahme = 0;
        std::vector<const Zeile *> zeilen;
    };
    std::map<qlonglong, Mitgliedsbilder> nachMitglied;
    for (const Zeile *zeile : sammle(lauf, eingabe, jugendFilter)) {
        const Zeile &z = *zeile;
        if (log.an(6)) {
            log(6, QStringLiteral("    Untersuche Bewertung fuer Mitglied ") +
                       textOder(z[Vorname], "(ohne Vorname)") + QLatin1Char(' ') +
                       textOder(z[Nachname], "(ohne Nachname)") + QStringLiteral(" mit Mitgliedsnr. ") +
                       textOder(z[Mitgliedsnummer], "(ohne Mitgliedsnr)") +
                       QStringLiteral(" , Mitglieds-ID ") + textOder(z[MitgliedId], "(ohne Mitglieds-ID)") +
                       QStringLiteral(" sowie Teilnahme-ID ") + textOder(z[TeilnahmeId], "(ohne Teilnahme-Id)"));
            log(6, QStringLiteral("    ... Mitglied ist im Verein ") +
                       textOder(z[VereinName], "(ohne Vereins-Name)") + QStringLiteral(" mit der ID ") +
                       textOder(z[VereinId], "(ohne Vereins-ID)"));
            log(6, QStringLiteral("    ... Bewertung fuer das Bild ") + textOder(z[Titel], "(ohne Titel)") +
                       QStringLiteral(" in Sparte ") + textOder(z[SparteName], "(ohne Sparten-Name)") +
                       QStringLiteral(" mit id ") + textOder(z[SparteId], "(ohne Sparten-Id)") +
                       QStringLiteral(" ist ") + textOder(z[Bewertung], "(ohne Bewertung)"));
        }
        if (!z[TeilnahmeMitglied].isValid() || !z[MitgliedVerein].isValid() || !z[TeilnahmeId].isValid())
            throw ErgebnisFehler(kKategorie, kOrt, QStringLiteral("Interner Fehler"),
                                 QStringLiteral("Konnte die Bildbewertung fuer das Bild %1 nicht dem "
                                                "Mitglied %2 %3 zuordnen.")
                                     .arg(textOder(z[Titel], "(ohne Titel)"),
                                          textOder(z[Vorname], "(ohne Vorname)"),
                                          textOder(z[Nachname], "(ohne Nachname)")));
        log(1, QStringLiteral("      Ordne es dem Mitglied zu."));
        Mitgliedsbilder &bilder = nachMitglied[z[TeilnahmeMitglied].toLongLong()];
        bilder.verein = z[MitgliedVerein].toLongLong();
        bilder.teilnahme = z[TeilnahmeId].toLongLong();
        bilder.zeilen.push_back(zeile);
    }

    log(7, QStringLiteral("  Sortiere die Bilder pro Mitglied nach Sparten..."));
    std::vector<std::unique_ptr<TeilnehmerWertung>> ergebnis;
    for (const auto &[mitglied, bilder] : nachMitglied) {
        log(4, QStringLiteral("    Untersuche Mitglied mit id ") + zahl(mitglied));
        std::map<qlonglong, std::vector<int>> nachSparte;
        for (const Zeile *zeile : bilder.zeilen) {
            if (!(*zeile)[SparteId].isValid())
                continue;
            std::vector<int> &punkte = nachSparte[(*zeile)[SparteId].toLongLong()];
            if ((*zeile)[Bewertung].isValid())
                punkte.push_back((*zeile)[Bewertung].toInt());
        }
        for (const auto &[sparteId, punkte] : nachSparte) {
            log(4, QStringLiteral("      Untersuche Sparte ") + zahl(sparteId));
            const int summe = summeDerBesten(punkte, n);
            if (log.an(5))
                log(5, QStringLiteral("      Lege neue TeilnehmerWertung fuer Mitglied ") + zahl(mitglied) +
                           QStringLiteral(", Sparte ") + zahl(sparteId) +
                           QStringLiteral(" mit Punktesumme ") + zahl(summe) + QStringLiteral(" an."));
            auto wertung = std::make_unique<TeilnehmerWertung>();
            wertung->setWettbewerb(lauf.wettbewerb.getId());
            wertung->setWettbewerbsTeilnahme(bilder.teilnahme);
            wertung->setSparte(sparteId);
            wertung->setVerein(bilder.verein);
            wertung->setPunkte(summe);
            if (const Sparte *sparte = lauf.sparte(sparteId))
                wertung->setJugend(sparte->hasDurchgangsModus() &&
                                           sparte->getDurchgangsModus() == lauf.codes.jugendAlsErwachsene
                                       ? lauf.codes.nein
                                       : jugendFilter);
            else
                log(9, QStringLiteral("      Sparten-Instanz ") + zahl(sparteId) +
                           QStringLiteral(" nicht gefunden."));
            ergebnis.push_back(std::move(wertung));
        }
    }
    log(8, zahl(qlonglong(ergebnis.size())) + QStringLiteral(" TeilnehmerWertungen mit jugendFilter ") +
               zahl(jugendFilter) + QStringLiteral(" berechnet."));
    return ergebnis;
}

std::vector<std::unique_ptr<TeilnehmerKombinationsWertung>>
teilnehmerKombinationsWertungen(Lauf &lauf,
                                const std::vector<std::unique_ptr<TeilnehmerWertung>> &wertungen,
                                qlonglong jugendFilter)
{
    const Protokoll &log = lauf.log;
    const Wettbewerb &w = lauf.wettbewerb;
    log(8, QStringLiteral("Berechne TeilnehmerKombinationsWertungen mit jugendFilter ") +
               zahl(jugendFilter) + QStringLiteral(" auf Basis von ") + zahl(qlonglong(wertungen.size())) +
               QStringLiteral(" TeilnehmerWertungen"));
    const int k = w.hasAnzahlSpartenFuerKombination() ? w.getAnzahlSpartenFuerKombination() : 0;
    log(4, QStringLiteral("  Parameter Anzahl Sparten fuer Kombination ist ") + zahl(k));
    for (const auto &sparte : lauf.sparten)
        log(2, QStringLiteral("  Sparte ") + (sparte->hasName() ? sparte->getName() : QString()) +
                   QStringLiteral(" mit ID ") + zahl(sparte->getId()) +
                   QStringLiteral(" registriert.  Wird in Kombination ") +
                   (!sparte->hasInKombinationVerwendet() ? QStringLiteral("(keine Info)")
                    : sparte->getInKombinationVerwendet() ? QString()
                                                          : QStringLiteral("nicht")) +
                   QStringLiteral(" verwendet."));

    std::map<qlonglong, std::vector<const TeilnehmerWertung *>> nachTeilnahme;
    for (const auto &wertung : wertungen)
        if (wertung->hasSparte() && wertung->hasWettbewerbsTeilnahme() &&
            lauf.inKombination(wertung->getSparte()))
            nachTeilnahme[wertung->getWettbewerbsTeilnahme()].push_back(wertung.get());

    const bool nurVollstaendig = w.hasNurVollstaendigeKombination() && w.getNurVollstaendigeKombination();
    std::vector<std::unique_ptr<TeilnehmerKombinationsWertung>> ergebnis;
    for (const auto &[teilnahme, liste] : nachTeilnahme) {
        log(4, QStringLiteral("    Inspiziere WettbewerbsTeilnahme-Id ") + zahl(teilnahme));
        std::vector<int> punkte;
        std::optional<qlonglong> verein;
        std::set<qlonglong> sparten;
        for (const TeilnehmerWertung *wertung : liste) {
            if (wertung->hasPunkte()) {
                punkte.push_back(wertung->getPunkte());
                log(1, QStringLiteral("      Registriere Punktesumme ") + zahl(wertung->getPunkte()));
            }
            verein = wertung->hasVerein() ? std::optional<qlonglong>(wertung->getVerein()) : std::nullopt;
            sparten.insert(wertung->getSparte());
        }
        const int c = int(sparten.size());
        log(4, QStringLiteral("    Es liegt in ") + zahl(c) +
                   QStringLiteral(" Sparten des Mitglieds eine Einreichung vor."));
        if (verein && (!nurVollstaendig || c >= k)) {
            const int summe = summeDerBesten(punkte, k);
            log(4, QStringLiteral("    Punktesumme ist ") + zahl(summe));
            auto neu = std::make_unique<TeilnehmerKombinationsWertung>();
            neu->setWettbewerb(w.getId());
            neu->setWettbewerbsTeilnahme(teilnahme);
            neu->setVerein(*verein);
            neu->setPunkte(summe);
            neu->setJugend(jugendFilter);
            ergebnis.push_back(std::move(neu));
        } else {
            log(4, QStringLiteral("    Es liegt in nicht genug Sparten eine Einreichung vor."));
        }
    }
    log(8, zahl(qlonglong(ergebnis.size())) +
               QStringLiteral(" TeilnehmerKombinationsWertungen mit jugendFilter ") + zahl(jugendFilter) +
               QStringLiteral(" berechnet."));
    return ergebnis;
}

std::vector<std::unique_ptr<VereinsWertung>>
vereinsWertungen(Lauf &lauf, const std::vector<std::unique_ptr<TeilnehmerWertung>> &wertungen,
                 qlonglong jugendFilter)
{
    const Protokoll &log = lauf.log;
    const Wettbewerb &w = lauf.wettbewerb;
    log(8, QStringLiteral("Berechne VereinsWertungen mit jugendFilter ") + zahl(jugendFilter));
    const int t = w.hasAnzahlTeilnehmerFuerVereinsW() ? w.getAnzahlTeilnehmerFuerVereinsW() : 0;
    log(4, QStringLiteral("  Parameter Anzahl Teilnehmer fuer Vereinswertung ist ") + zahl(t));

    // Points per club and category.
    std::map<qlonglong, std::map<qlonglong, std::vector<int>>> nachVerein;
    for (const auto &wertung : wertungen) {
        if (!wertung->hasVerein())
            continue;
        auto &sparten = nachVerein[wertung->getVerein()];
        if (wertung->hasSparte() && wertung->hasPunkte())
            sparten[wertung->getSparte()].push_back(wertung->getPunkte());
    }
    std::vector<std::unique_ptr<VereinsWertung>> ergebnis;
    for (const auto &[verein, sparten] : nachVerein) {
        log(4, QStringLiteral("  Untersuche Verein mit ID ") + zahl(verein));
        for (const auto &sparte : lauf.sparten) {
            const qlonglong sparteId = sparte->getId();
            log(4, QStringLiteral("    Untersuche Sparte mit ID ") + zahl(sparteId));
            const auto it = sparten.find(sparteId);
            const int anzahl = it == sparten.end() ? 0 : int(it->second.size());
            log(4, QStringLiteral("    ") + zahl(anzahl) + QStringLiteral(" Teilnehmer-Wertungen extrahiert."));
            if (anzahl == 0)
                continue;
            const int summe = summeDerBesten(it->second, t);
            if (log.an(4))
                log(4, QStringLiteral("    ") + zahl(summe) + QStringLiteral(" Punkte fuer Verein mit der ID ") +
                           zahl(verein) + QStringLiteral(" in Sparte ") + zahl(sparteId) +
                           QStringLiteral(" registriert."));
            auto neu = std::make_unique<VereinsWertung>();
            neu->setWettbewerb(w.getId());
            neu->setVerein(verein);
            neu->setSparte(sparteId);
            neu->setPunkte(summe);
            neu->setJugend(jugendFilter);
            ergebnis.push_back(std::move(neu));
        }
    }
    log(8, zahl(qlonglong(ergebnis.size())) + QStringLiteral(" VereinsWertungen mit jugendFilter ") +
               zahl(jugendFilter) + QStringLiteral(" berechnet."));
    return ergebnis;
}

std::vector<std::unique_ptr<VereinsKombinationsWertung>>
vereinsKombinationsWertungen(Lauf &lauf, const std::vector<std::unique_ptr<VereinsWertung>> &wertungen,
                             qlonglong jugendFilter)
{
    const Protokoll &log = lauf.log;
    log(8, QStringLiteral("Berechne VereinsKombinationsWertungen mit jugendFilter ") + zahl(jugendFilter));
    std::map<qlonglong, std::vector<const VereinsWertung *>> nachVerein;
    for (const auto &wertung : wertungen)
        if (wertung->hasVerein())
            nachVerein[wertung->getVerein()].push_back(wertung.get());
    std::vector<std::unique_ptr<VereinsKombinationsWertung>> ergebnis;
    for (const auto &[verein, liste] : nachVerein) {
        log(4, QStringLiteral("  Untersuche Verein mit ID ") + zahl(verein));
        int summe = 0;
        int anzahl = 0;
        for (const VereinsWertung *wertung : liste) {
            if (!wertung->hasSparte() || !lauf.inKombination(wertung->getSparte()))
                continue;
            summe += wertung->hasPunkte() ? wertung->getPunkte() : 0;
            ++anzahl;
        }
        log(6, QStringLiteral("  ") + zahl(summe) + QStringLiteral(" Punkte fuer Verein mit ID ") +
                   zahl(verein) + QStringLiteral(" registriert."));
        if (anzahl == 0)
            continue;
        auto neu = std::make_unique<VereinsKombinationsWertung>();
        neu->setWettbewerb(lauf.wettbewerb.getId());
        neu->setVerein(verein);
        neu->setPunkte(summe);
        neu->setJugend(jugendFilter);
        ergebnis.push_back(std::move(neu));
    }
    log(8, zahl(qlonglong(ergebnis.size())) +
               QStringLiteral(" VereinsKombinationsWertungen mit jugendFilter ") + zahl(jugendFilter) +
               QStringLiteral(" berechnet."));
    return ergebnis;
}

// ---- acceptance ----

struct Annahmebild
{
    std::unique_ptr<Bild> bild; // only its id: what the marks are written to
    std::optional<qlonglong> sparte;
    std::optional<int> bewertung;
    std::optional<qlonglong> jugend; // the member's stored youth code
};

// The competition's images with their members' youth codes, one statement.
std::vector<Annahmebild> leseAnnahmebilder(Lauf &lauf)
{
    using M = BilderNachWettbewerbJoinModel;
    JoinAuszug auszug(lauf.ctx, BilderNachWettbewerbJoinController::joinDef(), M::staticClassInfo(),
                      {M::bildIdRow, M::bildSparteRow, M::bildBewertungRow, M::mitgliedJugendRow});
    std::vector<Annahmebild> bilder;
    for (const Zeile &zeile : auszug.lese({{M::wettbewerbIdRow, lauf.wettbewerb.getId()}})) {
        Annahmebild eintrag;
        eintrag.bild = std::make_unique<Bild>();
        eintrag.bild->setId(zeile[0].toLongLong());
        if (zeile[1].isValid())
            eintrag.sparte = zeile[1].toLongLong();
        if (zeile[2].isValid())
            eintrag.bewertung = zeile[2].toInt();
        if (zeile[3].isValid())
            eintrag.jugend = zeile[3].toLongLong();
        bilder.push_back(std::move(eintrag));
    }
    return bilder;
}

struct Annahme
{
    std::map<Persistent *, std::pair<QString, bool>> marken; // image -> bewertungString, angenommen
};

// The threshold of a category and age class (`jugend` null: every age class), and the marks of
// the images it selects.
int annahmeGrenze(Lauf &lauf, std::vector<Annahmebild> &bilder, Annahme &annahme,
                  qlonglong sparte, qlonglong jugend, bool alleAltersklassen)
{
    const Wettbewerb &w = lauf.wettbewerb;
    const double p = w.hasAnteilAnnahmenGewuenscht() ? w.getAnteilAnnahmenGewuenscht() : 100;
    const bool abrunden = w.hasAbrundungPunkteBeiAnnahmen() &&
                          w.getAbrundungPunkteBeiAnnahmen() == lauf.codes.abrunden;
    std::vector<Annahmebild *> auswahl;
    int maximum = 0;
    int minimum = 10000;
    for (Annahmebild &bild : bilder) {
        if (!bild.bewertung || !bild.sparte || !bild.jugend || *bild.sparte != sparte ||
            (!alleAltersklassen && *bild.jugend != jugend))
            continue;
        auswahl.push_back(&bild);
        maximum = std::max(maximum, *bild.bewertung);
        minimum = std::min(minimum, *bild.bewertung);
    }
    int grenze = 0;
    if (!auswahl.empty()) {
        const double wert = maximum - (p / 100) * (maximum - minimum);
        grenze = int(abrunden ? std::floor(wert) : std::ceil(wert));
    }
    for (Annahmebild *bild : auswahl) {
        const bool angenommen = *bild->bewertung >= grenze;
        annahme.marken[bild->bild.get()] = {
            zahl(*bild->bewertung) + (angenommen ? QStringLiteral("*") : QString()), angenommen};
    }
    return grenze;
}

std::pair<int, int> annahmen(Lauf &lauf)
{
    auto bilder = leseAnnahmebilder(lauf);
    const Codes &c = lauf.codes;
    Annahme annahme;
    for (const auto &sparte : lauf.sparten) {
        const qlonglong modus = sparte->hasDurchgangsModus() ? sparte->getDurchgangsModus() : -1;
        const qlonglong id = sparte->getId();
        if (modus == c.nurJugend) {
            sparte->setAnnahmeGrenzeErwachsene(0);
            sparte->setAnnahmeGrenzeJugend(annahmeGrenze(lauf, bilder, annahme, id, c.ja, false));
        } else if (modus == c.nurErwachsene) {
            sparte->setAnnahmeGrenzeJugend(0);
            sparte->setAnnahmeGrenzeErwachsene(annahmeGrenze(lauf, bilder, annahme, id, c.nein, false));
        } else if (modus == c.jugendAlsErwachsene) {
            sparte->setAnnahmeGrenzeJugend(0);
            sparte->setAnnahmeGrenzeErwachsene(annahmeGrenze(lauf, bilder, annahme, id, c.nein, true));
        } else {
            sparte->setAnnahmeGrenzeJugend(annahmeGrenze(lauf, bilder, annahme, id, c.ja, false));
            sparte->setAnnahmeGrenzeErwachsene(annahmeGrenze(lauf, bilder, annahme, id, c.nein, false));
        }
        SparteController().insertOrUpdate(lauf.ctx, *sparte);
    }

    // Images with the same mark are updated together.
    std::map<QString, std::vector<Persistent *>> nachText;
    std::vector<Persistent *> nachAnnahme[2];
    for (const auto &[bild, marke] : annahme.marken) {
        nachText[marke.first].push_back(bild);
        nachAnnahme[marke.second].push_back(bild);
    }
    BatchController batch(lauf.ctx, BildController::controllerDef());
    for (const auto &[text, liste] : nachText)
        batch.setAll(liste, Bild::bewertungStringRow, text);
    for (bool angenommen : {false, true})
        batch.setAll(nachAnnahme[angenommen], Bild::angenommenRow, angenommen);
    return {int(nachAnnahme[1].size()), int(annahme.marken.size())};
}

// ---- the whole run ----

// How the log of the whole run names one kind of result.
struct Art
{
    const ControllerDef &def;
    const char *name;     // "Teilnehmerwertungen" in the run's lines
    const char *einzeln;  // "Teilnehmer-Wertungen" in deleting and writing
    const char *loesche;  // "Loesche alle Teilnehmer-Wertungen..."
};

// Deletes the stored rows of the kind, computes both age classes and writes them, logging
// as the results page does. Returns the counts of adults and youth.
template <typename T>
void ersetze(Lauf &lauf, const Protokoll &wlog, const Art &art,
             std::vector<std::unique_ptr<T>> (&listen)[2],
             const std::function<std::vector<std::unique_ptr<T>>(qlonglong)> &berechne, int (&zahlen)[2])
{
    BatchController batch(lauf.ctx, art.def);
    const auto alte = nurIds(lauf.ctx, art.def, QStringLiteral("wettbewerb"), lauf.wettbewerb.getId());
    if (!alte.empty()) {
        wlog(5, QStringLiteral("Es sind bereits ") + QString::fromLatin1(art.name) +
                    QStringLiteral(" auf der Datenbank, diese werden vorher gelöscht"));
        lauf.log(8, QString::fromLatin1(art.loesche));
        batch.removeAll(alte);
        lauf.log(8, QStringLiteral("Loeschen von ") + zahl(qlonglong(alte.size())) + QLatin1Char(' ') +
                        QString::fromLatin1(art.einzeln) + QStringLiteral(" beendet."));
    }
    listen[0] = berechne(lauf.codes.nein);
    listen[1] = berechne(lauf.codes.ja);
    const char *klasse[2] = {" fuer Erwachsene neu berechnet", " fuer Jugendliche neu berechnet"};
    for (int i = 0; i < 2; ++i) {
        zahlen[i] = int(listen[i].size());
        wlog(5, QStringLiteral("Es wurden ") + zahl(zahlen[i]) + QLatin1Char(' ') +
                    QString::fromLatin1(art.name) + QString::fromLatin1(klasse[i]));
    }
    for (auto &liste : listen) {
        const QString anzahl = zahl(qlonglong(liste.size()));
        lauf.log(8, QStringLiteral("Schreibe ") + anzahl + QLatin1Char(' ') + QString::fromLatin1(art.einzeln) +
                        QStringLiteral(" auf die Datenbank..."));
        batch.insertAll(liste);
        lauf.log(8, QStringLiteral("... Schreiben von ") + anzahl + QLatin1Char(' ') +
                        QString::fromLatin1(art.einzeln) + QStringLiteral(" beendet."));
    }
}

} // namespace

namespace ErgebnisHelper {

bool istJugendlicher(DatabaseContext &ctx, const Wettbewerb &wettbewerb, const Mitglied &mitglied)
{
    return Jugendregel::istJugend(ctx, mitglied, wettbewerb);
}

std::vector<std::unique_ptr<TeilnehmerWertung>>
berechneTeilnehmerWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb, qlonglong jugendFilter)
{
    Lauf lauf(ctx, wettbewerb);
    return teilnehmerWertungen(lauf, leseEingabe(lauf), jugendFilter);
}

std::vector<std::unique_ptr<TeilnehmerKombinationsWertung>> berechneTeilnehmerKombinationsWertungen(
    DatabaseContext &ctx, const Wettbewerb &wettbewerb,
    const std::vector<std::unique_ptr<TeilnehmerWertung>> &teilnehmerWertungen, qlonglong jugendFilter)
{
    Lauf lauf(ctx, wettbewerb);
    return teilnehmerKombinationsWertungen(lauf, teilnehmerWertungen, jugendFilter);
}

std::vector<std::unique_ptr<VereinsWertung>>
berechneVereinsWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                         const std::vector<std::unique_ptr<TeilnehmerWertung>> &teilnehmerWertungen,
                         qlonglong jugendFilter)
{
    Lauf lauf(ctx, wettbewerb);
    return vereinsWertungen(lauf, teilnehmerWertungen, jugendFilter);
}

std::vector<std::unique_ptr<VereinsKombinationsWertung>>
berechneVereinsKombinationsWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                     const std::vector<std::unique_ptr<VereinsWertung>> &vereinsWertungen,
                                     qlonglong jugendFilter)
{
    Lauf lauf(ctx, wettbewerb);
    return vereinsKombinationsWertungen(lauf, vereinsWertungen, jugendFilter);
}

void berechneAnnahmen(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    Lauf lauf(ctx, wettbewerb);
    annahmen(lauf);
}

Ergebniszahlen berechneUndUeberschreibeErgebnisse(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    ctx.log(QStringLiteral("Dialog"), kWidget, 7,
            QStringLiteral("Aufruf von Berechne und Ueberschreibe Ergebnisse"));
    Transaction transaktion(ctx);
    Lauf lauf(ctx, wettbewerb);
    const Protokoll wlog(ctx, QStringLiteral("Wertung"), kWidget);
    Ergebniszahlen zahlen;

    const Eingabe eingabe = leseEingabe(lauf);
    std::vector<std::unique_ptr<TeilnehmerWertung>> teilnehmer[2];
    ersetze<TeilnehmerWertung>(
        lauf, wlog,
        {TeilnehmerWertungController::controllerDef(), "Teilnehmerwertungen",
         "Teilnehmer-Wertungen", "Loesche alle Teilnehmer-Wertungen..."},
        teilnehmer, [&](qlonglong jugend) { return teilnehmerWertungen(lauf, eingabe, jugend); },
        zahlen.teilnehmer);

    std::vector<std::unique_ptr<TeilnehmerKombinationsWertung>> kombinationen[2];
    ersetze<TeilnehmerKombinationsWertung>(
        lauf, wlog,
        {TeilnehmerKombinationsWertungController::controllerDef(),
         "TeilnehmerKombinationsWertungen", "TeilnehmerKombinationsWertungen",
         "Loesche alle TeilnehmerKombinationsWertungen..."},
        kombinationen,
        [&](qlonglong jugend) {
            return teilnehmerKombinationsWertungen(lauf, teilnehmer[jugend == lauf.codes.ja], jugend);
        },
        zahlen.teilnehmerKombination);

    std::vector<std::unique_ptr<VereinsWertung>> vereine[2];
    ersetze<VereinsWertung>(
        lauf, wlog,
        {VereinsWertungController::controllerDef(), "VereinsWertungen",
         "Vereins-Wertungen", "Loesche alle Vereins-Wertungen..."},
        vereine,
        [&](qlonglong jugend) {
            return vereinsWertungen(lauf, teilnehmer[jugend == lauf.codes.ja], jugend);
        },
        zahlen.vereine);

    std::vector<std::unique_ptr<VereinsKombinationsWertung>> vereinsKombinationen[2];
    ersetze<VereinsKombinationsWertung>(
        lauf, wlog,
        {VereinsKombinationsWertungController::controllerDef(),
         "VereinsKombinationsWertungen", "VereinsKombinationsWertungen",
         "Loesche alle VereinsKombinationsWertungen..."},
        vereinsKombinationen,
        [&](qlonglong jugend) {
            return vereinsKombinationsWertungen(lauf, vereine[jugend == lauf.codes.ja], jugend);
        },
        zahlen.vereinsKombination);

    const auto [angenommen, bewertet] = annahmen(lauf);
    zahlen.angenommen = angenommen;
    zahlen.bewertet = bewertet;
    transaktion.commit();
    return zahlen;
}

} // namespace ErgebnisHelper
