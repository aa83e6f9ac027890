#include "AnwendungsFehler.h"
#include "ArchiveHelper.h"
#include "DatabaseContext.h"
#include "ExportCallStrategy.h"
#include "ExportFortschritt.h"
#include "ImportDatei.h"
#include "Exportdatei.h"
#include "TestDatabase.h"
#include "TestRegistry.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
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

// An archive with the entries as named: directories end in "/"; "l:" makes a symbolic link,
// "b:" and "c:" devices; "<n>:" a file of n bytes, "<n>>1:" one of n bytes that declares
// a single byte. Other files hold their own name.
void schreibeZip(const QString &zip, const QStringList &namen)
{
    QList<std::pair<int, quint32>> patches; // entry index -> declared size or file kind
    struct archive *a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_zip_set_compression_store(a);
    archive_write_open_filename(a, QFile::encodeName(zip).constData());
    for (int i = 0; i < namen.size(); ++i) {
        static const QRegularExpression artAngabe("^(l|b|c|\\d+(>1)?):");
        const QString art = artAngabe.match(namen[i]).captured(1);
        const QString name = art.isEmpty() ? namen[i] : namen[i].section(':', 1);
        QByteArray inhalt = name.toUtf8();
        if (art.contains(QRegularExpression("^\\d")))
            inhalt = QByteArray(art.section('>', 0, 0).toInt(), 'b');
        if (art.endsWith(">1"))
            patches.append({i, 1});
        if (art == "b" || art == "c")
            patches.append({i, (art == "b" ? 0060644u : 0020644u) << 16});
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        const bool verzeichnis = name.endsWith(QLatin1Char('/'));
        archive_entry_set_filetype(entry, verzeichnis ? AE_IFDIR : art == "l" ? AE_IFLNK : AE_IFREG);
        if (art == "l")
            archive_entry_set_symlink(entry, "/etc/passwd");
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, verzeichnis || art == "l" ? 0 : inhalt.size());
        archive_write_header(a, entry);
        if (!verzeichnis && art != "l")
            archive_write_data(a, inhalt.constData(), size_t(inhalt.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    if (patches.isEmpty())
        return;
    // Kinds and sizes that libarchive does not write: changed in the central directory.
    QFile datei(zip);
    QVERIFY(datei.open(QIODevice::ReadWrite));
    QByteArray bytes = datei.readAll();
    const auto kopfe = [&bytes](const char *signatur) {
        QList<int> positionen;
        for (int pos = bytes.indexOf(signatur); pos >= 0; pos = bytes.indexOf(signatur, pos + 4))
            positionen << pos;
        return positionen;
    };
    const QList<int> lokal = kopfe("PK\x03\x04");
    const QList<int> zentral = kopfe("PK\x01\x02");
    for (const auto &[index, wert] : patches) {
        if (wert > 0xffff) { // the external attributes: the Unix file kind
            qToLittleEndian<quint32>(wert, bytes.data() + zentral.at(index) + 38);
            bytes[zentral.at(index) + 5] = 3; // made by Unix
        } else { // the uncompressed size, in both headers
            qToLittleEndian<quint32>(wert, bytes.data() + zentral.at(index) + 24);
            qToLittleEndian<quint32>(wert, bytes.data() + lokal.at(index) + 22);
        }
    }
    datei.seek(0);
    datei.write(bytes);
}

QStringList eintraegeIn(const QString &pfad)
{
    return QDir(pfad).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
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

    // A hostile archive is refused as a whole: nothing is written outside the directory it is
    // unpacked into, and what was written inside is removed again.
    void feindlichesArchiv_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<qint64>("jeEintrag");
        QTest::addColumn<qint64>("frei");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("grund");
        const qint64 viel = qint64(1) << 40;
        const QString hinaus = "Unzulaessiger Dateiname im Archiv";
        const QString leitetHinaus = "Der Eintrag %1 des Archivs {zip} wuerde ausserhalb des "
                                     "Verzeichnisses geschrieben, in das entpackt wird.";
        QTest::newRow("parent") << QStringList{"d.csv", "../x.jpg"} << viel << viel << hinaus
                                << leitetHinaus.arg("../x.jpg");
        QTest::newRow("absolute") << QStringList{"d.csv", "{dir}/x.jpg"} << viel << viel << hinaus
                                  << leitetHinaus.arg("{dir}/x.jpg");
        QTest::newRow("nested parent") << QStringList{"d.csv", "a/../../x.jpg"} << viel << viel
                                       << hinaus << leitetHinaus.arg("a/../../x.jpg");
        QTest::newRow("backslash") << QStringList{"d.csv", "..\\x.jpg"} << viel << viel << hinaus
                                   << leitetHinaus.arg("../x.jpg"); // as the library reads it
        QTest::newRow("drive") << QStringList{"d.csv", "C:x.jpg"} << viel << viel << hinaus
                               << leitetHinaus.arg("C:x.jpg");
        const QString keineDatei = "Der Eintrag %1 des Archivs {zip} ist keine gewoehnliche Datei "
                                   "(sondern zum Beispiel ein Verweis oder eine Geraetedatei).";
        for (const QString art : {"l", "b", "c"})
            QTest::newRow(qPrintable("kind " + art))
                << QStringList{"d.csv", art + ":x.jpg"} << viel << viel
                << "Unzulaessiger Eintrag im Archiv" << keineDatei.arg("x.jpg");
        QTest::newRow("same name twice") << QStringList{"d.csv", "a/x.jpg", "b/x.jpg"} << viel << viel
                                         << "Doppelter Eintrag im Archiv"
                                         << "Das Archiv {zip} enthaelt mehr als einen Eintrag mit "
                                            "dem Dateinamen x.jpg.";
        const QString zuGross = "Der Eintrag x.jpg des Archivs {zip} ist groesser als 100 Bytes.";
        QTest::newRow("entry too big") << QStringList{"d.csv", "101:x.jpg"} << qint64(100) << viel
                                       << "Eintrag im Archiv zu gross" << zuGross;
        QTest::newRow("entry lies about its size")
            << QStringList{"d.csv", "80:a.jpg", "101>1:x.jpg"} << qint64(100) << viel
            << "Eintrag im Archiv zu gross" << zuGross;
        const QString voll = "Das Archiv {zip} belegt entpackt mindestens %1 Bytes, im Verzeichnis "
                             "{temp} sind aber nur 150 Bytes frei.";
        QTest::newRow("disk too small") << QStringList{"80:a.jpg", "80:b.jpg", "d.csv"} << viel
                                        << qint64(150) << "Nicht genug Speicherplatz" << voll.arg(160);
        QTest::newRow("disk too small, sizes lie")
            << QStringList{"d.csv", "80:a.jpg", "80>1:b.jpg"} << viel << qint64(150)
            << "Nicht genug Speicherplatz" << voll.arg(165);
    }
    void feindlichesArchiv()
    {
        QFETCH(QStringList, namen);
        QFETCH(qint64, jeEintrag);
        QFETCH(qint64, frei);
        QFETCH(QString, titel);
        QFETCH(QString, grund);
        QDir basis(m_dir->path());
        QVERIFY(basis.mkpath("ablage/temp"));
        const QString zip = basis.filePath("ablage/import.zip");
        const QString temp = basis.filePath("ablage/temp");
        namen.replaceInStrings("{dir}", m_dir->path());
        schreibeZip(zip, namen);
        try {
            ArchiveHelper::entpacke(*m_ctx, zip, QDir(temp), {jeEintrag, frei});
            QFAIL("not refused");
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, titel);
            QCOMPARE(e.meldung.text, grund.replace("{zip}", zip).replace("{dir}", m_dir->path())
                                             .replace("{temp}", temp) +
                                         " \n\nDaher wurde das Archiv nicht entpackt.");
        }
        QCOMPARE(eintraegeIn(temp), QStringList());
        QCOMPARE(eintraegeIn(basis.filePath("ablage")), QStringList({"import.zip", "temp"}));
        QCOMPARE(eintraegeIn(basis.path()), QStringList{"ablage"});
    }

    // More files than allowed: refused before anything is written.
    void zuVieleDateien()
    {
        const QString zip = m_dir->filePath("viele.zip");
        schreibeZip(zip, {"d.csv", "a.jpg", "b.jpg"});
        const QDir temp(m_dir->filePath("temp"));
        QVERIFY(temp.mkpath("."));
        try {
            ArchiveHelper::entpacke(*m_ctx, zip, temp, {qint64(1) << 40, qint64(1) << 40, 2});
            QFAIL("not refused");
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, QString("Zu viele Eintraege im Archiv"));
            QCOMPARE(e.meldung.text, "Das Archiv " + zip + " enthaelt mehr als 2 Dateien. \n\n"
                                     "Daher wurde das Archiv nicht entpackt.");
        }
        QCOMPARE(eintraegeIn(temp.path()), QStringList());
        ArchiveHelper::entpacke(*m_ctx, zip, temp, {qint64(1) << 40, qint64(1) << 40, 3});
        QCOMPARE(eintraegeIn(temp.path()), QStringList({"a.jpg", "b.jpg", "d.csv"}));
    }

    // The file an import reads: the ending is checked first (case-sensitive); a CSV file is
    // read where it is; an archive is unpacked beside itself (directories flattened) and must
    // hold exactly one CSV file; a failure leaves no temporary directory.
    void importDatei_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("titel");
        QTest::newRow("csv") << "import.csv" << QStringList() << QStringList() << QString();
        QTest::newRow("zip") << "import.zip" << QStringList{"sub/", "sub/x.jpg", "./d.csv"}
                             << QStringList{"d.csv", "x.jpg"} << QString();
        QTest::newRow("capital ending") << "import.ZIP" << QStringList{"d.csv"} << QStringList()
                                        << "Falsches Dateiformat";
        QTest::newRow("no csv") << "import.zip" << QStringList{"a.jpg", "b.CSV"} << QStringList()
                                << "Keine csv-Datei gefunden";
        QTest::newRow("two csv") << "import.zip" << QStringList{"a.csv", "x/b.csv"}
                                 << QStringList() << "Mehrere csv-Dateien";
        QTest::newRow("hostile") << "import.zip" << QStringList{"a.csv", "../b.jpg"}
                                 << QStringList() << "Unzulaessiger Dateiname im Archiv";
    }
    void importDatei()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, namen);
        QFETCH(QStringList, dateien);
        QFETCH(QString, titel);
        const QString pfad = m_dir->filePath(datei);
        if (datei.endsWith(".csv"))
            schreibeDatei(pfad, "Schema;x\n");
        else
            schreibeZip(pfad, namen);
        QStringList status;
        try {
            const ImportDatei vorbereitet = ImportDatei::bereiteVor(
                *m_ctx, pfad, [&status](const QString &text) { status << text; });
            QVERIFY(titel.isEmpty());
            QCOMPARE(vorbereitet.tempAngelegt, !dateien.isEmpty());
            if (dateien.isEmpty()) {
                QCOMPARE(vorbereitet.csvDatei, pfad);
            } else {
                QCOMPARE(QFileInfo(vorbereitet.tempVerzeichnis).dir().absolutePath(), m_dir->path());
                QCOMPARE(vorbereitet.csvDatei, vorbereitet.tempVerzeichnis + "/d.csv");
                QCOMPARE(eintraegeIn(vorbereitet.tempVerzeichnis), dateien);
                QCOMPARE(lies(vorbereitet.tempVerzeichnis + "/x.jpg"), QByteArray("sub/x.jpg"));
                QCOMPARE(status.size(), 2);
            }
            vorbereitet.raeumeAuf(*m_ctx);
        } catch (const AnwendungsFehler &e) {
            QCOMPARE(e.meldung.titel, titel);
            QCOMPARE(status.size(), titel == "Falsches Dateiformat" ? 0 : 1);
        }
        QCOMPARE(eintraegeIn(m_dir->path()), QStringList{datei});
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<QTemporaryDir> m_dir;
};

KALVOR_REGISTER_TEST(ArchivTest)

#include "tst_archive.moc"
