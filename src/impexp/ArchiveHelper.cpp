#include "ArchiveHelper.h"

#include "AnwendungsFehler.h"
#include "DatabaseContext.h"
#include "ExportFortschritt.h"
#include "ImportDatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

const QString kKategorie = QStringLiteral("Archive");
const QString kOrt = QStringLiteral("ArchiveHelper");

constexpr size_t kReadBlock = 10240;
constexpr qint64 kChunk = 8192;

void log(DatabaseContext &ctx, int level, const QString &message)
{
    ctx.log(kKategorie, kOrt, level, message);
}

bool logs(DatabaseContext &ctx, int level)
{
    return ctx.logs(kKategorie, kOrt, level);
}

[[noreturn]] void fehler(const QString &titel, const QString &text)
{
    throw AnwendungsFehler(kKategorie, kOrt, titel, text);
}

QString fehlerText(struct archive *a)
{
    const char *text = a ? archive_error_string(a) : nullptr;
    return text ? QString::fromLocal8Bit(text) : QString();
}

int fehlerNummer(struct archive *a)
{
    return a ? archive_errno(a) : 0;
}

[[noreturn]] void ohneRueckgabewert(const QString &text, int nummer)
{
    fehler(QStringLiteral("Fehler"),
           QStringLiteral("Beim Umgang mit dem Archiv ist folgender Fehler aufgetreten: %1\n\n "
                          "Der Fehlercode war %2.")
               .arg(text)
               .arg(nummer));
}

// Logs a libarchive call with its return code and fails on a code below ARCHIVE_WARN
// (for archive_write_data: a negative byte count).
la_ssize_t pruefe(DatabaseContext &ctx, struct archive *a, const char *call, la_ssize_t code,
                  int level = 3)
{
    if (logs(ctx, level))
        log(ctx, level,
            QStringLiteral("Executed %1; returned code is %2; errCode = %3; errMsg = %4")
                .arg(QLatin1String(call))
                .arg(code)
                .arg(fehlerNummer(a))
                .arg(fehlerText(a)));
    if (code < ARCHIVE_WARN)
        fehler(QStringLiteral("Fehler"),
               QStringLiteral("Beim Umgang mit dem Archiv ist folgender Fehler aufgetreten: %1\n\n "
                              "Der Rueckgabewert war %2, der Fehlercode %3.")
                   .arg(fehlerText(a))
                   .arg(code)
                   .arg(fehlerNummer(a)));
    return code;
}

// The same for the calls that create an object: a null result fails.
template <typename T> T *pruefeObjekt(DatabaseContext &ctx, const char *call, T *result)
{
    const int nummer = result ? 0 : errno;
    if (logs(ctx, 3))
        log(ctx, 3,
            QStringLiteral("Executed %1; returned code is %2; errCode = %3; errMsg = ")
                .arg(QLatin1String(call),
                     result ? QStringLiteral("(object)") : QStringLiteral("(null)"))
                .arg(nummer));
    if (!result)
        ohneRueckgabewert(QStringLiteral("%1 failed").arg(QLatin1String(call)), nummer);
    return result;
}

struct WriteArchive
{
    void operator()(struct archive *a) const { archive_write_free(a); }
};
struct ReadArchive
{
    void operator()(struct archive *a) const { archive_read_free(a); }
};
struct Entry
{
    void operator()(struct archive_entry *e) const { archive_entry_free(e); }
};
using ReadHandle = std::unique_ptr<struct archive, ReadArchive>;

// Pictures and other files that are compressed already are stored as they are; deflating
// them costs time and gains nothing.
bool schonKomprimiert(const QString &name)
{
    static const QStringList endungen{
        QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("heic"),
        QStringLiteral("zip"), QStringLiteral("gz"),   QStringLiteral("mp4")};
    return endungen.contains(QFileInfo(name).suffix().toLower());
}

void packeDatei(DatabaseContext &ctx, struct archive *zip, struct archive *disk,
                const QFileInfo &datei, ExportFortschritt *fortschritt)
{
    const QString pfad = datei.absoluteFilePath();
    if (logs(ctx, 3))
        log(ctx, 3, QStringLiteral("Processing file (as std::string) ") + pfad);
    QFile file(pfad);
    if (!file.open(QIODevice::ReadOnly))
        fehler(QStringLiteral("Kann Datei nicht öffnen."),
               QStringLiteral("Die temporäre Datei %1 konnte leider nicht geöffnet werden.")
                   .arg(pfad));

    std::unique_ptr<struct archive_entry, Entry> entry(archive_entry_new());
    const QByteArray lokal = QFile::encodeName(pfad);
    archive_entry_copy_sourcepath(entry.get(), lokal.constData());
    pruefe(ctx, disk, "archive_read_disk_entry_from_file",
           archive_read_disk_entry_from_file(disk, entry.get(), file.handle(), nullptr));
    archive_entry_set_pathname_utf8(entry.get(), datei.fileName().toUtf8().constData());
    if (schonKomprimiert(datei.fileName()))
        pruefe(ctx, zip, "archive_write_zip_set_compression_store",
               archive_write_zip_set_compression_store(zip));
    else
        pruefe(ctx, zip, "archive_write_zip_set_compression_deflate",
               archive_write_zip_set_compression_deflate(zip));
    pruefe(ctx, zip, "archive_write_header", archive_write_header(zip, entry.get()));

    // The rules are asked once per file: a picture is a hundred chunks and more.
    const bool fein = logs(ctx, 1);
    char puffer[kChunk];
    qint64 gesamt = 0;
    for (;;) {
        const qint64 gelesen = file.read(puffer, kChunk);
        if (gelesen < 0)
            fehler(QStringLiteral("Kann Datei nicht öffnen."),
                   QStringLiteral("Die temporäre Datei %1 konnte leider nicht geöffnet werden.")
                       .arg(pfad));
        if (gelesen == 0)
            break;
        if (fein)
            log(ctx, 1, QStringLiteral("Writing %1 bytes of data.").arg(gelesen));
        const la_ssize_t geschrieben = archive_write_data(zip, puffer, size_t(gelesen));
        if (fein || geschrieben < 0)
            pruefe(ctx, zip, "archive_write_data", geschrieben, 1);
        if (fein)
            log(ctx, 1,
                QStringLiteral("archive_write_data (wrote %1 bytes of data)").arg(geschrieben));
        gesamt += gelesen;
    }
    if (fortschritt && !fortschritt->bild(gesamt))
        throw ExportAbgebrochen();
}

ReadHandle oeffne(DatabaseContext &ctx, const QString &archiv)
{
    ReadHandle zip(pruefeObjekt(ctx, "archive_read_new", archive_read_new()));
    pruefe(ctx, zip.get(), "archive_read_support_format_zip",
           archive_read_support_format_zip(zip.get()));
    pruefe(
        ctx, zip.get(), "archive_read_open_filename",
        archive_read_open_filename(zip.get(), QFile::encodeName(archiv).constData(), kReadBlock));
    return zip;
}

// Refuses the archive with one of the messages about its entries.
[[noreturn]] void verweigere(const QString &titel, const QString &grund)
{
    fehler(titel, grund + QStringLiteral(" \n\nDaher wurde das Archiv nicht entpackt."));
}

QString eintragsName(struct archive_entry *entry)
{
    const char *roh = archive_entry_pathname_utf8(entry);
    if (!roh)
        roh = archive_entry_pathname(entry);
    return QString::fromUtf8(roh ? roh : "");
}

// The plain file name an entry is written under in the directory (directories inside the
// archive are flattened); empty when the name names no file. Refuses a name that leads out
// of the directory: absolute, with a drive, or with a ".." anywhere.
QString einfacherName(const QString &archiv, const QString &roh)
{
    QString pfad = roh;
    pfad.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList teile = pfad.split(QLatin1Char('/'));
    const bool laufwerk =
        pfad.size() >= 2 && pfad.at(0).isLetter() && pfad.at(1) == QLatin1Char(':');
    if (pfad.startsWith(QLatin1Char('/')) || laufwerk || teile.contains(QStringLiteral("..")))
        verweigere(QStringLiteral("Unzulaessiger Dateiname im Archiv"),
                   QStringLiteral("Der Eintrag %1 des Archivs %2 wuerde ausserhalb des "
                                  "Verzeichnisses geschrieben, in das entpackt wird.")
                       .arg(roh, archiv));
    const QString name = teile.last();
    return name == QLatin1String(".") ? QString() : name;
}

[[noreturn]] void zuGross(const QString &archiv, const QString &eintrag, qint64 grenze)
{
    verweigere(QStringLiteral("Eintrag im Archiv zu gross"),
               QStringLiteral("Der Eintrag %1 des Archivs %2 ist groesser als %3 Bytes.")
                   .arg(eintrag, archiv, QString::number(grenze)));
}

[[noreturn]] void keinPlatz(const QString &archiv, const QDir &tempDir, qint64 benoetigt,
                            qint64 frei)
{
    verweigere(QStringLiteral("Nicht genug Speicherplatz"),
               QStringLiteral("Das Archiv %1 belegt entpackt mindestens %2 Bytes, im Verzeichnis "
                              "%3 sind aber nur %4 Bytes frei.")
                   .arg(archiv, QString::number(benoetigt), tempDir.absolutePath(),
                        QString::number(frei)));
}

[[noreturn]] void zuViele(const QString &archiv, qint64 grenze)
{
    verweigere(QStringLiteral("Zu viele Eintraege im Archiv"),
               QStringLiteral("Das Archiv %1 enthaelt mehr als %2 Dateien.")
                   .arg(archiv, QString::number(grenze)));
}

// The plain name of the file an entry is extracted to, empty for a directory; refuses an entry
// whose name leads out of the directory or names no file, and one that is no regular file.
QString dateiName(const QString &archiv, struct archive_entry *entry)
{
    const QString roh = eintragsName(entry);
    const QString name = einfacherName(archiv, roh);
    const auto art = archive_entry_filetype(entry);
    if (art == AE_IFDIR)
        return QString();
    if (art != AE_IFREG || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
        verweigere(QStringLiteral("Unzulaessiger Eintrag im Archiv"),
                   QStringLiteral("Der Eintrag %1 des Archivs %2 ist keine gewoehnliche Datei "
                                  "(sondern zum Beispiel ein Verweis oder eine Geraetedatei).")
                       .arg(roh, archiv));
    if (name.isEmpty())
        verweigere(QStringLiteral("Unzulaessiger Dateiname im Archiv"),
                   QStringLiteral("Der Eintrag %1 des Archivs %2 hat keinen Dateinamen.")
                       .arg(roh, archiv));
    return name;
}

// Calls `tue(archive, entry, plain name)` for every file of the archive (names and kinds
// checked, directories skipped).
template <typename Tue> void fuerJedeDatei(DatabaseContext &ctx, const QString &archiv, Tue tue)
{
    ReadHandle zip = oeffne(ctx, archiv);
    struct archive_entry *entry = nullptr;
    while (pruefe(ctx, zip.get(), "archive_read_next_header",
                  archive_read_next_header(zip.get(), &entry)) != ARCHIVE_EOF) {
        const QString name = dateiName(archiv, entry);
        if (!name.isEmpty())
            tue(zip.get(), entry, name);
    }
}

// One pass over the entries before anything is written: names, kinds and declared sizes.
void pruefeEintraege(DatabaseContext &ctx, const QString &archiv, const QDir &tempDir,
                     const ArchiveHelper::Grenzen &grenzen, qint64 frei)
{
    QSet<QString> vergeben;
    qint64 summe = 0;
    fuerJedeDatei(
        ctx, archiv, [&](struct archive *, struct archive_entry *entry, const QString &name) {
            if (vergeben.contains(name))
                verweigere(QStringLiteral("Doppelter Eintrag im Archiv"),
                           QStringLiteral("Das Archiv %1 enthaelt mehr als einen Eintrag mit dem "
                                          "Dateinamen %2.")
                               .arg(archiv, name));
            vergeben.insert(name);
            if (vergeben.size() > grenzen.dateien)
                zuViele(archiv, grenzen.dateien);
            if (archive_entry_size_is_set(entry)) {
                const qint64 groesse = archive_entry_size(entry);
                if (groesse > grenzen.jeEintrag)
                    zuGross(archiv, eintragsName(entry), grenzen.jeEintrag);
                summe += groesse;
                if (summe > frei)
                    keinPlatz(archiv, tempDir, summe, frei);
            }
        });
}

} // namespace

namespace ArchiveHelper {

QDir erstelleTempVerzeichnis(DatabaseContext &ctx, const QString &basisDatei)
{
    const QDir basis = QFileInfo(basisDatei).absoluteDir();
    if (!basis.exists() || !QFileInfo(basis.absolutePath()).isExecutable())
        fehler(QStringLiteral("Konnte nicht auf Verzeichnis zugreifen."),
               QStringLiteral("Der Versuch auf das Basisverzeichnis von %1 zuzugreifen ist "
                              "gescheitert. \n\nDaher konnte die gewuenschte Aktion nicht "
                              "ausgefuehrt werden.")
                   .arg(basisDatei));
    const QString name = QCoreApplication::translate("ArchiveHelper", "tmp") +
                         ctx.now().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    // A directory of that name may be left from an export in the same second: never share it.
    QString frei = name;
    for (int n = 1; basis.exists(frei); ++n)
        frei = name + QLatin1Char('_') + QString::number(n);
    if (!basis.mkdir(frei) || !QFileInfo(basis.filePath(frei)).isWritable())
        fehler(QStringLiteral("Konnte temporaeres Verzeichnis nicht schreiben"),
               QStringLiteral("Der Versuch, im Verzeichnis %1 ein temporaeres Verzeichnis %2 "
                              "anzulegen und darauf zuzugreifen ist gescheitert. \n\nDaher konnte "
                              "die gewuenschte Aktion nicht ausgefuehrt werden.")
                   .arg(basis.absolutePath(), frei));
    return QDir(basis.filePath(frei));
}

void schreibeArchiv(DatabaseContext &ctx, const QDir &tempDir, const QString &outputDir,
                    const QString &outputFileNamePrefix, bool deleteTempDirectory,
                    ExportFortschritt *fortschritt)
{
    const QDir zielVerzeichnis(outputDir);
    const QString name = outputFileNamePrefix + QStringLiteral(".zip");
    const QString ziel = zielVerzeichnis.absoluteFilePath(name);
    log(ctx, 5, QStringLiteral("Starting to write archive"));
    log(ctx, 5, QStringLiteral("==> archiveTempDir = ") + tempDir.absolutePath());
    log(ctx, 5, QStringLiteral("==> outputDir = ") + outputDir);
    log(ctx, 5, QStringLiteral("==> outputFileNamePrefix = ") + outputFileNamePrefix);
    log(ctx, 5,
        QStringLiteral("==> deleteTempDirectory = ") +
            (deleteTempDirectory ? QStringLiteral("true") : QStringLiteral("false")));
    log(ctx, 5, QStringLiteral("Computed outputFileName = ") + name);
    log(ctx, 5, QStringLiteral("Computed outputFilePath (as std::string) = ") + ziel);

    // Written under a temporary name beside the target; the target is replaced only by a
    // complete archive.
    QTemporaryFile teil(
        zielVerzeichnis.absoluteFilePath(QStringLiteral(".") + name + QStringLiteral(".XXXXXX")));
    if (!teil.open())
        ohneRueckgabewert(teil.fileName() + QStringLiteral(": ") + teil.errorString(), errno);
    const QByteArray teilName = QFile::encodeName(teil.fileName());
    {
        std::unique_ptr<struct archive, WriteArchive> zip(
            pruefeObjekt(ctx, "archive_write_new", archive_write_new()));
        pruefe(ctx, zip.get(), "archive_write_set_format_zip",
               archive_write_set_format_zip(zip.get()));
        pruefe(ctx, zip.get(), "archive_write_set_format_option",
               archive_write_set_format_option(zip.get(), "zip", "hdrcharset", "UTF-8"));
        pruefe(ctx, zip.get(), "archive_write_open_filename",
               archive_write_open_filename(zip.get(), teilName.constData()));
        std::unique_ptr<struct archive, ReadArchive> disk(
            pruefeObjekt(ctx, "archive_read_disk_new", archive_read_disk_new()));

        log(ctx, 5, QStringLiteral("Starting to process entries"));
        const QFileInfoList dateien =
            tempDir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QFileInfo &datei : dateien)
            packeDatei(ctx, zip.get(), disk.get(), datei, fortschritt);
        pruefe(ctx, zip.get(), "archive_write_close", archive_write_close(zip.get()));
    }

    const QFile alt(ziel);
    if (alt.exists()) {
        log(ctx, 5,
            QStringLiteral("Deleting old archive file ") + name + QStringLiteral(" at ") +
                zielVerzeichnis.absolutePath());
        teil.setPermissions(alt.permissions());
    } else {
        log(ctx, 5,
            QStringLiteral("There is no old archive ") + name +
                QStringLiteral(" to delete in directory ") + zielVerzeichnis.absolutePath());
        teil.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    // rename() replaces the old archive in one step.
    if (std::rename(teilName.constData(), QFile::encodeName(ziel).constData()) != 0)
        fehler(QStringLiteral("Fehler beim Ueberschreiben"),
               QStringLiteral("Das bereits existierende Archiv %1 konnte nicht ueberschrieben "
                              "werden.")
                   .arg(ziel));
    teil.setAutoRemove(false);

    if (deleteTempDirectory) {
        loescheTempVerzeichnis(ctx, tempDir);
        log(ctx, 5, QStringLiteral("Deleted temp directory"));
    }
}

void loescheTempVerzeichnis(DatabaseContext &ctx, const QDir &dir)
{
    const QString pfad = dir.absolutePath();
    bool fehlgeschlagen = false;
    for (const QString &datei : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString zeile =
            QStringLiteral("Deleting file ") + datei + QStringLiteral(" in directory ") + pfad;
        if (QFile::remove(dir.filePath(datei))) {
            log(ctx, 3, zeile);
        } else {
            log(ctx, 3, zeile + QStringLiteral(" failed."));
            fehlgeschlagen = true;
        }
    }
    QDir eltern(pfad);
    eltern.cdUp();
    log(ctx, 5,
        QStringLiteral("Deleting temporary directory ") + dir.dirName() + QStringLiteral(" at ") +
            eltern.absolutePath());
    if (fehlgeschlagen || !eltern.rmdir(dir.dirName()))
        fehler(QStringLiteral("Loeschen der temporaeren Dateien fehlgeschlagen."),
               QStringLiteral("Waehrend des Exports wurde das temporaere Verzeichnis %1 angelegt. "
                              "Das Loeschen desselben ist fehlgeschlagen.")
                   .arg(pfad));
}

void entpacke(DatabaseContext &ctx, const QString &archiveFile, const QDir &tempDir,
              const Grenzen &grenzen)
{
    log(ctx, 5,
        QStringLiteral("Extracting archive ") + archiveFile + QStringLiteral(" into directory ") +
            tempDir.absolutePath());
    const qint64 frei =
        grenzen.frei >= 0 ? grenzen.frei : QStorageInfo(tempDir.absolutePath()).bytesAvailable();
    pruefeEintraege(ctx, archiveFile, tempDir, grenzen, frei);

    QStringList geschrieben;
    try {
        qint64 summe = 0;
        // Names and kinds are checked again: the file may have changed since the first pass.
        fuerJedeDatei(
            ctx, archiveFile,
            [&](struct archive *zip, struct archive_entry *entry, const QString &name) {
                if (geschrieben.size() >= grenzen.dateien)
                    zuViele(archiveFile, grenzen.dateien);
                qint64 eintragsEnde = 0;
                QFile datei(tempDir.filePath(name));
                // A new file only: never through a link or over another file.
                if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                    fehler(QStringLiteral("Datei nicht schreibbar"),
                           QStringLiteral("Kann die Datei %1 nicht zum Schreiben oeffnen.")
                               .arg(datei.fileName()));
                geschrieben << datei.fileName();
                const QString roh = eintragsName(entry);
                const void *block = nullptr;
                size_t groesse = 0;
                la_int64_t offset = 0;
                while (pruefe(ctx, zip, "archive_read_data_block",
                              archive_read_data_block(zip, &block, &groesse, &offset),
                              1) != ARCHIVE_EOF) {
                    if (logs(ctx, 1))
                        log(ctx, 1,
                            QStringLiteral("Read %1 bytes at offset %2").arg(groesse).arg(offset));
                    // The sizes the archive declares can lie: what arrives counts.
                    const qint64 ende = offset + qint64(groesse);
                    if (offset < 0 || ende > grenzen.jeEintrag)
                        zuGross(archiveFile, roh, grenzen.jeEintrag);
                    if (ende > eintragsEnde) {
                        summe += ende - eintragsEnde;
                        eintragsEnde = ende;
                    }
                    if (summe > frei)
                        keinPlatz(archiveFile, tempDir, summe, frei);
                    if ((datei.pos() != offset && !datei.seek(offset)) ||
                        datei.write(static_cast<const char *>(block), qint64(groesse)) !=
                            qint64(groesse))
                        fehler(QStringLiteral("Datei nicht schreibbar"),
                               QStringLiteral("Kann die Datei %1 nicht zum Schreiben oeffnen.")
                                   .arg(datei.fileName()));
                    if (logs(ctx, 1))
                        log(ctx, 1, QStringLiteral("Wrote %1 bytes.").arg(groesse));
                }
            });
    } catch (...) {
        for (const QString &datei : geschrieben)
            QFile::remove(datei);
        throw;
    }
}

void pruefeEndung(const QString &datei)
{
    if (!datei.endsWith(QLatin1String(".csv")) && !datei.endsWith(QLatin1String(".zip")))
        fehler(
            QStringLiteral("Falsches Dateiformat"),
            QStringLiteral("Es koennen nur csv-Dateien mit der Endung .csv sowie ZIP-Dateien mit "
                           "der Endung .zip importiert werden.  Die Datei %1 hat somit keine "
                           "unterstuetzte Endung.")
                .arg(datei));
}

QString einzigeCsvDatei(const QDir &dir)
{
    QStringList csv;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (name.endsWith(QLatin1String(".csv")))
            csv << name;
    if (csv.isEmpty())
        fehler(QStringLiteral("Keine csv-Datei gefunden"),
               QStringLiteral("Das zu importierende Archiv enthaelt anscheinend keine csv-Datei."));
    if (csv.size() > 1)
        fehler(QStringLiteral("Mehrere csv-Dateien"),
               QStringLiteral("Das zu importierende Archiv enthaelt mehrere csv-Dateien. Das ist "
                              "nicht erlaubt."));
    return dir.filePath(csv.first());
}

QString findeCsvDatei(DatabaseContext &ctx, const QString &archiveFile)
{
    return ImportDatei::bereiteVor(ctx, archiveFile).csvDatei;
}

} // namespace ArchiveHelper
