#pragma once

#include <QDir>
#include <QString>

class DatabaseContext;
class ExportFortschritt;

// ZIP archives of exported files and their unpacking before an import, over libarchive.
// Failures are AnwendungsFehler (category "Archive", location "ArchiveHelper").
namespace ArchiveHelper {

// Creates the directory "tmp" + "yyyyMMdd_hhmmss" (the context's clock) in the directory
// holding `basisDatei` and returns it.
QDir erstelleTempVerzeichnis(DatabaseContext &ctx, const QString &basisDatei);

// Packs every file of `tempDir` into outputDir/outputFileNamePrefix + ".zip" under its plain
// name, streaming the files in chunks. The archive is written under a temporary name beside
// the target and renamed into place only when complete: a failure leaves an existing archive
// as it was. `fortschritt` hears of every file packed (its bytes) and may cancel
// (ExportAbgebrochen).
void schreibeArchiv(DatabaseContext &ctx, const QDir &tempDir, const QString &outputDir,
                    const QString &outputFileNamePrefix, bool deleteTempDirectory,
                    ExportFortschritt *fortschritt = nullptr);

// Deletes every file of the directory, then the directory.
void loescheTempVerzeichnis(DatabaseContext &ctx, const QDir &dir);

// What an archive may unpack to.
struct Grenzen
{
    qint64 jeEintrag = qint64(4) << 30; // bytes of one entry
    qint64 frei = -1; // bytes all entries together; -1: the free space of the file system
    qint64 dateien = 1000000; // files in the archive (a million empty ones fill no disk, but
                              // take the file system's inodes and an hour to delete)
};

// Extracts every file of the archive into `tempDir` under its plain name (directories inside
// the archive are flattened, directory entries skipped). The whole archive is refused, with
// nothing written, when an entry's name leads out of the directory (absolute, a drive, "..")
// or names no file, when an entry is no regular file (link, device, fifo...), when two
// entries have the same name, or when the number of files or the sizes exceed the limits: the declared ones are
// checked before anything is written, the actual ones while writing (the files written until
// then are removed).
void entpacke(DatabaseContext &ctx, const QString &archiveFile, const QDir &tempDir,
              const Grenzen &grenzen = {});

// Refuses ("Falsches Dateiformat") a file to import whose name ends neither in ".csv" nor in
// ".zip" (case-sensitive).
void pruefeEndung(const QString &datei);

// The path of the one file ending in ".csv" in the directory; fails when there is none or
// more than one.
QString einzigeCsvDatei(const QDir &dir);

// Creates a temporary directory beside the archive, extracts it there and returns the path
// of its one CSV file (a ".csv" file is returned as it is).
QString findeCsvDatei(DatabaseContext &ctx, const QString &archiveFile);

} // namespace ArchiveHelper
