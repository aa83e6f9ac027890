#include "AnwendungsFehler.h"
#include "ArchiveHelper.h"
#include "DatabaseContext.h"
#include "ExportCallStrategy.h"
#include "ExportFortschritt.h"
#include "Exportdatei.h"
#include "TestDatabase.h"
#include "TestRegistry.h"

#include <QTemporaryDir>
#include <QtTest>

#include <archive.h>
#include <archive_entry.h>

namespace {

QByteArray lies(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreibeDatei(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// Writes its CSV text into the file and a picture beside it, as the CSV writer does; fails
// after writing when asked to.
class TestStrategie : public ExportCallStrategy
{
public:
    explicit TestStrategie(QByteArray csv, bool scheitert = false)
        : m_csv(std::move(csv)), m_scheitert(scheitert) {}
    void exportiere(DatabaseContext &, const QString &fileName) override
    {
        schreibeDatei(fileName, m_csv);
        schreibeDatei(QFileInfo(fileName).dir().filePath(QStringLiteral("7_bild.jpg")),
                      QByteArray(20000, 'j'));
        if (m_scheitert)
            throw AnwendungsFehler("ImportExport", "Test", "Interner Fehler", "gescheitert");
    }

private:
    QByteArray m_csv;
    bool m_scheitert;
};

struct Abbruch : ExportFortschritt
{
    bool bild(qint64) override { return false; }
};

// The entries of an archive (name -> bytes) as libarchive reads them.
QMap<QString, QByteArray> eintraege(const QString &zip)
{
    QMap<QString, QByteArray> ergebnis;
    struct archive *a = archive_read_new();
    archive_read_support_format_zip(a);
    if (archive_read_open_filename(a, QFile::encodeName(zip).constData(), 10240) == ARCHIVE_OK) {
        struct archive_entry *entry;
        while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
            QByteArray daten(int(archive_entry_size(entry)), '\0');
            archive_read_data(a, daten.data(), size_t(daten.size()));
            ergebnis.insert(QString::fromUtf8(archive_entry_pathname_utf8(entry)), daten);
        }
    }
    archive_read_free(a);
    return ergebnis;
}

// An archive with the entries as named (directories end in "/").
void schreibeZip(const QString &zip, const QStringList &namen)
{
    struct archive *a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_filename(a, QFile::encodeName(zip).constData());
    for (const QString &name : namen) {
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        const QByteArray inhalt = name.toUtf8();
        const bool verzeichnis = name.endsWith(QLatin1Char('/'));
        archive_entry_set_filetype(entry, verzeichnis ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, verzeichnis ? 0 : inhalt.size());
        archive_write_header(a, entry);
        if (!verzeichnis)
            archive_write_data(a, inhalt.constData(), size_t(inhalt.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
}

} // namespace

class ArchivTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanupTestCase() { m_ctx.reset(); }

    // The CSV file inside is named after the archive up to its first dot, umlauts replaced;
    // the pictures beside it keep their names; no temporary directory is left.
    void archivNamen_data()
    {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("csv");
        QTest::newRow("plain") << "daten.zip" << "daten.csv";
        QTest::newRow("dots before .zip") << "wettbewerb.2026.sicherung.zip" << "wettbewerb.csv";
        QTest::newRow("umlauts") << QStringLiteral("Größe Ärger.zip") << "Groesse Aerger.csv";
    }
    void archivNamen()
    {
        QFETCH(QString, ziel);
        QFETCH(QString, csv);
        const QString pfad = m_dir->filePath(ziel);
        TestStrategie strategie("Schema;x\n");
        QVERIFY(Exportdatei::schreibe(*m_ctx, strategie, pfad) >= 0);
        const auto inhalt = eintraege(pfad);
        QCOMPARE(inhalt.keys(), QStringList({"7_bild.jpg", csv}));
        QCOMPARE(inhalt.value(csv), QByteArray("Schema;x\n"));
        QCOMPARE(inhalt.value("7_bild.jpg"), QByteArray(20000, 'j'));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{ziel});
    }

    // An existing archive is replaced by the new one; a failing export leaves it as it was,
    // with no temporary directory or part-written archive beside it.
    void bestehendesArchiv_data()
    {
        QTest::addColumn<int>("fehler"); // 0 none, 1 strategy fails, 2 cancelled, 3 bad ending
        QTest::newRow("replaced") << 0;
        QTest::newRow("strategy fails") << 1;
        QTest::newRow("cancelled while packing") << 2;
        QTest::newRow("capital ending") << 3;
    }
    void bestehendesArchiv()
    {
        QFETCH(int, fehler);
        const QString pfad = m_dir->filePath(fehler == 3 ? "daten.ZIP" : "daten.zip");
        schreibeDatei(pfad, "altes Archiv");
        TestStrategie strategie("neu\n", fehler == 1);
        Abbruch abbruch;
        try {
            Exportdatei::schreibe(*m_ctx, strategie, pfad, fehler == 2 ? &abbruch : nullptr);
            QCOMPARE(fehler, 0);
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, fehler == 1 ? QString("Interner Fehler")
                                                  : QString("Dateiformat nicht unterstuetzt"));
            QVERIFY(fehler == 1 || fehler == 3);
        } catch (const ExportAbgebrochen &) {
            QCOMPARE(fehler, 2);
        }
        if (fehler == 0)
            QCOMPARE(eintraege(pfad).value("daten.csv"), QByteArray("neu\n"));
        else
            QCOMPARE(lies(pfad), QByteArray("altes Archiv"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(pfad).fileName()});
    }

    // The archive cannot take the target's place (a directory of that name): the error of
    // the replacement, and nothing else left behind.
    void zielNichtErsetzbar()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("daten.zip"));
        TestStrategie strategie("neu\n");
        try {
            Exportdatei::schreibe(*m_ctx, strategie, m_dir->filePath("daten.zip"));
            QFAIL("no error");
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, QString("Fehler beim Ueberschreiben"));
            QCOMPARE(e.meldung.text,
                     "Das bereits existierende Archiv " + m_dir->filePath("daten.zip") +
                         " konnte nicht ueberschrieben werden.");
        }
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"daten.zip"});
        QVERIFY(QFileInfo(m_dir->filePath("daten.zip")).isDir());
    }

    // Entry names never lead out of the directory they are extracted into; exactly one CSV
    // file (ending ".csv", case-sensitive) must be in an imported archive.
    void entpacken_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("hostile names")
            << QStringList{"../x.jpg", "/etc/y.jpg", "a/b.jpg", "sub/", "..", "..\\z.jpg", "d.csv"}
            << QStringList{"b.jpg", "d.csv", "x.jpg", "y.jpg", "z.jpg"} << QString();
        QTest::newRow("no csv") << QStringList{"a.jpg", "b.CSV"} << QStringList()
                                << "Keine csv-Datei gefunden";
        QTest::newRow("two csv") << QStringList{"a.csv", "x/b.csv"} << QStringList()
                                 << "Mehrere csv-Dateien";
    }
    void entpacken()
    {
        QFETCH(QStringList, namen);
        QFETCH(QStringList, dateien);
        QFETCH(QString, fehler);
        QDir basis(m_dir->path());
        QVERIFY(basis.mkpath("ablage"));
        const QString zip = m_dir->filePath("ablage/import.zip");
        schreibeZip(zip, namen);
        try {
            const QString csv = ArchiveHelper::findeCsvDatei(*m_ctx, zip);
            QVERIFY(fehler.isEmpty());
            const QDir temp = QFileInfo(csv).dir();
            QCOMPARE(QFileInfo(temp.absolutePath()).dir().absolutePath(), basis.filePath("ablage"));
            QCOMPARE(temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), dateien);
            QCOMPARE(lies(temp.filePath("x.jpg")), QByteArray("../x.jpg"));
            ArchiveHelper::loescheTempVerzeichnis(*m_ctx, temp);
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, fehler);
        }
        QCOMPARE(QDir(basis.filePath("ablage")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"import.zip"});
        QCOMPARE(basis.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"ablage"});
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<QTemporaryDir> m_dir;
};

KALVOR_REGISTER_TEST(ArchivTest)

#include "tst_archive.moc"
