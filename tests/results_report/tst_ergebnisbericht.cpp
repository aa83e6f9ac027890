// The printable results of the small scored competition: the score distributions, the PDF
// and its pages as pictures (saved for a reviewer), and failures that must leave no file.

#include "DatabaseContext.h"
#include "ErgebnisBericht.h"
#include "ErgebnisHelper.h"
#include "PersistenceException.h"
#include "Punkteverteilung.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "ergebnisfixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace ErgebnisFixture;

namespace {

// "Natur Erwachsene 7:2 8:4 9:2 Grenze 8" per distribution, in the order read.
QStringList beschreibe(const std::vector<Punkteverteilung> &verteilungen)
{
    QStringList zeilen;
    for (const Punkteverteilung &v : verteilungen) {
        QString zeile = v.sparteName + (v.jugend ? " Jugend" : " Erwachsene");
        for (const auto &[punkte, anzahl] : v.bilderProPunkte)
            zeile += QStringLiteral(" %1:%2").arg(punkte).arg(anzahl);
        zeilen << zeile + QStringLiteral(" Grenze %1").arg(v.annahmeGrenze);
    }
    return zeilen;
}

QByteArray lies(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

class ErgebnisBerichtTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DatabaseContext> m_ctx;

private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }

    // Invalid images and images without a total are not counted; youth in a category where
    // youth is ranked with the adults count as adults; each category shows the age classes of
    // its mode with the thresholds stored by the computation (-1 before).
    void verteilungen_data()
    {
        QTest::addColumn<bool>("berechnet");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("before the computation")
            << false
            << QStringList{"Natur Erwachsene 7:2 8:4 9:2 Grenze -1",
                           "Natur Jugend 4:1 5:1 6:1 Grenze -1",
                           "Portrait Erwachsene 6:1 7:1 9:3 Grenze -1",
                           "Jugendfoto Jugend 3:1 5:1 6:1 7:2 8:1 Grenze -1",
                           "Offen Erwachsene 5:1 9:1 Grenze -1"};
        QTest::newRow("after the computation")
            << true
            // The acceptance counts the invalid image's 10 (its selection ignores validity).
            << QStringList{"Natur Erwachsene 7:2 8:4 9:2 Grenze 9",
                           "Natur Jugend 4:1 5:1 6:1 Grenze 5",
                           "Portrait Erwachsene 6:1 7:1 9:3 Grenze 8",
                           "Jugendfoto Jugend 3:1 5:1 6:1 7:2 8:1 Grenze 6",
                           "Offen Erwachsene 5:1 9:1 Grenze 7"};
    }
    void verteilungen()
    {
        QFETCH(bool, berechnet);
        QFETCH(QStringList, erwartet);
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        bild(*m_ctx, w.teilnahmen[0], w.sparten[Natur]->getId(), "ungültig", 10, false);
        if (berechnet)
            ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        QCOMPARE(beschreibe(leseVerteilungen(*m_ctx, w.wettbewerb())), erwartet);
    }

    // The PDF: one title page, pages of rankings (a long one continued on the next pages under
    // its repeated heading and column titles), three of thresholds and charts; the page
    // pictures are the same pages (saved for a reviewer).
    void pdfUndSeitenbilder_data()
    {
        QTest::addColumn<int>("weitere");
        QTest::addColumn<int>("erwartet");
        QTest::addColumn<QString>("name");
        QTest::newRow("small") << 0 << 6 << "report-page";
        QTest::newRow("long ranking") << 60 << 9 << "report-long-page";
    }
    void pdfUndSeitenbilder()
    {
        QFETCH(int, weitere);
        QFETCH(int, erwartet);
        QFETCH(QString, name);
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        for (int i = 1; i <= weitere; ++i)
            bild(*m_ctx,
                 teilnehmer(*m_ctx, w.wettbewerb(), w.lichtblick, QStringLiteral("Vorname%1").arg(i),
                            QStringLiteral("Nachname"), QStringLiteral("3-%1").arg(i), false),
                 w.sparten[Offen]->getId(), QStringLiteral("Bild %1").arg(i), i % 10);
        w.wettbewerb().setDatum(QDate(2026, 11, 14));
        WettbewerbController().insertOrUpdate(*m_ctx, w.wettbewerb());
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("ergebnisse.pdf");
        const int seiten = ErgebnisBericht::schreibePdf(*m_ctx, w.wettbewerb(), pfad);
        const QByteArray pdf = lies(pfad);
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(QString::fromLatin1(pdf)
                     .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
                 erwartet);
        QCOMPARE(seiten, erwartet);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"ergebnisse.pdf"});

        const std::vector<QImage> bilder = ErgebnisBericht::seitenAlsBilder(*m_ctx, w.wettbewerb(), 100);
        QCOMPARE(int(bilder.size()), seiten);
        const QString ziel = qEnvironmentVariable("KALVOR_SCREENSHOT_DIR", "/work/notes/screens");
        QDir().mkpath(ziel);
        for (size_t i = 0; i < bilder.size(); ++i)
            QVERIFY(bilder[i].save(QStringLiteral("%1/%2-%3.png").arg(ziel, name).arg(i + 1)));
    }

    // A target that cannot be written: the failure is reported and nothing is left behind.
    void nichtSchreibbaresZiel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing directory") << "fehlt/ergebnisse.pdf";
        QTest::newRow("a directory") << "ordner";
    }
    void nichtSchreibbaresZiel()
    {
        QFETCH(QString, name);
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        QTemporaryDir ordner;
        QDir(ordner.path()).mkdir("ordner");
        const QString pfad = ordner.filePath(name);
        try {
            ErgebnisBericht::schreibePdf(*m_ctx, w.wettbewerb(), pfad);
            QFAIL("no failure");
        } catch (const ErgebnisBericht::Fehler &fehler) {
            QCOMPARE(fehler.titel, QStringLiteral("PDF nicht gespeichert"));
            QVERIFY2(fehler.text.startsWith(
                         QStringLiteral("Die Datei %1 kann nicht geschrieben werden: ").arg(pfad)),
                     qPrintable(fehler.text));
        }
        QCOMPARE(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"ordner"});
        QVERIFY(QDir(ordner.filePath("ordner")).isEmpty());
    }

    // A failure while reading keeps an earlier file as it was and leaves no temporary file.
    void datenbankfehlerBehaeltAlteDatei()
    {
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("ergebnisse.pdf");
        QFile alt(pfad);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
        alt.close();
        TestDatabase::run("RENAME TABLE Sparte TO SparteWeg");
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 ErgebnisBericht::schreibePdf(*m_ctx, w.wettbewerb(), pfad));
        TestDatabase::run("RENAME TABLE SparteWeg TO Sparte");
        QCOMPARE(lies(pfad), QByteArray("alt"));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"ergebnisse.pdf"});
    }
};

KALVOR_REGISTER_TEST(ErgebnisBerichtTest)
#include "tst_ergebnisbericht.moc"
