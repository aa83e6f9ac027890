#include "ErgebnisHelper.h"
#include "TestRegistry.h"
#include "ergebnisfixture.h"

#include <QRandomGenerator>

#include <cmath>
#include <map>
#include <optional>

using namespace ErgebnisFixture;

// Drawn competitions computed by the results and by the plain reading of the rules below;
// both must store the same rows, thresholds and marks.
class ZufallsTest : public QObject
{
    Q_OBJECT

    struct Person
    {
        qlonglong teilnahme, verein;
        std::optional<qlonglong> jugend;
        std::optional<QDate> geburt;
    };
    struct Kategorie
    {
        qlonglong id;
        std::optional<qlonglong> modus;
        std::optional<bool> kombination;
        int grenze[2] = {0, 0}; // adults, youth
    };
    struct Foto
    {
        qlonglong id;
        size_t person, kategorie;
        std::optional<int> punkte;
    };

private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void vergleich_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {7u, 11u, 2024u, 31337u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void vergleich()
    {
        QFETCH(quint32, seed);
        TestDatabase::reinstall();
        langeListen();
        auto ctx = TestDatabase::openContext();
        QRandomGenerator zufall(seed);
        const auto wahl = [&](int n) { return int(zufall.bounded(n)); };
        const auto vielleicht = [&](int wert) { return wahl(5) == 0 ? std::optional<int>() : wert; };

        auto daten = legeWettbewerbAn(*ctx);
        Wettbewerb &w = *daten.wettbewerb;
        const auto setze = [&](std::optional<int> wert, auto setter, auto nuller) {
            if (wert)
                (w.*setter)(*wert);
            else
                (w.*nuller)();
        };
        const auto n = vielleicht(wahl(5)), k = vielleicht(wahl(4)), t = vielleicht(wahl(4)),
                   p = vielleicht(wahl(101));
        setze(n, &Wettbewerb::setAnzahlBilderFuerWertung, &Wettbewerb::setAnzahlBilderFuerWertungNull);
        setze(k, &Wettbewerb::setAnzahlSpartenFuerKombination, &Wettbewerb::setAnzahlSpartenFuerKombinationNull);
        setze(t, &Wettbewerb::setAnzahlTeilnehmerFuerVereinsW, &Wettbewerb::setAnzahlTeilnehmerFuerVereinsWNull);
        setze(p, &Wettbewerb::setAnteilAnnahmenGewuenscht, &Wettbewerb::setAnteilAnnahmenGewuenschtNull);
        const int vollstaendig = wahl(3); // unset, false, true
        if (vollstaendig)
            w.setNurVollstaendigeKombination(vollstaendig == 2);
        const bool abrunden = wahl(2);
        w.setAbrundungPunkteBeiAnnahmen(code(*ctx, "AbrundungPunkteBeiAnnahmen", abrunden ? "JA" : "NEIN"));
        const std::optional<QDate> jugendAb =
            wahl(3) ? std::optional<QDate>(QDate(2008, 1, 1)) : std::nullopt;
        if (jugendAb)
            w.setJugendAb(*jugendAb);
        WettbewerbController().insertOrUpdate(*ctx, w);

        const char *modi[] = {"NUR_JUGEND", "NUR_ERWACHSENE", "ERWACHSENE_UND_JUGEND",
                              "JUGEND_ALS_ERWACHSENE"};
        std::vector<Kategorie> kategorien;
        for (int i = 0; i < 5; ++i) {
            auto neu = SparteService::neueSparte(*ctx, w);
            neu->setName(QString("S%1").arg(i));
            const int modus = i < 4 ? i : wahl(5); // every mode once, then any or none
            if (modus < 4)
                neu->setDurchgangsModus(code(*ctx, "DurchgangsModus", modi[modus]));
            const int kombi = wahl(4);
            if (kombi < 3)
                neu->setInKombinationVerwendet(kombi > 0);
            SparteService::speichere(*ctx, *neu);
            kategorien.push_back({neu->getId(),
                                  neu->hasDurchgangsModus() ? std::optional<qlonglong>(neu->getDurchgangsModus())
                                                           : std::nullopt,
                                  neu->hasInKombinationVerwendet()
                                      ? std::optional<bool>(neu->getInKombinationVerwendet())
                                      : std::nullopt});
        }
        std::vector<qlonglong> vereine = {w.getVerein()};
        for (const char *name : {"Lichtblick", "Blende 8"}) {
            Verein verein;
            verein.setName(name);
            VereinController().insertOrUpdate(*ctx, verein);
            vereine.push_back(verein.getId());
        }
        const QDate geburten[] = {QDate(2012, 1, 1), QDate(2008, 1, 1), QDate(2007, 12, 31), QDate(1970, 1, 1)};
        std::vector<Person> personen;
        std::vector<Foto> fotos;
        for (int i = 0; i < 30; ++i) {
            Mitglied m;
            m.setVorname(QString("V%1").arg(i));
            m.setNachname(QString("N%1").arg(i));
            m.setVerein(vereine[size_t(wahl(3))]);
            const int jugend = wahl(5);
            if (jugend < 4)
                m.setJugend(code(*ctx, "Jugend", jugend < 3 ? "Ja" : "Nein"));
            const int geburt = wahl(5);
            if (geburt < 4)
                m.setDatumGeburt(geburten[geburt]);
            MitgliedController().insertOrUpdate(*ctx, m);
            TeilnehmerService::fuegeHinzu(*ctx, w, m);
            personen.push_back({WettbewerbsTeilnahmeController()
                                    .select(*ctx, {{"mitglied", m.getId()}}, true, false)
                                    .front()
                                    ->getId(),
                                m.getVerein(),
                                m.hasJugend() ? std::optional<qlonglong>(m.getJugend()) : std::nullopt,
                                m.hasDatumGeburt() ? std::optional<QDate>(m.getDatumGeburt()) : std::nullopt});
            for (int b = wahl(7); b > 0; --b) {
                const size_t kategorie = size_t(wahl(5));
                const std::optional<int> punkte = wahl(6) ? std::optional<int>(wahl(31)) : std::nullopt;
                fotos.push_back({bild(*ctx, personen.back().teilnahme, kategorien[kategorie].id,
                                      QString("B%1").arg(fotos.size()), punkte.value_or(-1), wahl(4) > 0),
                                 personen.size() - 1, kategorie, punkte});
            }
        }

        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*ctx, w);

        // ---- the rules, read plainly ----
        const qlonglong ja = code(*ctx, "Jugend", "Ja"), nein = code(*ctx, "Jugend", "Nein");
        const auto modus = [&](const Kategorie &s, const char *name) {
            return s.modus && *s.modus == code(*ctx, "DurchgangsModus", name);
        };
        const auto jugendlich = [&](const Person &person) {
            return person.jugend == ja &&
                   person.geburt.value_or(QDate(1000, 1, 1)) >= jugendAb.value_or(QDate(1000, 1, 2));
        };
        const auto besteSumme = [](std::vector<int> punkte, std::optional<int> anzahl) {
            std::sort(punkte.rbegin(), punkte.rend());
            int summe = 0;
            for (int i = 0; i < std::min(int(punkte.size()), anzahl.value_or(0)); ++i)
                summe += punkte[size_t(i)];
            return summe;
        };
        QStringList teilnehmerZeilen, kombiZeilen, vereinsZeilen, vereinsKombiZeilen;
        for (const bool jugend : {false, true}) {
            const qlonglong filter = jugend ? ja : nein;
            std::map<std::pair<size_t, size_t>, std::vector<int>> proMitgliedUndSparte;
            for (const Foto &foto : fotos) {
                const Kategorie &s = kategorien[foto.kategorie];
                const bool j = jugendlich(personen[foto.person]);
                const bool dabei = jugend ? (j && (modus(s, "NUR_JUGEND") || modus(s, "NUR_ERWACHSENE") ||
                                                   modus(s, "ERWACHSENE_UND_JUGEND")))
                                          : (modus(s, "JUGEND_ALS_ERWACHSENE") ||
                                             (!j && (modus(s, "NUR_JUGEND") || modus(s, "NUR_ERWACHSENE") ||
                                                     modus(s, "ERWACHSENE_UND_JUGEND"))));
                if (!dabei)
                    continue;
                auto &punkte = proMitgliedUndSparte[{foto.person, foto.kategorie}];
                if (foto.punkte)
                    punkte.push_back(*foto.punkte);
            }
            std::map<size_t, std::vector<std::pair<size_t, int>>> proTeilnahme; // person -> (kategorie, punkte)
            std::map<std::pair<qlonglong, size_t>, std::vector<int>> proVereinUndSparte;
            for (const auto &[schluessel, punkte] : proMitgliedUndSparte) {
                const Person &person = personen[schluessel.first];
                const Kategorie &s = kategorien[schluessel.second];
                const int summe = besteSumme(punkte, n);
                teilnehmerZeilen << QString("%1:%2:%3:%4:%5")
                                        .arg(person.teilnahme)
                                        .arg(s.id)
                                        .arg(modus(s, "JUGEND_ALS_ERWACHSENE") ? nein : filter)
                                        .arg(person.verein)
                                        .arg(summe);
                if (s.kombination == true)
                    proTeilnahme[schluessel.first].push_back({schluessel.second, summe});
                proVereinUndSparte[{person.verein, schluessel.second}].push_back(summe);
            }
            for (const auto &[person, liste] : proTeilnahme) {
                if (vollstaendig == 2 && int(liste.size()) < k.value_or(0))
                    continue;
                std::vector<int> punkte;
                for (const auto &eintrag : liste)
                    punkte.push_back(eintrag.second);
                kombiZeilen << QString("%1:%2:%3:%4")
                                   .arg(personen[person].teilnahme)
                                   .arg(filter)
                                   .arg(personen[person].verein)
                                   .arg(besteSumme(punkte, k));
            }
            std::map<qlonglong, std::pair<int, int>> vereinsKombi; // sum, count
            for (const auto &[schluessel, punkte] : proVereinUndSparte) {
                const int summe = besteSumme(punkte, t);
                vereinsZeilen << QString("%1:%2:%3:%4")
                                     .arg(schluessel.first)
                                     .arg(kategorien[schluessel.second].id)
                                     .arg(filter)
                                     .arg(summe);
                if (kategorien[schluessel.second].kombination == true) {
                    vereinsKombi[schluessel.first].first += summe;
                    ++vereinsKombi[schluessel.first].second;
                }
            }
            for (const auto &[verein, summe] : vereinsKombi)
                vereinsKombiZeilen << QString("%1:%2:%3").arg(verein).arg(filter).arg(summe.first);
        }

        // Acceptance: threshold per category and stored age class, marks of the selection.
        std::map<qlonglong, QString> marken;
        const double anteil = p.value_or(100);
        for (Kategorie &s : kategorien) {
            const auto grenze = [&](std::optional<qlonglong> jugend) {
                std::vector<const Foto *> auswahl;
                for (const Foto &foto : fotos)
                    if (&kategorien[foto.kategorie] == &s && foto.punkte && personen[foto.person].jugend &&
                        (!jugend || personen[foto.person].jugend == jugend))
                        auswahl.push_back(&foto);
                int max = 0, min = 10000;
                for (const Foto *foto : auswahl) {
                    max = std::max(max, *foto->punkte);
                    min = std::min(min, *foto->punkte);
                }
                const double wert = max - (anteil / 100) * (max - min);
                const int g = auswahl.empty() ? 0 : int(abrunden ? std::floor(wert) : std::ceil(wert));
                for (const Foto *foto : auswahl)
                    marken[foto->id] = QString::number(*foto->punkte) + (*foto->punkte >= g ? "*:1" : ":0");
                return g;
            };
            if (modus(s, "NUR_JUGEND")) {
                s.grenze[1] = grenze(ja);
            } else if (modus(s, "NUR_ERWACHSENE")) {
                s.grenze[0] = grenze(nein);
            } else if (modus(s, "JUGEND_ALS_ERWACHSENE")) {
                s.grenze[0] = grenze(std::nullopt);
            } else {
                s.grenze[1] = grenze(ja);
                s.grenze[0] = grenze(nein);
            }
        }
        QStringList bildZeilen, grenzZeilen;
        for (const Foto &foto : fotos)
            bildZeilen << QString::number(foto.id) + ":" + marken.emplace(foto.id, "-:-").first->second;
        for (const Kategorie &s : kategorien)
            grenzZeilen << QString("%1:%2:%3").arg(s.id).arg(s.grenze[1]).arg(s.grenze[0]);

        const auto sortiert = [](QStringList zeilen) {
            zeilen.sort();
            return zeilen.join(' ');
        };
        const auto gespeichert = [&](const char *table, const char *spalten) {
            return sortiert(QString::fromStdString(
                                TestDatabase::scalar(std::string("SELECT GROUP_CONCAT(CONCAT_WS(':', ") +
                                                     spalten + ") SEPARATOR ' ') FROM " + table))
                                .split(' ', Qt::SkipEmptyParts));
        };
        QCOMPARE(gespeichert("TeilnehmerWertung", "wettbewerbsTeilnahme, sparte, jugend, verein, punkte"),
                 sortiert(teilnehmerZeilen));
        QCOMPARE(gespeichert("TeilnehmerKombinationsWertung", "wettbewerbsTeilnahme, jugend, verein, punkte"),
                 sortiert(kombiZeilen));
        QCOMPARE(gespeichert("VereinsWertung", "verein, sparte, jugend, punkte"), sortiert(vereinsZeilen));
        QCOMPARE(gespeichert("VereinsKombinationsWertung", "verein, jugend, punkte"), sortiert(vereinsKombiZeilen));
        QCOMPARE(gespeichert("Bild", "id, IFNULL(bewertungString, '-'), IFNULL(angenommen, '-')"),
                 sortiert(bildZeilen));
        QCOMPARE(gespeichert("Sparte", "id, annahmeGrenzeJugend, annahmeGrenzeErwachsene"), sortiert(grenzZeilen));
    }
};

KALVOR_REGISTER_TEST(ZufallsTest)


#include "tst_zufall.moc"
