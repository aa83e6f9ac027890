#include "WertungsAblauf.h"

#include "Abfrage.h"
#include "BatchController.h"
#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "JurorService.h"
#include "RecordSnapshot.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "WertungsHelper.h"
#include "WertungsLog.h"
#include "controllers/BildController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/WertungController.h"
#include "entities/Bild.h"
#include "entities/Durchgang.h"
#include "entities/EinzelWertung.h"
#include "entities/JuriertBei.h"
#include "entities/Person.h"
#include "entities/Wertung.h"

#include <algorithm>
#include <functional>

struct WertungsAblauf::Zeile
{
    std::unique_ptr<Wertung> wertung;
    std::unique_ptr<Bild> bild;
    QString nummer;
    // The juror scores of the category's jurors, in juror order; null where a juror has none.
    std::vector<std::unique_ptr<EinzelWertung>> einzel;
};

namespace {

// The ids of the round's images, as a subquery.
std::string bilderDes(qlonglong durchgang)
{
    return "(SELECT bild FROM Wertung WHERE durchgang = " + std::to_string(durchgang) + ")";
}

} // namespace

WertungsAblauf::WertungsAblauf(DatabaseContext &ctx, Wettbewerb &wettbewerb, Durchgang &durchgang,
                               std::vector<std::unique_ptr<JuriertBei>> juroren)
    : m_ctx(ctx), m_wettbewerb(wettbewerb), m_durchgang(durchgang), m_juroren(std::move(juroren))
{
    QHash<qlonglong, size_t> jurorIndex;
    for (size_t i = 0; i < m_juroren.size(); ++i) {
        jurorIndex.insert(m_juroren[i]->getId(), i);
        if (const auto person = JurorService::person(ctx, *m_juroren[i])) {
            m_vornamen.insert(m_juroren[i]->getId(),
                              person->hasVorname() ? person->getVorname() : QString());
            m_nachnamen.insert(m_juroren[i]->getId(),
                               person->hasNachname() ? person->getNachname() : QString());
        }
    }

    auto wertungen = WertungController().select(
        ctx, {{QStringLiteral("durchgang"), durchgang.getId()}}, true, false);
    std::sort(wertungen.begin(), wertungen.end(), [](const auto &a, const auto &b) {
        const int pa = a->hasPositionImDurchgang() ? a->getPositionImDurchgang() : 0;
        const int pb = b->hasPositionImDurchgang() ? b->getPositionImDurchgang() : 0;
        return pa != pb ? pa < pb : a->getId() < b->getId();
    });
    QHash<qlonglong, std::vector<Zeile *>> zeilenVonBild;
    for (auto &wertung : wertungen) {
        auto zeile = std::make_unique<Zeile>();
        zeile->einzel.resize(m_juroren.size());
        m_indexVonWertung.insert(wertung->getId(), int(m_zeilen.size()));
        if (wertung->hasBild())
            zeilenVonBild[wertung->getBild()].push_back(zeile.get());
        zeile->wertung = std::move(wertung);
        m_zeilen.push_back(std::move(zeile));
    }

    const std::string bilder = bilderDes(durchgang.getId());
    SqlStatement bildRest;
    bildRest << "WHERE bild.id IN " << bilder;
    for (auto &bild : BatchController(ctx, BildController::controllerDef()).selectWhere(bildRest)) {
        const auto zeilen = zeilenVonBild.value(bild->getId());
        for (size_t i = 0; i < zeilen.size(); ++i)
            zeilen[i]->bild.reset(i + 1 < zeilen.size() ? static_cast<Bild *>(bild->clone())
                                                        : static_cast<Bild *>(bild.release()));
    }
    // The competition-local numbers, without reading the pictures.
    SqlStatement nummern;
    nummern << "SELECT bild.id, bildDaten.nummerProWettbewerb FROM Bild bild, BildDaten "
               "bildDaten WHERE bild.bildDaten = bildDaten.id AND bild.id IN "
            << bilder;
    const mysqlpp::StoreQueryResult ergebnis =
        frageAb(ctx, "WertungsHelper", nummern, QStringLiteral("Bild,BildDaten"));
    for (size_t r = 0; r < ergebnis.num_rows(); ++r) {
        for (Zeile *zeile : zeilenVonBild.value(std::atoll(ergebnis[r][0].c_str())))
            zeile->nummer = feldText(ergebnis[r], 1);
    }

    SqlStatement einzelRest;
    einzelRest << "WHERE wertung IN (SELECT id FROM Wertung WHERE durchgang = "
               << std::to_string(durchgang.getId()) << ")";
    for (auto &einzel :
         BatchController(ctx, EinzelWertungController::controllerDef()).selectWhere(einzelRest)) {
        auto *einzelWertung = static_cast<EinzelWertung *>(einzel.get());
        const auto zeile = m_indexVonWertung.constFind(einzelWertung->getWertung());
        const auto juror = jurorIndex.constFind(einzelWertung->getJuror());
        if (zeile == m_indexVonWertung.constEnd() || juror == jurorIndex.constEnd())
            continue; // a juror who no longer judges the category
        m_zeilen[size_t(*zeile)]->einzel[*juror] = downcast<EinzelWertung>(std::move(einzel));
    }
}

WertungsAblauf::~WertungsAblauf() = default;

void WertungsAblauf::log(const QString &text, int level) const
{
    WertungsLog::log(m_ctx, text, level);
}

bool WertungsAblauf::logt(int level) const
{
    return WertungsLog::logt(m_ctx, level);
}

void WertungsAblauf::aendereDurchgang(const std::function<void(Durchgang &)> &aenderung)
{
    RecordSnapshot snapshot;
    snapshot.take(m_durchgang);
    try {
        aenderung(m_durchgang);
        DurchgangController().insertOrUpdate(m_ctx, m_durchgang);
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

void WertungsAblauf::setzeNaechsteOffeneWertung()
{
    log(QStringLiteral("Aufruf von Setze Naechste Offene Wertung"));
    const bool einzeln = logt();
    const auto vorhanden = m_durchgang.hasAktuelleWertung()
                               ? m_indexVonWertung.constFind(m_durchgang.getAktuelleWertung())
                               : m_indexVonWertung.constEnd();
    int ab = 0;
    int neu = -1;
    if (vorhanden == m_indexVonWertung.constEnd()) {
        log(QStringLiteral("Noch keine aktuelle Wertung vorhanden, setze sie jetzt"));
    } else {
        log(QStringLiteral("Bereits eine aktuelle Wertung vorhanden."));
        if (!m_zeilen[size_t(*vorhanden)]->wertung->hasBewertung())
            neu = *vorhanden;
        ab = *vorhanden + 1;
    }
    for (int i = ab; neu < 0 && i < anzahl(); ++i) {
        const Wertung &wertung = *m_zeilen[size_t(i)]->wertung;
        const bool juriert = wertung.hasBewertung();
        if (einzeln)
            log(QStringLiteral("    Teste position %1").arg(wertung.getPositionImDurchgang()) +
                (juriert ? QStringLiteral(" ... war schon juriert.")
                         : QStringLiteral(" ... wird jetzt juriert.")));
        if (!juriert)
            neu = i;
    }
    setzeAktuell(neu);
}

void WertungsAblauf::setzeAktuell(int index)
{
    aendereDurchgang([&](Durchgang &durchgang) {
        durchgang.setValueAt(Durchgang::aktuelleWertungRow,
                             index >= 0 ? QVariant(m_zeilen[size_t(index)]->wertung->getId())
                                        : QVariant());
    });
    m_index = index;
}

const Wertung *WertungsAblauf::aktuelleWertung() const
{
    return m_index >= 0 ? m_zeilen[size_t(m_index)]->wertung.get() : nullptr;
}

const Bild *WertungsAblauf::aktuellesBild() const
{
    return bildAnPosition(m_index);
}

QString WertungsAblauf::bildnummer() const
{
    return bildnummerAnPosition(m_index);
}

const Bild *WertungsAblauf::bildAnPosition(int index) const
{
    return index >= 0 && index < anzahl() ? m_zeilen[size_t(index)]->bild.get() : nullptr;
}

QString WertungsAblauf::bildnummerAnPosition(int index) const
{
    return index >= 0 && index < anzahl() ? m_zeilen[size_t(index)]->nummer : QString();
}

std::vector<const Bild *> WertungsAblauf::naechsteBilder(int k) const
{
    std::vector<const Bild *> bilder;
    if (m_index < 0)
        return bilder;
    for (int i = m_index + 1; i < anzahl() && int(bilder.size()) < k; ++i) {
        if (const Bild *bild = bildAnPosition(i))
            bilder.push_back(bild);
    }
    return bilder;
}

std::vector<WertungsAblauf::Einzelwertung> WertungsAblauf::einzelWertungen() const
{
    std::vector<Einzelwertung> liste;
    if (m_index < 0)
        return liste;
    for (const auto &einzel : m_zeilen[size_t(m_index)]->einzel) {
        if (!einzel)
            continue;
        const qlonglong juror = einzel->getJuror();
        liste.push_back(
            {einzel->getId(), juror, m_vornamen.value(juror), m_nachnamen.value(juror),
             einzel->hasBewertung() ? std::optional<int>(einzel->getBewertung()) : std::nullopt});
    }
    return liste;
}

bool WertungsAblauf::alleGewertet() const
{
    if (m_index < 0)
        return false;
    const auto &einzel = m_zeilen[size_t(m_index)]->einzel;
    return std::all_of(einzel.begin(), einzel.end(),
                       [](const auto &e) { return !e || e->hasBewertung(); });
}

EinzelWertung *WertungsAblauf::einzelwertungVon(qlonglong juror) const
{
    if (m_index < 0)
        return nullptr;
    for (const auto &einzel : m_zeilen[size_t(m_index)]->einzel) {
        if (einzel && einzel->getJuror() == juror)
            return einzel.get();
    }
    return nullptr;
}

int WertungsAblauf::minBewertung() const
{
    return m_durchgang.hasMinBewertung() ? m_durchgang.getMinBewertung() : 1;
}

int WertungsAblauf::maxBewertung() const
{
    return m_durchgang.hasMaxBewertung() ? m_durchgang.getMaxBewertung() : 10;
}

bool WertungsAblauf::speichereEinzelwertung(EinzelWertung &einzel, int wert)
{
    if (wert < minBewertung() || wert > maxBewertung())
        return false;
    const QVariant alt = einzel.rawValueAt(EinzelWertung::bewertungRow);
    einzel.loadValueAt(EinzelWertung::bewertungRow, QVariant(wert));
    const auto schreibe = [&] { EinzelWertungController().insertOrUpdate(m_ctx, einzel); };
    try {
        // The score that completes the image is stored with the total it makes: one commit,
        // and never a complete image without its total.
        if (alleGewertet())
            speichereGesamtwertung(schreibe);
        else
            schreibe();
    } catch (...) {
        einzel.loadValueAt(EinzelWertung::bewertungRow, alt);
        throw;
    }
    return true;
}

bool WertungsAblauf::tastendruck(qlonglong device, int zahl)
{
    log(QStringLiteral("Aufruf von Numeric Key Pressed mit number %1 fuer Device %2")
            .arg(zahl)
            .arg(device));
    if (!m_ctx.hasDevice(device))
        return false;
    EinzelWertung *einzel = einzelwertungVon(m_ctx.jurorForDevice(device));
    return einzel && speichereEinzelwertung(*einzel, zahl);
}

bool WertungsAblauf::setzeManuell(qlonglong juror, int wert)
{
    EinzelWertung *einzel = einzelwertungVon(juror);
    return einzel && speichereEinzelwertung(*einzel, wert);
}

bool WertungsAblauf::reagiere()
{
    log(QStringLiteral("Aufruf von Reagiere Auf EinzelWertung"));
    const bool alle = alleGewertet();
    if (alle)
        aktualisiereGesamtwertung();
    return alle;
}

void WertungsAblauf::aktualisiereGesamtwertung()
{
    speichereGesamtwertung({});
}

void WertungsAblauf::speichereGesamtwertung(const std::function<void()> &dazu)
{
    if (m_index < 0)
        return;
    Zeile &zeile = *m_zeilen[size_t(m_index)];
    const QString bildId = zeile.bild ? QString::number(zeile.bild->getId()) : QString();
    int summe = 0;
    for (const auto &einzel : zeile.einzel) {
        if (einzel && einzel->hasBewertung())
            summe += einzel->getBewertung();
    }
    const auto gespeichert = [summe](const Record &record, int row) {
        return record.isSetAt(row) && record.rawValueAt(row).toInt() == summe;
    };
    if (gespeichert(*zeile.wertung, Wertung::bewertungRow) &&
        (!zeile.bild || gespeichert(*zeile.bild, Bild::bewertungRow))) {
        // Confirming right after the last key press: stored already.
        if (dazu)
            dazu();
        return;
    }
    log(QStringLiteral("Aktualisiere Gesamtwertung von Bild ") + bildId);
    RecordSnapshot snapshot;
    snapshot.take(*zeile.wertung);
    if (zeile.bild)
        snapshot.take(*zeile.bild);
    try {
        Transaction transaktion(m_ctx);
        if (dazu)
            dazu();
        zeile.wertung->setBewertung(summe);
        WertungController().insertOrUpdate(m_ctx, *zeile.wertung);
        if (zeile.bild) {
            zeile.bild->setBewertung(summe);
            BildController().insertOrUpdate(m_ctx, *zeile.bild);
        }
        transaktion.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
    log(QStringLiteral("Gesamtwertung von Bild %1 aktualisiert, neue Summe ist %2")
            .arg(bildId)
            .arg(summe));
}

WertungsAblauf::Bestaetigung WertungsAblauf::bestaetige()
{
    if (m_index >= 0) {
        if (!alleGewertet())
            return Bestaetigung::Unvollstaendig;
        aktualisiereGesamtwertung();
    }
    log(QStringLiteral("Aufruf von Gehe Zur Naechsten Wertung"));
    setzeNaechsteOffeneWertung();
    if (m_index >= 0)
        return Bestaetigung::Weiter;
    aendereDurchgang(
        [this](Durchgang &durchgang) { WertungsHelper::setzeStatus(m_ctx, durchgang, "BEENDET"); });
    return Bestaetigung::Abgeschlossen;
}

bool WertungsAblauf::zurueck()
{
    if (m_index <= 0)
        return false;
    const Wertung &alt = *m_zeilen[size_t(m_index)]->wertung;
    const Wertung &neu = *m_zeilen[size_t(m_index - 1)]->wertung;
    if (logt(3)) {
        log(QStringLiteral("AlteWertungsId = %1").arg(alt.getId()), 3);
        log(QStringLiteral("AltePosition = %1").arg(alt.getPositionImDurchgang()), 3);
        log(QStringLiteral("NeueWertungsId = %1").arg(neu.getId()), 3);
        log(QStringLiteral("NeuePosition = %1").arg(neu.getPositionImDurchgang()), 3);
    }
    setzeAktuell(m_index - 1);
    return true;
}

std::optional<Meldung> WertungsAblauf::pruefeManuell(const std::optional<int> &wert) const
{
    const QString text =
        QStringLiteral("Bitte geben Sie eine Bewertung im zulaessigen Bereich von %1 bis %2 ein.")
            .arg(minBewertung())
            .arg(maxBewertung());
    if (!wert)
        return Fehlermeldung::melde(m_ctx, "EinzelwertungBearbeitenDialog",
                                    QStringLiteral("Keine Bewertung eingegeben"), text);
    if (*wert < minBewertung() || *wert > maxBewertung())
        return Fehlermeldung::melde(m_ctx, "EinzelwertungBearbeitenDialog",
                                    QStringLiteral("Bewertung nicht zulaessig"), text);
    return std::nullopt;
}

namespace {

Meldung meldung(const char *titel, const char *text)
{
    return {QString::fromUtf8(titel), QString::fromUtf8(text), QString::fromUtf8(titel)};
}

} // namespace

Meldung WertungsAblauf::unvollstaendigMeldung()
{
    return meldung("Wertung nicht vollstaendig",
                   "Mindestens ein Juror hat noch nicht gewertet. Die Jurierung kann erst dann "
                   "mit dem naechsten Bild fortgesetzt werden, wenn alle Juroren gewertet haben.");
}

Meldung WertungsAblauf::abgeschlossenMeldung()
{
    return meldung("Wertung abgeschlossen",
                   "Es wurden alle Bilder bewertet. Damit kann die Jurierung des Durchgangs jetzt "
                   "beendet werden.");
}

Meldung WertungsAblauf::keinVorherigesBildMeldung()
{
    return meldung("Kein vorheriges Bild vorhanden", "Es gibt kein vorheriges Bild.");
}

Meldung WertungsAblauf::unterbrechenFrage()
{
    return meldung("Wirklich unterbrechen?",
                   "Wollen Sie die Jurierung wirklich unterbrechen? \n\nSie kann danach "
                   "jederzeit fortgesetzt werden.");
}
