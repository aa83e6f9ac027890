#include "ErgebnisHelper.h"
#include "PersistenceException.h"
#include "Ranglisten.h"
#include "StatistikHelper.h"
#include "TestRegistry.h"
#include "entities/TeilnehmerKombinationsWertung.h"
#include "entities/TeilnehmerWertung.h"
#include "entities/VereinsKombinationsWertung.h"
#include "entities/VereinsWertung.h"
#include "ergebnisfixture.h"

using namespace ErgebnisFixture;

namespace {

// The stored rows of a table as "a:b:c" per row in id order, joined with spaces; `spalten`
// is a comma-separated column list.
QString tabelle(const char *table, const char *spalten, const std::string &where = "1")
{
    return QString::fromStdString(TestDatabase::scalar(
        std::string("SELECT GROUP_CONCAT(CONCAT_WS(':', ") + spalten + ") ORDER BY id SEPARATOR ' ') FROM " +
        table + " WHERE " + where));
}

// Everything a run of the results or the statistics writes.
QString stand()
{
    return tabelle("TeilnehmerWertung", "id, wettbewerbsTeilnahme, sparte, jugend, verein, punkte") + "|" +
           tabelle("TeilnehmerKombinationsWertung", "id, wettbewerbsTeilnahme, jugend, verein, punkte") + "|" +
           tabelle("VereinsWertung", "id, verein, sparte, jugend, punkte") + "|" +
           tabelle("VereinsKombinationsWertung", "id, verein, jugend, punkte") + "|" +
           tabelle("Bild", "id, IFNULL(bewertungString, '-'), IFNULL(angenommen, '-')") + "|" +
           tabelle("Sparte", "id, IFNULL(annahmeGrenzeJugend, '-'), IFNULL(annahmeGrenzeErwachsene, '-')") +
           "|" + tabelle("StatistikData", "id, IFNULL(parent, '-'), label, IFNULL(intData, '-'), text");
}

} // namespace

class ErgebnisTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        langeListen();
        m_ctx = TestDatabase::openContext();
        m_w = std::make_unique<Ergebniswettbewerb>(legeErgebniswettbewerbAn(*m_ctx));
    }
    void cleanup()
    {
        m_w.reset();
        m_ctx.reset();
    }

    // The four rankings of the competition, each as "name:category:points" (participants) or
    // "club:category:points" (clubs) in computation order.
    void rankings_data()
    {
        QTest::addColumn<bool>("jugend");
        QTest::addColumn<bool>("vollstaendig");
        QTest::addColumn<QString>("teilnehmer");
        QTest::addColumn<QString>("kombination");
        QTest::addColumn<QString>("vereine");
        QTest::addColumn<QString>("vereinsKombination");
        // Clara is youth but her "Offen" (youth ranked with adults) counts as adult only.
        QTest::newRow("adults")
            << false << false
            << "Anna:Natur:25:Nein Anna:Portrait:13:Nein Anna:Offen:5:Nein Bernd:Natur:16:Nein "
               "Bernd:Portrait:27:Nein Clara:Offen:9:Nein Dora:Natur:16:Nein Dora:Portrait:0:Nein"
            << "Anna:38 Bernd:43 Clara:9 Dora:16"
            << "Fotoklub:Natur:41 Fotoklub:Portrait:40 Fotoklub:Offen:14 Lichtblick:Natur:16 "
               "Lichtblick:Portrait:0"
            << "Fotoklub:95 Lichtblick:16";
        QTest::newRow("youth")
            << true << false
            << "Clara:Natur:11:Ja Clara:Jugendfoto:14:Ja Emil:Natur:4:Ja Emil:Jugendfoto:19:Ja"
            << "Clara:11 Emil:4"
            << "Fotoklub:Natur:11 Fotoklub:Jugendfoto:14 Lichtblick:Natur:4 Lichtblick:Jugendfoto:19"
            << "Fotoklub:11 Lichtblick:4";
        // With only complete combinations, one category of two is not enough.
        QTest::newRow("adults, complete combinations only")
            << false << true
            << "Anna:Natur:25:Nein Anna:Portrait:13:Nein Anna:Offen:5:Nein Bernd:Natur:16:Nein "
               "Bernd:Portrait:27:Nein Clara:Offen:9:Nein Dora:Natur:16:Nein Dora:Portrait:0:Nein"
            << "Anna:38 Bernd:43 Dora:16"
            << "Fotoklub:Natur:41 Fotoklub:Portrait:40 Fotoklub:Offen:14 Lichtblick:Natur:16 "
               "Lichtblick:Portrait:0"
            << "Fotoklub:95 Lichtblick:16";
        QTest::newRow("youth, complete combinations only")
            << true << true
            << "Clara:Natur:11:Ja Clara:Jugendfoto:14:Ja Emil:Natur:4:Ja Emil:Jugendfoto:19:Ja"
            << ""
            << "Fotoklub:Natur:11 Fotoklub:Jugendfoto:14 Lichtblick:Natur:4 Lichtblick:Jugendfoto:19"
            << "Fotoklub:11 Lichtblick:4";
    }
    void rankings()
    {
        QFETCH(bool, jugend);
        QFETCH(bool, vollstaendig);
        QFETCH(QString, teilnehmer);
        QFETCH(QString, kombination);
        QFETCH(QString, vereine);
        QFETCH(QString, vereinsKombination);
        m_w->wettbewerb().setNurVollstaendigeKombination(vollstaendig);
        const qlonglong filter = code(*m_ctx, "Jugend", jugend ? "Ja" : "Nein");
        auto &ctx = *m_ctx;
        auto &w = m_w->wettbewerb();
        const auto wertungen = ErgebnisHelper::berechneTeilnehmerWertungen(ctx, w, filter);
        QStringList zeilen;
        for (const auto &t : wertungen)
            zeilen << name(t->getWettbewerbsTeilnahme()) + ":" + sparte(t->getSparte()) + ":" +
                          QString::number(t->getPunkte()) + ":" +
                          (t->getJugend() == code(ctx, "Jugend", "Ja") ? "Ja" : "Nein");
        QCOMPARE(zeilen.join(' '), teilnehmer);
        zeilen.clear();
        for (const auto &k : ErgebnisHelper::berechneTeilnehmerKombinationsWertungen(ctx, w, wertungen, filter))
            zeilen << name(k->getWettbewerbsTeilnahme()) + ":" + QString::number(k->getPunkte());
        QCOMPARE(zeilen.join(' '), kombination);
        zeilen.clear();
        const auto vereinsWertungen = ErgebnisHelper::berechneVereinsWertungen(ctx, w, wertungen, filter);
        for (const auto &v : vereinsWertungen) {
            QCOMPARE(v->getJugend(), filter);
            zeilen << verein(v->getVerein()) + ":" + sparte(v->getSparte()) + ":" + QString::number(v->getPunkte());
        }
        QCOMPARE(zeilen.join(' '), vereine);
        zeilen.clear();
        for (const auto &v : ErgebnisHelper::berechneVereinsKombinationsWertungen(ctx, w, vereinsWertungen, filter))
            zeilen << verein(v->getVerein()) + ":" + QString::number(v->getPunkte());
        QCOMPARE(zeilen.join(' '), vereinsKombination);
    }

    // The best N images count: 9 8 8 7 6 give 25 with N = 3 and 38 with N = 10; none without N.
    void besteBilder_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("punkte");
        QTest::newRow("unset") << -1 << 0;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("3") << 3 << 25;
        QTest::newRow("10") << 10 << 38;
    }
    void besteBilder()
    {
        QFETCH(int, n);
        QFETCH(int, punkte);
        bild(*m_ctx, m_w->teilnahmen[0], m_w->sparten[Natur]->getId(), "Anna 6", 6);
        bild(*m_ctx, m_w->teilnahmen[0], m_w->sparten[Natur]->getId(), "Anna ohne", -1);
        if (n < 0)
            m_w->wettbewerb().setAnzahlBilderFuerWertungNull();
        else
            m_w->wettbewerb().setAnzahlBilderFuerWertung(n);
        const auto liste = ErgebnisHelper::berechneTeilnehmerWertungen(*m_ctx, m_w->wettbewerb(),
                                                                     code(*m_ctx, "Jugend", "Nein"));
        QCOMPARE(liste.front()->getSparte(), m_w->sparten[Natur]->getId());
        QCOMPARE(liste.front()->getPunkte(), punkte);
    }

    // The whole run stores the eight lists, the thresholds and the marks; a second run
    // replaces them and logs as the results page does.
    void ganzerLauf()
    {
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        logInDatenbank(*m_ctx);
        const auto zahlen = ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        QCOMPARE(QList<int>({zahlen.teilnehmer[0], zahlen.teilnehmer[1], zahlen.teilnehmerKombination[0],
                             zahlen.teilnehmerKombination[1], zahlen.vereine[0], zahlen.vereine[1],
                             zahlen.vereinsKombination[0], zahlen.vereinsKombination[1],
                             zahlen.angenommen, zahlen.bewertet}),
                 QList<int>({8, 4, 4, 2, 5, 4, 2, 2, 16, 24}));
        QCOMPARE(anzahl("TeilnehmerWertung"), 12);
        QCOMPARE(anzahl("TeilnehmerKombinationsWertung"), 6);
        QCOMPARE(anzahl("VereinsWertung"), 9);
        QCOMPARE(anzahl("VereinsKombinationsWertung"), 4);
        QCOMPARE(tabelle("Sparte", "name, annahmeGrenzeJugend, annahmeGrenzeErwachsene"),
                 QString("Natur:5:8 Portrait:0:8 Jugendfoto:6:0 Offen:0:7"));
        QCOMPARE(tabelle("Bild", "titel, IFNULL(bewertungString, '-'), IFNULL(angenommen, '-')",
                         "titel LIKE 'Emil%' OR titel LIKE 'Dora%'"),
                 QString("Dora 1:9*:1 Dora 2:7:0 Dora 3:-:- Emil 1:4:0 Emil 2:8*:1 Emil 3:6*:1 "
                         "Emil 4:5:0 Emil 5:3:0"));
        const QStringList art = {"Teilnehmerwertungen", "TeilnehmerKombinationsWertungen",
                                 "VereinsWertungen", "VereinsKombinationsWertungen"};
        const int zahl[4][2] = {{8, 4}, {4, 2}, {5, 4}, {2, 2}};
        QStringList erwartet = {"Aufruf von Berechne und Ueberschreibe Ergebnisse"};
        for (int i = 0; i < 4; ++i)
            erwartet << "Es sind bereits " + art[i] + " auf der Datenbank, diese werden vorher gelöscht"
                     << QString("Es wurden %1 %2 fuer Erwachsene neu berechnet").arg(zahl[i][0]).arg(art[i])
                     << QString("Es wurden %1 %2 fuer Jugendliche neu berechnet").arg(zahl[i][1]).arg(art[i]);
        QCOMPARE(geloggt(*m_ctx, "WettbewerbErgebnisWidget"), erwartet);
        const QStringList helper = geloggt(*m_ctx, "ErgebnisHelper");
        for (const char *zeile :
             {"Loeschen von 12 Teilnehmer-Wertungen beendet.", "Schreibe 4 Teilnehmer-Wertungen auf die Datenbank...",
              "... Schreiben von 2 VereinsKombinationsWertungen beendet.",
              "    Untersuche Bewertung fuer Mitglied Emil Klein mit Mitgliedsnr. 2-002 , Mitglieds-ID ",
              "  TeilnehmerErgebnisJoin lieferte 6 Ergebnistupel fuer NUR_JUGEND bei Jugend",
              "  Sparte Jugendfoto mit ID ", " registriert.  Wird in Kombination nicht verwendet.",
              "    Es liegt in 3 Sparten des Mitglieds eine Einreichung vor."})
            QVERIFY2(helper.join('\n').contains(QString::fromUtf8(zeile)), zeile);
    }

    // Thresholds: max - P% of (max - min), rounded up unless the rounding is "JA"; a category
    // without scores gets 0.
    void annahmeGrenze_data()
    {
        QTest::addColumn<QList<int>>("punkte"); // -1: no total
        QTest::addColumn<int>("anteil");         // -1: unset (100)
        QTest::addColumn<bool>("abrunden");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<QString>("marken");
        QTest::newRow("50 %") << QList<int>{20, 15, 10} << 50 << false << 15 << "20*:1 15*:1 10:0";
        QTest::newRow("33 % up") << QList<int>{20, 15, 10} << 33 << false << 17 << "20*:1 15:0 10:0";
        QTest::newRow("33 % down") << QList<int>{20, 15, 10} << 33 << true << 16 << "20*:1 15:0 10:0";
        QTest::newRow("unset share") << QList<int>{20, 15, 10} << -1 << false << 10 << "20*:1 15*:1 10*:1";
        QTest::newRow("0 %") << QList<int>{20, 20, 10} << 0 << false << 20 << "20*:1 20*:1 10:0";
        QTest::newRow("no scores") << QList<int>{-1, -1} << 50 << false << 0 << "-:- -:-";
    }
    void annahmeGrenze()
    {
        QFETCH(QList<int>, punkte);
        QFETCH(int, anteil);
        QFETCH(bool, abrunden);
        QFETCH(int, grenze);
        QFETCH(QString, marken);
        auto &w = m_w->wettbewerb();
        if (anteil < 0)
            w.setAnteilAnnahmenGewuenschtNull();
        else
            w.setAnteilAnnahmenGewuenscht(anteil);
        if (abrunden)
            w.setAbrundungPunkteBeiAnnahmen(code(*m_ctx, "AbrundungPunkteBeiAnnahmen", "JA"));
        const auto neu = ErgebnisFixture::sparte(*m_ctx, w, "Akt", "NUR_ERWACHSENE", false);
        for (int i = 0; i < punkte.size(); ++i)
            bild(*m_ctx, m_w->teilnahmen[1], neu->getId(), QString("Akt %1").arg(i), punkte[i]);
        ErgebnisHelper::berechneAnnahmen(*m_ctx, w);
        const std::string sparteId = "sparte = " + std::to_string(neu->getId());
        QCOMPARE(tabelle("Sparte", "annahmeGrenzeErwachsene, annahmeGrenzeJugend",
                         "id = " + std::to_string(neu->getId())),
                 QString("%1:0").arg(grenze));
        QCOMPARE(tabelle("Bild", "IFNULL(bewertungString, '-'), IFNULL(angenommen, '-')", sparteId),
                 marken);
    }

    // A failure in the middle of a run leaves the previous results, marks, thresholds and
    // statistics exactly as they were.
    void fehlerLaesstAltesStehen_data()
    {
        QTest::addColumn<QString>("tabelle");
        QTest::addColumn<QString>("ereignis");
        QTest::addColumn<bool>("statistik");
        QTest::newRow("participant results deleted") << "TeilnehmerWertung" << "DELETE" << false;
        QTest::newRow("club results written") << "VereinsWertung" << "INSERT" << false;
        QTest::newRow("images marked") << "Bild" << "UPDATE" << false;
        QTest::newRow("statistics written") << "StatistikData" << "INSERT" << true;
    }
    void fehlerLaesstAltesStehen()
    {
        QFETCH(QString, tabelle);
        QFETCH(QString, ereignis);
        QFETCH(bool, statistik);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        StatistikHelper::berechneStatistik(*m_ctx, m_w->wettbewerb());
        TestDatabase::run("UPDATE Bild SET bewertung = bewertung + 1, gueltig = FALSE WHERE titel = 'Anna 1'");
        const QString vorher = stand();
        stoere(tabelle.toLatin1().constData(), ereignis.toLatin1().constData());
        bool gescheitert = false;
        try {
            if (statistik)
                StatistikHelper::berechneStatistik(*m_ctx, m_w->wettbewerb());
            else
                ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        } catch (const PersistenceException &) {
            gescheitert = true;
        }
        QVERIFY(gescheitert);
        QCOMPARE(stand(), vorher);
    }

    // The lists number their rows after sorting: equal points get consecutive ranks.
    void ranglisten_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("jugend");
        QTest::addColumn<QString>("zeilen");
        QTest::newRow("participants")
            << int(Rangliste::Teilnehmer) << false
            << "1 Fotoklub Portrait 1-002 Bernd Adler 27|2 Fotoklub Natur 1-001 Anna Berger 25|"
               "3 Fotoklub Natur 1-002 Bernd Adler 16|4 Lichtblick Natur 2-001 Dora Engel 16|"
               "5 Fotoklub Portrait 1-001 Anna Berger 13|6 Fotoklub Offen 1-003 Clara Jung 9|"
               "7 Fotoklub Offen 1-001 Anna Berger 5|8 Lichtblick Portrait 2-001 Dora Engel 0";
        QTest::newRow("participant combination")
            << int(Rangliste::TeilnehmerKombination) << true
            << "1 Fotoklub 1-003 Clara Jung 11|2 Lichtblick 2-002 Emil Klein 4";
        QTest::newRow("clubs") << int(Rangliste::Vereine) << true
                               << "1  Lichtblick Jugendfoto 19|2  Fotoklub Jugendfoto 14|"
                                  "3  Fotoklub Natur 11|4  Lichtblick Natur 4";
        QTest::newRow("club combination") << int(Rangliste::VereinsKombination) << false
                                          << "1  Fotoklub 95|2  Lichtblick 16";
    }
    void ranglisten()
    {
        QFETCH(int, art);
        QFETCH(bool, jugend);
        QFETCH(QString, zeilen);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        const auto liste = Rangliste(art);
        const auto gelesen = Ranglisten::lese(*m_ctx, m_w->wettbewerb(), liste,
                                              code(*m_ctx, "Jugend", jugend ? "Ja" : "Nein"));
        QStringList gezeigt;
        for (const auto &zeile : gelesen) {
            QStringList zellen;
            for (int spalte = 0; spalte < int(Ranglisten::spalten(liste).size()); ++spalte)
                zellen << Ranglisten::zelle(liste, *zeile, spalte);
            gezeigt << zellen.join(' ');
        }
        QCOMPARE(gezeigt.join('|'), zeilen);
    }

    // The statistics tree: totals of the competition, per category and age class; invalid
    // images count nowhere; youth ranked as adults count as adults; thresholds never computed
    // show "-" and store -1.
    void statistik()
    {
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, m_w->wettbewerb());
        bild(*m_ctx, m_w->teilnahmen[4], m_w->sparten[Natur]->getId(), "Emil ungueltig", 9, false);
        TestDatabase::run("UPDATE Bild SET angenommen = TRUE WHERE titel = 'Emil ungueltig'");
        ErgebnisFixture::sparte(*m_ctx, m_w->wettbewerb(), "Leer", "ERWACHSENE_UND_JUGEND", false);
        QCOMPARE(StatistikHelper::berechneStatistik(*m_ctx, m_w->wettbewerb()), 4 + 5 * 14);
        QCOMPARE(StatistikHelper::berechneStatistik(*m_ctx, m_w->wettbewerb()), 4 + 5 * 14);
        const std::string natur = std::to_string(m_w->sparten[Natur]->getId());
        const std::string offen = std::to_string(m_w->sparten[Offen]->getId());
        const auto knoten = [](const std::string &label) {
            return QString::fromStdString(TestDatabase::scalar(
                "SELECT CONCAT_WS('|', s.text, IFNULL(s.intData, '-'), IFNULL(p.label, '-'), s.topLevel) "
                "FROM StatistikData s LEFT JOIN StatistikData p ON s.parent = p.id WHERE s.label = '" +
                label + "' ORDER BY s.id LIMIT 1"));
        };
        QCOMPARE(knoten("WettbewerbsInfo"), QString("Statistik zu Wettbewerb Landesfotoschau mit der Nummer W1|-|-|1"));
        QCOMPARE(knoten("TeilnehmerAnzahlWettbewerb"), QString("Anzahl Teilnehmer: 5|5|WettbewerbsInfo|0"));
        QCOMPARE(knoten("BilderAnzahlWettbewerb"), QString("Anzahl Bilder: 25|25|WettbewerbsInfo|0"));
        QCOMPARE(knoten("AnnahmenAnzahlWettbewerb"), QString("Anzahl Annahmen: 16|16|WettbewerbsInfo|0"));
        QCOMPARE(knoten("TeilnehmerAnzahlSparte" + natur), QString("Anzahl Teilnehmer: 5|5|SpartenInfo|0"));
        QCOMPARE(knoten("BildAnzahlSparte" + natur), QString("Anzahl Bilder: 11|11|SpartenInfo|0"));
        QCOMPARE(knoten("ErwachseneAnnahmenAnzahlSparte" + natur),
                 QString("Anzahl Annahmen: 6|6|ErwachseneSparte" + QString::fromStdString(natur) + "|0"));
        QCOMPARE(knoten("JugendTeilnehmerAnzahlSparte" + natur),
                 QString("Anzahl Teilnehmer: 2|2|JugendSparte" + QString::fromStdString(natur) + "|0"));
        QCOMPARE(knoten("ErwachseneAnnahmeGrenzeSparte" + natur),
                 QString("Annahmegrenze: 8|8|ErwachseneSparte" + QString::fromStdString(natur) + "|0"));
        QCOMPARE(knoten("ErwachseneTeilnehmerAnzahlSparte" + offen),
                 QString("Anzahl Teilnehmer: 2|2|ErwachseneSparte" + QString::fromStdString(offen) + "|0"));
        QCOMPARE(knoten("JugendBildAnzahlSparte" + offen),
                 QString("Anzahl Bilder: 0|0|JugendSparte" + QString::fromStdString(offen) + "|0"));
        const std::string leer = TestDatabase::scalar("SELECT id FROM Sparte WHERE name = 'Leer'");
        QCOMPARE(tabelle("StatistikData", "text, intData",
                         "label IN ('ErwachseneAnnahmeGrenzeSparte" + leer + "', 'JugendAnnahmenAnzahlSparte" +
                             leer + "')"),
                 QString("Annahmegrenze: -:-1 Anzahl Annahmen: 0:0 Annahmegrenze: -:-1"));
    }

    // A competition without categories gets the root and the three totals.
    void statistikOhneSparten()
    {
        auto leer = legeWettbewerbAn(*m_ctx, "W2");
        QCOMPARE(StatistikHelper::berechneStatistik(*m_ctx, *leer.wettbewerb), 4);
        QCOMPARE(tabelle("StatistikData", "IFNULL(parent, '-') = '-', text, IFNULL(intData, '-')",
                         "wettbewerb = " + std::to_string(leer.wettbewerb->getId())),
                 QString("1:Statistik zu Wettbewerb Landesfotoschau mit der Nummer W2:- 0:Anzahl Teilnehmer: 0:0 "
                         "0:Anzahl Bilder: 0:0 0:Anzahl Annahmen: 0:0"));
    }

private:
    QString name(qlonglong teilnahme) const
    {
        const auto &t = m_w->teilnahmen;
        static const char *namen[] = {"Anna", "Bernd", "Clara", "Dora", "Emil"};
        const auto it = std::find(t.begin(), t.end(), teilnahme);
        return it == t.end() ? QString("?") : QString(namen[it - t.begin()]);
    }
    QString sparte(qlonglong id) const
    {
        for (const auto &s : m_w->sparten)
            if (s->getId() == id)
                return s->getName();
        return "?";
    }
    QString verein(qlonglong id) const { return id == m_w->lichtblick ? "Lichtblick" : "Fotoklub"; }

    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<Ergebniswettbewerb> m_w;
};

KALVOR_REGISTER_TEST(ErgebnisTest)



#include "tst_ergebnisse.moc"
