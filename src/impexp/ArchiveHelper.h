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

// Extracts every entry of the archive into `tempDir`; an entry's name is reduced to a plain
// file name inside that directory (directories, "..", absolute paths never lead out of it).
void entpacke(DatabaseContext &ctx, const QString &archiveFile, const QDir &tempDir);

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
