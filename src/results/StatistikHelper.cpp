#include "StatistikHelper.h"

#include "BatchController.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "JoinAuszug.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "controllers/SparteController.h"
#include "controllers/StatistikDataController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "entities/Wettbewerb.h"
#include "joins/BilderListeJoinController.h"

#include <map>
#include <set>

namespace {

// The counts of one category, [0] adults, [1] youth.
struct Spartenzahlen
{
    int bilder[2] = {0, 0};
    int annahmen[2] = {0, 0};
    int teilnehmer[2] = {0, 0};
    std::set<qlonglong> teilnahmen; // met so far
};

// The tree, built level by level: each level is inserted at once (which gives its ids) before
// the next one names its parents.
class Baum
{
public:
    Baum(DatabaseContext &ctx, qlonglong wettbewerb) : m_ctx(ctx), m_wettbewerb(wettbewerb) {}

    StatistikData *knoten(int ebene, StatistikData *eltern, const QString &text,
                          const QString &label, std::optional<int> wert = std::nullopt)
    {
        auto neu = std::make_unique<StatistikData>();
        neu->setWettbewerb(m_wettbewerb);
        neu->setTopLevel(eltern == nullptr);
        neu->setText(text);
        neu->setLabel(label);
        if (wert)
            neu->setIntData(*wert);
        StatistikData *zeiger = neu.get();
        if (m_ebenen.size() <= size_t(ebene))
            m_ebenen.resize(size_t(ebene) + 1);
        m_ebenen[size_t(ebene)].push_back({std::move(neu), eltern});
        return zeiger;
    }

    int speichere()
    {
        BatchController batch(m_ctx, StatistikDataController::controllerDef());
        int anzahl = 0;
        for (auto &ebene : m_ebenen) {
            std::vector<Persistent *> knoten;
            for (auto &[neu, eltern] : ebene) {
                if (eltern)
                    neu->setParent(eltern->getId());
                knoten.push_back(neu.get());
            }
            batch.insertAll(knoten);
            anzahl += int(knoten.size());
        }
        return anzahl;
    }

private:
    DatabaseContext &m_ctx;
    qlonglong m_wettbewerb;
    std::vector<std::vector<std::pair<std::unique_ptr<StatistikData>, StatistikData *>>> m_ebenen;
};

QString anzahlText(int anzahl)
{
    return QStringLiteral("Anzahl Teilnehmer: %1").arg(anzahl);
}

} // namespace

namespace StatistikHelper {

int berechneStatistik(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    const qlonglong id = wettbewerb.getId();
    Transaction transaktion(ctx);
    BatchController(ctx, StatistikDataController::controllerDef())
        .removeAll(nurIds(ctx, StatistikDataController::controllerDef(), QStringLiteral("wettbewerb"), id));

    const auto sparten = SparteController().select(ctx, {{QStringLiteral("wettbewerb"), id}});
    const int teilnahmen = int(
        WettbewerbsTeilnahmeController().select(ctx, {{QStringLiteral("wettbewerb"), id}}, true, false).size());

    // The valid images of all categories, one statement.
    using M = BilderListeJoinModel;
    enum { Sparte, Angenommen, Teilnahme, Jugend, Modus };
    JoinAuszug auszug(ctx, BilderListeJoinController::joinDef(), M::staticClassInfo(),
                      {M::sparteIdRow, M::bildAngenommenRow, M::bildWettbewerbsTeilnahmeRow,
                       M::mitgliedJugendRow, M::sparteDurchgangsModusRow});
    const qlonglong ja = ctx.codeManager().idOf(QStringLiteral("Jugend"), QStringLiteral("Ja"));
    const qlonglong alsErwachsene = ctx.codeManager().idOf(QStringLiteral("DurchgangsModus"),
                                                           QStringLiteral("JUGEND_ALS_ERWACHSENE"));
    std::map<qlonglong, Spartenzahlen> zahlen;
    for (const auto &zeile : auszug.lese({{M::wettbewerbIdRow, id}, {M::bildGueltigRow, true}})) {
        Spartenzahlen &z = zahlen[zeile[Sparte].toLongLong()];
        const bool jugend = zeile[Jugend].isValid() && zeile[Jugend].toLongLong() == ja &&
                            !(zeile[Modus].isValid() && zeile[Modus].toLongLong() == alsErwachsene);
        ++z.bilder[jugend];
        if (zeile[Angenommen].isValid() && zeile[Angenommen].toBool())
            ++z.annahmen[jugend];
        if (zeile[Teilnahme].isValid() && z.teilnahmen.insert(zeile[Teilnahme].toLongLong()).second)
            ++z.teilnehmer[jugend];
    }

    Baum baum(ctx, id);
    StatistikData *wurzel = baum.knoten(
        0, nullptr,
        QStringLiteral("Statistik zu Wettbewerb %1 mit der Nummer %2")
            .arg(wettbewerb.hasName() ? wettbewerb.getName() : QStringLiteral("(ohne Name)"),
                 wettbewerb.hasNummer() ? wettbewerb.getNummer() : QStringLiteral("(ohne Nummer)")),
        QStringLiteral("WettbewerbsInfo"));
    baum.knoten(1, wurzel, anzahlText(teilnahmen), QStringLiteral("TeilnehmerAnzahlWettbewerb"), teilnahmen);
    int bilder = 0;
    int annahmen = 0;
    for (const auto &[sparte, z] : zahlen) {
        bilder += z.bilder[0] + z.bilder[1];
        annahmen += z.annahmen[0] + z.annahmen[1];
    }
    baum.knoten(1, wurzel, QStringLiteral("Anzahl Bilder: %1").arg(bilder),
                QStringLiteral("BilderAnzahlWettbewerb"), bilder);
    baum.knoten(1, wurzel, QStringLiteral("Anzahl Annahmen: %1").arg(annahmen),
                QStringLiteral("AnnahmenAnzahlWettbewerb"), annahmen);

    for (const auto &sparte : sparten) {
        const QString s = QString::number(sparte->getId());
        const Spartenzahlen &z = zahlen[sparte->getId()];
        StatistikData *knoten = baum.knoten(
            1, wurzel,
            QStringLiteral("Sparte %1").arg(sparte->hasName() ? sparte->getName() : QStringLiteral("(ohne Name)")),
            QStringLiteral("SpartenInfo"));
        const int teilnehmer = z.teilnehmer[0] + z.teilnehmer[1];
        baum.knoten(2, knoten, anzahlText(teilnehmer), QStringLiteral("TeilnehmerAnzahlSparte") + s, teilnehmer);
        baum.knoten(2, knoten, QStringLiteral("Anzahl Bilder: %1").arg(z.bilder[0] + z.bilder[1]),
                    QStringLiteral("BildAnzahlSparte") + s, z.bilder[0] + z.bilder[1]);
        baum.knoten(2, knoten, QStringLiteral("Anzahl Annahmen: %1").arg(z.annahmen[0] + z.annahmen[1]),
                    QStringLiteral("AnnahmenAnzahlSparte") + s, z.annahmen[0] + z.annahmen[1]);
        const int grenzen[2] = {
            sparte->hasAnnahmeGrenzeErwachsene() ? sparte->getAnnahmeGrenzeErwachsene() : -1,
            sparte->hasAnnahmeGrenzeJugend() ? sparte->getAnnahmeGrenzeJugend() : -1};
        // The youth threshold is labelled like the youth acceptance count.
        const char *praefix[2] = {"Erwachsene", "Jugend"};
        const char *grenzLabel[2] = {"ErwachseneAnnahmeGrenzeSparte", "JugendAnnahmenAnzahlSparte"};
        for (int j = 0; j < 2; ++j) {
            const QString p = QString::fromLatin1(praefix[j]);
            StatistikData *klasse = baum.knoten(
                2, knoten, j ? QStringLiteral("Jugendliche") : QStringLiteral("Erwachsene"), p + QStringLiteral("Sparte") + s);
            baum.knoten(3, klasse, anzahlText(z.teilnehmer[j]), p + QStringLiteral("TeilnehmerAnzahlSparte") + s,
                        z.teilnehmer[j]);
            baum.knoten(3, klasse, QStringLiteral("Anzahl Bilder: %1").arg(z.bilder[j]),
                        p + QStringLiteral("BildAnzahlSparte") + s, z.bilder[j]);
            baum.knoten(3, klasse, QStringLiteral("Anzahl Annahmen: %1").arg(z.annahmen[j]),
                        p + QStringLiteral("AnnahmenAnzahlSparte") + s, z.annahmen[j]);
            baum.knoten(3, klasse,
                        QStringLiteral("Annahmegrenze: %1")
                            .arg(grenzen[j] == -1 ? QStringLiteral("-") : QString::number(grenzen[j])),
                        QString::fromLatin1(grenzLabel[j]) + s, grenzen[j]);
        }
    }
    const int anzahl = baum.speichere();
    transaktion.commit();
    return anzahl;
}

} // namespace StatistikHelper
