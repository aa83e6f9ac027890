// The export of a drawn competition with its pictures into a ZIP archive, as the backup before
// a deletion writes it: 2 000 pictures of about 1 MB (random bytes, as incompressible as
// JPEG files) of 200 participants. Measures the export (data file, picture files, archive)
// against writing the same bytes to files and packing them with libarchive directly in the
// same run, and the peak memory the export adds (VmHWM, reset through /proc/self/clear_refs);
// besides, the archive writer of the export packing those files against libarchive directly.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_export [pictures [kilobytes]]

#include "AnwendungsFehler.h"
#include "ArchiveHelper.h"
#include "BenchUtil.h"
#include "ExportStrategien.h"
#include "Exportdatei.h"
#include "competitionfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>
#include <mysql.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

using namespace CompetitionFixture;

namespace {

constexpr qlonglong kBasis = 500000;
constexpr int kTeilnehmer = 200;

// The picture bytes: one random block, each picture's first bytes its own.
QByteArray bildBytes(const QByteArray &block, int nummer)
{
    QByteArray bytes = block;
    const std::string kopf = "picture " + std::to_string(nummer);
    std::memcpy(bytes.data(), kopf.data(), std::min(kopf.size(), size_t(bytes.size())));
    return bytes;
}

void zieheBilder(DatabaseContext &ctx, MYSQL *raw, const Wettbewerb &wettbewerb, qlonglong sparte,
                 int bilder, const QByteArray &block)
{
    Verein verein;
    verein.setName(QStringLiteral("Bildverein"));
    VereinController().insertOrUpdate(ctx, verein);
    std::string sql = "INSERT INTO Mitglied (id, vorname, nachname, verein) VALUES ";
    std::string teilnahmen = "INSERT INTO WettbewerbsTeilnahme (id, mitglied, wettbewerb) VALUES ";
    for (int m = 1; m <= kTeilnehmer; ++m) {
        const std::string id = std::to_string(kBasis + m);
        sql += (m > 1 ? ",(" : "(") + id + ",\"Vorname\",\"Nachname " + std::to_string(m) + "\"," +
               std::to_string(verein.getId()) + ")";
        teilnahmen += (m > 1 ? ",(" : "(") + id + "," + id + "," + std::to_string(wettbewerb.getId()) + ")";
    }
    BenchUtil::runRaw(raw, sql);
    BenchUtil::runRaw(raw, teilnahmen);
    for (int b = 1; b <= bilder; ++b) {
        const std::string id = std::to_string(kBasis + b);
        BenchUtil::runRaw(raw, "INSERT INTO BildDaten (id, nummer, nummerProWettbewerb, dateiname, daten) "
                               "VALUES (" + id + ",\"" + std::to_string(b) + "\",\"" + std::to_string(b) +
                               "\",\"bild" + std::to_string(b) + ".jpg\",X'" +
                               bildBytes(block, b).toHex().toStdString() + "')");
        BenchUtil::runRaw(raw, "INSERT INTO Bild (id, wettbewerbsTeilnahme, sparte, titel, bildDaten, gueltig) "
                               "VALUES (" + id + "," + std::to_string(kBasis + 1 + b % kTeilnehmer) + "," +
                               std::to_string(sparte) + ",\"Bild " + std::to_string(b) + "\"," + id + ",TRUE)");
    }
}

// The same bytes written into files of the directory.
QStringList schreibeDateien(const QDir &verzeichnis, int bilder, const QByteArray &block)
{
    QStringList namen;
    for (int b = 1; b <= bilder; ++b) {
        namen << QStringLiteral("%1_bild%1.jpg").arg(b);
        QFile datei(verzeichnis.filePath(namen.last()));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(bildBytes(block, b)) != block.size())
            std::exit(1);
    }
    return namen;
}

// The files packed by libarchive as they are.
void packeDirekt(const QDir &verzeichnis, const QStringList &namen, const QString &zipDatei)
{
    struct archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_set_format_option(zip, "zip", "compression", "store");
    archive_write_open_filename(zip, QFile::encodeName(zipDatei).constData());
    for (const QString &name : namen) {
        QFile datei(verzeichnis.filePath(name));
        datei.open(QIODevice::ReadOnly);
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, datei.size());
        archive_write_header(zip, entry);
        char puffer[65536];
        qint64 n;
        while ((n = datei.read(puffer, sizeof puffer)) > 0)
            archive_write_data(zip, puffer, size_t(n));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

qint64 statusKb(const char *feld)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &zeile : status.readAll().split('\n'))
        if (zeile.startsWith(feld))
            return zeile.mid(int(qstrlen(feld))).trimmed().split(' ').first().toLongLong();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int bilder = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int kilobytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;
    MYSQL *raw = BenchUtil::rawConnection();
    if (std::getenv("BENCH_EXPORT_POOL"))
        BenchUtil::runRaw(raw, std::string("SET GLOBAL innodb_buffer_pool_size = ") + std::getenv("BENCH_EXPORT_POOL"));

    QByteArray block(kilobytes * 1024, Qt::Uninitialized);
    QRandomGenerator zufall(20261207);
    zufall.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
    auto daten = legeWettbewerbAn(*ctx);
    const auto sparte = legeSparteAn(*ctx, *daten.wettbewerb, "Natur");
    zieheBilder(*ctx, raw, *daten.wettbewerb, sparte->getId(), bilder, block);

    QTemporaryDir ablage(QDir::temp().filePath(QStringLiteral("bench-export.XXXXXX")));
    const auto strategie = ExportStrategien::wettbewerbAlleine(daten.wettbewerb->getId());
    const qint64 vorher = statusKb("VmRSS:");
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
    clearRefs.close();
    // Each timed part starts with the dirty pages of the previous one written out, so that none
    // pays for another's writes.
    ::sync();
    const double export_ms = BenchUtil::millisecondsWithoutOutput([&] {
        try {
            Exportdatei::schreibe(*ctx, *strategie, ablage.filePath(QStringLiteral("sicherung.zip")));
        } catch (const AnwendungsFehler &fehler) {
            std::fprintf(stderr, "export failed: %s\n", fehler.what());
        }
    });
    const qint64 spitze = statusKb("VmHWM:");
    // What reading the picture bytes alone costs: one statement through the MariaDB C API.
    const double lesen_ms = BenchUtil::millisecondsOf([&] {
        BenchUtil::runRaw(raw, "SELECT id, daten FROM BildDaten");
        MYSQL_RES *ergebnis = mysql_use_result(raw);
        size_t bytes = 0;
        while (MYSQL_ROW zeile = mysql_fetch_row(ergebnis))
            bytes += zeile[1] ? mysql_fetch_lengths(ergebnis)[1] : 0;
        mysql_free_result(ergebnis);
        if (bytes < size_t(bilder) * size_t(block.size()))
            std::fprintf(stderr, "raw read too few bytes\n");
    });
    mysql_close(raw);
    QDir roh(ablage.filePath(QStringLiteral("roh")));
    roh.mkpath(QStringLiteral("."));
    QStringList namen;
    ::sync();
    const double dateien_ms = BenchUtil::millisecondsOf([&] { namen = schreibeDateien(roh, bilder, block); });
    // The same files packed by the archive writer of the export, for telling its share.
    ::sync();
    const double helfer_ms = BenchUtil::millisecondsWithoutOutput([&] {
        ArchiveHelper::schreibeArchiv(*ctx, roh, ablage.path(), QStringLiteral("helfer"), false);
    });
    ::sync();
    const double packen_ms =
        BenchUtil::millisecondsOf([&] { packeDirekt(roh, namen, ablage.filePath(QStringLiteral("roh.zip"))); });

    std::printf("export %d pictures: %.1f s\n", bilder, export_ms / 1000);
    std::printf("raw files and archive: %.1f s\n", (dateien_ms + packen_ms) / 1000);
    std::printf("export ratio: %.2f\n", export_ms / (dateien_ms + packen_ms));
    std::printf("export peak memory: %.1f MB\n", double(spitze - vorher) / 1024);
    std::printf("archive packing ratio: %.2f\n", helfer_ms / packen_ms);
    std::printf("raw picture read: %.1f s\n", lesen_ms / 1000);
    std::printf("archive size: %.1f MB (raw %.1f MB)\n",
                double(QFileInfo(ablage.filePath("sicherung.zip")).size()) / 1048576,
                double(QFileInfo(ablage.filePath("roh.zip")).size()) / 1048576);
    return 0;
}
