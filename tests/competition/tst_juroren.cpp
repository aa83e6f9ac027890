#include "JurorService.h"
#include "PersistenceException.h"
#include "SparteService.h"
#include "TeilnehmerService.h"
#include "TestRegistry.h"
#include "competitionfixture.h"
#include "controllers/BildController.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/ExternerJurorController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SpartenJurierungController.h"
#include "controllers/TeilnehmerKombinationsWertungController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

using namespace CompetitionFixture;

namespace {

std::unique_ptr<Mitglied> mitglied(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                   const QString &vorname, const QString &nachname,
                                   const QString &nummer = QString())
{
    auto person = std::make_unique<Mitglied>();
    if (!vorname.isNull())
        person->setVorname(vorname);
    if (!nachname.isNull())
        person->setNachname(nachname);
    person->setVerein(wettbewerb.getVerein());
    person->setMitgliedsNummerKomplett(nummer);
    MitgliedController().insertOrUpdate(ctx, *person);
    return person;
}

} // namespace

class JurorTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }

    void participants()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        auto eva = mitglied(*m_ctx, *daten.wettbewerb, "Eva", "Mayr", "3127C");
        auto max = mitglied(*m_ctx, *daten.wettbewerb, "Max", "Berger", "3128C");
        QVERIFY(!TeilnehmerService::fuegeHinzu(*m_ctx, *daten.wettbewerb, *eva));
        QVERIFY(!TeilnehmerService::fuegeHinzu(*m_ctx, *daten.wettbewerb, *max));
        const auto doppelt = TeilnehmerService::fuegeHinzu(*m_ctx, *daten.wettbewerb, *eva);
        QCOMPARE(doppelt->titel, QStringLiteral("Mitglied schon vorhanden"));
        QCOMPARE(doppelt->text,
                 QStringLiteral("Das Mitglied Eva Mayr ist bereits dem Wettbewerb zugeordnet."));
        QCOMPARE(anzahl("WettbewerbsTeilnahme"), 2);

        legeSparteAn(*m_ctx, *daten.wettbewerb, "Farbe");
        const auto dia = legeSparteAn(*m_ctx, *daten.wettbewerb, "Dia");
        auto teilnahme = std::move(WettbewerbsTeilnahmeController()
                                       .select(*m_ctx, {{"mitglied", eva->getId()}}, true, false)
                                       .front());
        Bild bild;
        bild.setWettbewerbsTeilnahme(teilnahme->getId());
        bild.setSparte(dia->getId());
        BildController bilder;
        bilder.insertOrUpdate(*m_ctx, bild);
        bild.setIdNull();
        bilder.insertOrUpdate(*m_ctx, bild);

        // Per participant (by surname) and category: the number of images.
        QStringList liste;
        for (const TeilnehmerStatus &zeile :
             TeilnehmerService::statusListe(*m_ctx, *daten.wettbewerb))
            liste.append(
                QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(zeile.vorname, zeile.nachname, zeile.mitgliedsnummer, zeile.spartenName)
                    .arg(zeile.anzahlBilder));
        QCOMPARE(liste, (QStringList{"Max Berger 3128C Farbe 0", "Max Berger 3128C Dia 0",
                                     "Eva Mayr 3127C Farbe 0", "Eva Mayr 3127C Dia 2"}));

        const auto verbot = TeilnehmerService::entfernVerbot(*m_ctx, *teilnahme);
        QCOMPARE(verbot->text, QStringLiteral("Das Mitglied Eva Mayr ist mit mindestens einem Bild "
                                              "im Wettbewerb vertreten. \n\nEs kann daher nicht "
                                              "entfernt werden."));
        TestDatabase::run("DELETE FROM Bild");
        QVERIFY(!TeilnehmerService::entfernVerbot(*m_ctx, *teilnahme));
    }

    // Regression: the results were deleted one after another, and a failure left a
    // participation without them.
    void removingAParticipantTakesItsResults()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        auto eva = mitglied(*m_ctx, *daten.wettbewerb, "Eva", "Mayr");
        auto max = mitglied(*m_ctx, *daten.wettbewerb, "Max", "Berger");
        for (const auto *person : {eva.get(), max.get()})
            TeilnehmerService::fuegeHinzu(*m_ctx, *daten.wettbewerb, *person);
        const auto teilnahmen = WettbewerbsTeilnahmeController().select(*m_ctx, {}, true, false);
        for (const auto &teilnahme : teilnahmen) {
            TeilnehmerWertung wertung;
            wertung.setWettbewerbsTeilnahme(teilnahme->getId());
            TeilnehmerWertungController().insertOrUpdate(*m_ctx, wertung);
            TeilnehmerKombinationsWertung kombination;
            kombination.setWettbewerbsTeilnahme(teilnahme->getId());
            TeilnehmerKombinationsWertungController().insertOrUpdate(*m_ctx, kombination);
        }
        const WettbewerbsTeilnahme &erste = *teilnahmen.front();
        stoere("WettbewerbsTeilnahme", "DELETE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, TeilnehmerService::entferne(*m_ctx, erste));
        QCOMPARE(anzahl("TeilnehmerWertung") + anzahl("TeilnehmerKombinationsWertung"), 4);
        TestDatabase::run("DROP TRIGGER stoerung_WettbewerbsTeilnahme_DELETE");

        TeilnehmerService::entferne(*m_ctx, erste);
        QCOMPARE(anzahl("WettbewerbsTeilnahme"), 1);
        const std::string andere =
            "wettbewerbsTeilnahme = " + std::to_string(teilnahmen.back()->getId());
        QCOMPARE(anzahl("TeilnehmerWertung", andere), 1);
        QCOMPARE(anzahl("TeilnehmerWertung") + anzahl("TeilnehmerKombinationsWertung"), 2);
    }

    void externalJurorNumbers_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("next");
        QTest::newRow("first ever") << QStringList() << "0";
        QTest::newRow("gap") << QStringList{"0", "1", "3"} << "2";
        QTest::newRow("no 0") << QStringList{"1", "2"} << "0";
        QTest::newRow("read as integers") << QStringList{"00", "01", "2"} << "3";
        QTest::newRow("others ignored") << QStringList{"0", "A1", "-1", "", "1.5"} << "1";
    }

    void externalJurorNumbers()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, next);
        for (const QString &nummer : taken) {
            ExternerJuror juror;
            juror.setNummer(nummer);
            ExternerJurorController().insertOrUpdate(*m_ctx, juror);
        }
        const auto neu = JurorService::neuerExternerJuror(*m_ctx);
        QCOMPARE(neu->getNummer(), next);
        QCOMPARE(neu->getStaat(), code(*m_ctx, "Staat", "AT"));
    }

    void externalJurorChecksInOrder()
    {
        ExternerJuror vorhanden;
        vorhanden.setNummer(QStringLiteral("0"));
        ExternerJurorController().insertOrUpdate(*m_ctx, vorhanden);
        logInDatenbank(*m_ctx);

        auto juror = JurorService::neuerExternerJuror(*m_ctx);
        juror->setEmail(QStringLiteral("keine"));
        juror->setTelefon(QStringLiteral("0512 1234"));
        juror->setMobil(QStringLiteral("0676"));
        juror->setNummer(QString());
        juror->setDatumGeburtInput(QStringLiteral("30.2.1970"));
        QStringList titel;
        const auto pruefe = [&]() {
            const auto meldung = JurorService::pruefeExternenJuror(*m_ctx, *juror);
            titel.append(meldung ? meldung->titel : QString());
            return meldung;
        };
        pruefe();
        juror->setEmail(QStringLiteral("a@b.at"));
        pruefe();
        juror->setTelefon(QStringLiteral("+43-512-1234"));
        pruefe();
        juror->setMobilNull();
        pruefe();
        juror->setNummer(QStringLiteral("0"));
        QCOMPARE(pruefe()->text,
                 QStringLiteral("Der als Geburtsdatum angegebene Text 30.2.1970 ist kein korrektes "
                                "Datum. \n\nDatumsangaben muessen in der Form dd.mm.yyyy getaetigt "
                                "werden."));
        juror->setDatumGeburtInput(QStringLiteral("1.3.1970"));
        QCOMPARE(pruefe()->text, QStringLiteral("Es gibt schon einen Juror mit dieser Nummer.  "
                                                "Bitte waehlen Sie eine andere."));
        juror->setNummer(QStringLiteral("1"));
        QVERIFY(!pruefe());
        QCOMPARE(titel, (QStringList{
                            "Mailadresse nicht korrekt angegeben.", "Format der Telefonnummer",
                            "Format der Mobilfunknummer", "Nummer nicht angegeben",
                            "Geburtsdatum nicht korrekt angegeben", "Nummer schon vergeben", ""}));
        QCOMPARE(juror->getDatumGeburt(), QDate(1970, 3, 1));
        QVERIFY(!JurorService::pruefeExternenJuror(*m_ctx, vorhanden)); // itself is no conflict
        const QStringList log = geloggt(*m_ctx, "JurorBearbeitenDialog");
        QCOMPARE(log.at(3), QStringLiteral("Nummer nicht angegeben."));
        QCOMPARE(log.mid(6), (QStringList{"==> Pruefung erfolgreich, jurorSchonInDB = 0",
                                          "==> Pruefung erfolgreich, jurorSchonInDB = 1"}));
    }

    void jurorsAndTheirCategories()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        const Wettbewerb &wettbewerb = *daten.wettbewerb;
        auto eva = mitglied(*m_ctx, *daten.wettbewerb, "Eva", "Mayr");
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, wettbewerb, *eva));
        QCOMPARE(JurorService::fuegeHinzu(*m_ctx, wettbewerb, *eva)->text,
                 QStringLiteral("Das Mitglied Eva Mayr ist dem Wettbewerb bereits als Juror "
                                "zugeordnet.  Bitte waehlen Sie eine andere Person aus."));
        auto extern_ = JurorService::neuerExternerJuror(*m_ctx);
        extern_->setNachname(QStringLiteral("Gruber"));
        JurorService::speichereExternenJuror(*m_ctx, *extern_);
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, wettbewerb, *extern_));
        const auto zweimal = JurorService::fuegeHinzu(*m_ctx, wettbewerb, *extern_);
        QCOMPARE(zweimal->titel, QStringLiteral("Externer Juror schon zugeordnet"));
        QCOMPARE(zweimal->text,
                 QStringLiteral("Der externe Juror  Gruber ist dem Wettbewerb bereits zugeordnet.  "
                                "Bitte waehlen Sie eine andere Person aus."));
        // The same person may judge another competition.
        auto zweiter = legeWettbewerbAn(*m_ctx, "W2");
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, *zweiter.wettbewerb, *eva));
        QCOMPARE(anzahl("JuriertBei"), 3);
        QCOMPARE(anzahl("JuriertBei",
                        "alleSparten AND spartenString = 'Alle' AND art = " +
                            std::to_string(code(*m_ctx, "JuriertBeiArt", "EXTERNER_JUROR")) +
                            " AND mitglied IS NULL"),
                 1);

        auto juror = std::move(
            JuriertBeiController().select(*m_ctx, {{"externerJuror", extern_->getId()}}).front());
        const std::unique_ptr<Sparte> sparten[] = {legeSparteAn(*m_ctx, wettbewerb, "Farbe", ""),
                                                   legeSparteAn(*m_ctx, wettbewerb, "Dia", "D")};
        JurorService::toggleAlleSparten(*m_ctx, *juror);
        QCOMPARE(juror->getSpartenString(), QString());
        logInDatenbank(*m_ctx);
        for (const auto &sparte : sparten)
            QVERIFY(!JurorService::ordneSparteZu(*m_ctx, *juror, *sparte));
        const auto schonDa = JurorService::ordneSparteZu(*m_ctx, *juror, *sparten[1]);
        QCOMPARE(schonDa->titel, QStringLiteral("Zuordnung schon vorhanden"));
        QCOMPARE(geloggt(*m_ctx, "JuriertBeiSparteWidget"),
                 QStringList{"Sparte schon Juror zugeordnet"});
        // An empty abbreviation: the name.
        QCOMPARE(TestDatabase::scalar("SELECT spartenString FROM JuriertBei WHERE id = " +
                                      std::to_string(juror->getId())),
                 std::string("Farbe, D"));
        JurorService::toggleAlleSparten(*m_ctx, *juror);
        QCOMPARE(JuriertBeiController().readById(*m_ctx, juror->getId())->getSpartenString(),
                 QStringLiteral("Alle"));
        JurorService::toggleAlleSparten(*m_ctx, *juror);
        auto zuordnungen = SpartenJurierungController().select(
            *m_ctx, {{"juriertBei", juror->getId()}}, true, false);
        QCOMPARE(zuordnungen.size(), size_t(2));
        JurorService::entferneZuordnung(*m_ctx, *juror, *zuordnungen.front());
        QCOMPARE(JuriertBeiController().readById(*m_ctx, juror->getId())->getSpartenString(),
                 QStringLiteral("D"));
    }

    void removingAJuror()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        auto ohneNamen = mitglied(*m_ctx, *daten.wettbewerb, QString(), QString());
        auto eva = mitglied(*m_ctx, *daten.wettbewerb, "Eva", QString());
        for (const auto *person : {ohneNamen.get(), eva.get()})
            QVERIFY(!JurorService::fuegeHinzu(*m_ctx, *daten.wettbewerb, *person));
        auto sitze = JuriertBeiController().select(*m_ctx, {}, true, false);
        std::sort(sitze.begin(), sitze.end(),
                  [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
        QCOMPARE(JurorService::entfernFrage(*m_ctx, *sitze[0]).text,
                 QStringLiteral("Wollen Sie den Juror (ohne Vorname) (ohne Nachname) wirklich aus "
                                "dem Wettbewerb entfernen?"));
        QCOMPARE(JurorService::entfernFrage(*m_ctx, *sitze[1]).text,
                 QStringLiteral("Wollen Sie den Juror Eva (ohne Nachname) wirklich aus dem "
                                "Wettbewerb entfernen?"));

        // A score row without a value is enough to keep the juror.
        EinzelWertung wertung;
        wertung.setJuror(sitze[0]->getId());
        EinzelWertungController().insertOrUpdate(*m_ctx, wertung);
        const auto verbot = JurorService::entfernVerbot(*m_ctx, *sitze[0]);
        QCOMPARE(verbot->titel, QStringLiteral("Entfernen nicht moeglich"));
        QCOMPARE(verbot->text, QStringLiteral("Der Juror war bereits in die Wertung involviert und "
                                              "kann daher nicht entfernt werden."));
        QVERIFY(!JurorService::entfernVerbot(*m_ctx, *sitze[1]));

        const auto sparte = legeSparteAn(*m_ctx, *daten.wettbewerb, "Farbe");
        JurorService::toggleAlleSparten(*m_ctx, *sitze[1]);
        QVERIFY(!JurorService::ordneSparteZu(*m_ctx, *sitze[1], *sparte));
        m_ctx->assignKeyboard(sitze[1]->getId(), 7);

        // Regression: the seat was deleted without its category rows, which then pointed to
        // nothing; a failure now leaves both.
        stoere("JuriertBei", "DELETE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, JurorService::entferne(*m_ctx, *sitze[1]));
        QCOMPARE(anzahl("SpartenJurierung"), 1);
        QVERIFY(m_ctx->hasKeyboard(sitze[1]->getId()));
        TestDatabase::run("DROP TRIGGER stoerung_JuriertBei_DELETE");
        JurorService::entferne(*m_ctx, *sitze[1]);
        QCOMPARE(anzahl("JuriertBei"), 1);
        QCOMPARE(anzahl("SpartenJurierung"), 0);
        QVERIFY(!m_ctx->hasDevice(7));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(JurorTest)
#include "tst_juroren.moc"
