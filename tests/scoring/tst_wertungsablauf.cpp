#include "PersistenceException.h"
#include "TestRegistry.h"
#include "WertungsAblauf.h"
#include "entities/Bild.h"
#include "entities/Wertung.h"
#include "wertungsfixture.h"

using namespace WertungsFixture;

namespace {

// Keyboards of the jurors: Anna 11, Ben 12; 13 belongs to a juror of another category and
// 14 to nobody.
constexpr qlonglong kAnna = 11, kBen = 12, kFremd = 13, kNiemand = 14;

} // namespace

class WertungsAblaufTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_kategorie = std::make_unique<Kategorie>(legeKategorieAn(*m_ctx));
        const auto eva = teilnehmer(*m_ctx, wettbewerb(), "100");
        for (const char *titel : {"B1", "B2", "B3"})
            bild(*m_ctx, *eva, *m_kategorie->sparte, titel);
        const auto anna = juror(*m_ctx, wettbewerb(), "Anna");
        const auto ben = juror(*m_ctx, wettbewerb(), "Ben");
        auto fremd = juror(*m_ctx, wettbewerb(), "Fremd");
        JurorService::toggleAlleSparten(*m_ctx, *fremd);
        m_ctx->assignKeyboard(anna->getId(), kAnna);
        m_ctx->assignKeyboard(ben->getId(), kBen);
        m_ctx->assignKeyboard(fremd->getId(), kFremd);
        m_runde = durchgang(*m_ctx, *m_kategorie->sparte, "ERSTER_DURCHGANG");
        m_runde->setSortierModus(code(*m_ctx, "SpartenSortierModus", "VEREIN_MITGLIED"));
        m_runde->setMaxBewertung(8);
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, wettbewerb(), *m_runde);
        WertungsHelper::starte(*m_ctx, wettbewerb(), *m_runde);
    }
    void cleanup()
    {
        m_runde.reset();
        m_kategorie.reset();
        m_ctx.reset();
    }

    // Presses reach the current image's score of the device's juror, if any, within range.
    void tastendruck_data()
    {
        QTest::addColumn<qlonglong>("device");
        QTest::addColumn<int>("zahl");
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<QString>("wertungen"); // Anna, Ben
        QTest::newRow("juror") << kBen << 8 << true << ",8";
        QTest::newRow("overwrite") << kAnna << 6 << true << "6,";
        QTest::newRow("device without juror") << kNiemand << 5 << false << ",";
        QTest::newRow("juror of another category") << kFremd << 5 << false << ",";
        QTest::newRow("above maxBewertung 8") << kAnna << 10 << false << "3,";
        QTest::newRow("below minBewertung") << kAnna << 0 << false << "3,";
    }
    void tastendruck()
    {
        QFETCH(qlonglong, device);
        QFETCH(int, zahl);
        QFETCH(bool, gespeichert);
        QFETCH(QString, wertungen);
        auto ablauf = neuerAblauf();
        QCOMPARE(ablauf->aktuellesBild()->getTitel(), QStringLiteral("B1"));
        QCOMPARE(ablauf->bildnummer(), QStringLiteral("B1"));
        QCOMPARE(ablauf->einzelWertungen().size(), size_t(2)); // not the other category's
        if (device == kAnna)
            QVERIFY(ablauf->tastendruck(kAnna, 3));
        QCOMPARE(ablauf->tastendruck(device, zahl), gespeichert);
        QCOMPARE(texte(*ablauf), wertungen);
        QCOMPARE(gespeicherteWertungen(), wertungen);
        QVERIFY(!ablauf->alleGewertet());
    }

    // Confirming needs every juror's score; it stores the total in the score row and the
    // image, goes on, and finishes the round after the last image. Back goes to the stored
    // scores of the image before, which may be overwritten; at the first image it refuses.
    void bestaetigenUndZurueck()
    {
        auto ablauf = neuerAblauf();
        QVERIFY(!ablauf->zurueck());
        QCOMPARE(WertungsAblauf::keinVorherigesBildMeldung().text,
                 QStringLiteral("Es gibt kein vorheriges Bild."));
        QVERIFY(ablauf->tastendruck(kAnna, 4));
        QVERIFY(!ablauf->reagiere());
        QCOMPARE(ablauf->bestaetige(), WertungsAblauf::Bestaetigung::Unvollstaendig);
        QCOMPARE(ablauf->position(), 0);
        QVERIFY(ablauf->tastendruck(kBen, 5));
        QVERIFY(ablauf->reagiere());
        QCOMPARE(gesamt("B1"), std::string("9,9"));
        QCOMPARE(ablauf->bestaetige(), WertungsAblauf::Bestaetigung::Weiter);
        QCOMPARE(ablauf->aktuellesBild()->getTitel(), QStringLiteral("B2"));
        QCOMPARE(ablauf->naechsteBilder(5).size(), size_t(1));
        QCOMPARE(texte(*ablauf), QStringLiteral(","));

        QVERIFY(ablauf->zurueck());
        QCOMPARE(ablauf->aktuellesBild()->getTitel(), QStringLiteral("B1"));
        QCOMPARE(texte(*ablauf), QStringLiteral("4,5"));
        QVERIFY(ablauf->tastendruck(kBen, 7));
        QVERIFY(ablauf->reagiere());
        QCOMPARE(gesamt("B1"), std::string("11,11"));
        QCOMPARE(ablauf->bestaetige(), WertungsAblauf::Bestaetigung::Weiter);
        QCOMPARE(ablauf->aktuellesBild()->getTitel(), QStringLiteral("B2"));

        for (const char *titel : {"B2", "B3"}) {
            QCOMPARE(ablauf->aktuellesBild()->getTitel(), QString::fromLatin1(titel));
            QVERIFY(ablauf->setzeManuell(ablauf->juroren()[0]->getId(), 1));
            QVERIFY(ablauf->setzeManuell(ablauf->juroren()[1]->getId(), 2));
            ablauf->reagiere();
            const auto ergebnis = ablauf->bestaetige();
            QCOMPARE(ergebnis, QByteArray(titel) == "B3"
                                   ? WertungsAblauf::Bestaetigung::Abgeschlossen
                                   : WertungsAblauf::Bestaetigung::Weiter);
        }
        QVERIFY(!ablauf->aktuelleWertung());
        QVERIFY(WertungsHelper::istBeendet(*m_ctx, *neuGelesen(*m_ctx, *m_runde)));
        QCOMPARE(gesamt("B3"), std::string("3,3"));
    }

    // An interrupted round continues with the image it showed.
    void unterbrechenUndFortsetzen()
    {
        {
            auto ablauf = neuerAblauf();
            ablauf->tastendruck(kAnna, 2);
            ablauf->tastendruck(kBen, 2);
            ablauf->reagiere();
            ablauf->bestaetige();
            ablauf->tastendruck(kAnna, 6); // B2 half scored
        }
        m_runde = neuGelesen(*m_ctx, *m_runde);
        auto ablauf = neuerAblauf();
        QCOMPARE(ablauf->aktuellesBild()->getTitel(), QStringLiteral("B2"));
        QCOMPARE(texte(*ablauf), QStringLiteral("6,"));
        QVERIFY(WertungsHelper::istStatus(*m_ctx, *m_runde, "WIRD_JURIERT"));
    }

    // A score or total that cannot be stored leaves the shown values as the database holds
    // them.
    void speichernScheitert()
    {
        auto ablauf = neuerAblauf();
        QVERIFY(ablauf->tastendruck(kAnna, 4));
        stoere("EinzelWertung", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, ablauf->tastendruck(kAnna, 6));
        QCOMPARE(texte(*ablauf), QStringLiteral("4,"));
        TestDatabase::run("DROP TRIGGER stoerung_EinzelWertung_UPDATE");

        // The score that completes the image goes with its total: neither is stored alone.
        stoere("Bild", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, ablauf->tastendruck(kBen, 3));
        QCOMPARE(texte(*ablauf), QStringLiteral("4,"));
        QCOMPARE(gespeicherteWertungen(), QStringLiteral("4,"));
        QVERIFY(!ablauf->aktuelleWertung()->hasBewertung());
        QCOMPARE(gesamt("B1"), std::string(","));
    }

    // The range of a manual score; empty bounds count as 1 and 10.
    void manuell_data()
    {
        QTest::addColumn<int>("maxBewertung"); // 0: empty
        QTest::addColumn<int>("wert");         // -1: nothing entered
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        const QString bis8 =
            "Bitte geben Sie eine Bewertung im zulaessigen Bereich von 1 bis 8 ein.";
        QTest::newRow("empty") << 8 << -1 << "Keine Bewertung eingegeben" << bis8;
        QTest::newRow("too high") << 8 << 9 << "Bewertung nicht zulaessig" << bis8;
        QTest::newRow("too low") << 8 << 0 << "Bewertung nicht zulaessig" << bis8;
        QTest::newRow("allowed") << 8 << 8 << ""
                                 << "";
        QTest::newRow("no max: 10") << 0 << 11 << "Bewertung nicht zulaessig"
                                    << "Bitte geben Sie eine Bewertung im zulaessigen Bereich "
                                       "von 1 bis 10 ein.";
    }
    void manuell()
    {
        QFETCH(int, maxBewertung);
        QFETCH(int, wert);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        if (!maxBewertung)
            m_runde->setValueAt(Durchgang::maxBewertungRow, QVariant());
        m_runde->setValueAt(Durchgang::minBewertungRow, QVariant());
        auto ablauf = neuerAblauf();
        const auto meldung =
            ablauf->pruefeManuell(wert < 0 ? std::nullopt : std::optional<int>(wert));
        QCOMPARE(meldung ? meldung->titel : QString(), titel);
        QCOMPARE(meldung ? meldung->text : QString(), text);
    }

private:
    Wettbewerb &wettbewerb() { return m_kategorie->wettbewerb(); }

    std::unique_ptr<WertungsAblauf> neuerAblauf()
    {
        auto ablauf = std::make_unique<WertungsAblauf>(*m_ctx, wettbewerb(), *m_runde,
                                                       WertungsHelper::juroren(*m_ctx, *m_runde));
        ablauf->setzeNaechsteOffeneWertung();
        return ablauf;
    }

    // The current image's scores as shown ("4," : Anna 4, Ben none).
    static QString texte(const WertungsAblauf &ablauf)
    {
        QStringList werte;
        for (const auto &einzel : ablauf.einzelWertungen())
            werte.append(einzel.bewertung ? QString::number(*einzel.bewertung) : QString());
        return werte.join(QLatin1Char(','));
    }

    // The scores of the image B1 as stored, Anna's and Ben's.
    QString gespeicherteWertungen()
    {
        return QString::fromStdString(TestDatabase::scalar(
            "SELECT GROUP_CONCAT(IFNULL(e.bewertung, '') ORDER BY e.juror) FROM EinzelWertung e "
            "JOIN Wertung w ON e.wertung = w.id JOIN Bild b ON w.bild = b.id WHERE b.titel = "
            "'B1'"));
    }

    // The stored totals of an image: score row and image.
    static std::string gesamt(const char *titel)
    {
        return TestDatabase::scalar(std::string("SELECT CONCAT(IFNULL(w.bewertung, ''), ',', "
                                                "IFNULL(b.bewertung, '')) FROM Wertung w JOIN "
                                                "Bild b ON w.bild = b.id WHERE b.titel = '") +
                                    titel + "'");
    }

    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<Kategorie> m_kategorie;
    std::unique_ptr<Durchgang> m_runde;
};

KALVOR_REGISTER_TEST(WertungsAblaufTest)

#include "tst_wertungsablauf.moc"
