#pragma once

#include <QString>

#include <functional>

class DatabaseContext;
class QWidget;
struct ImportResult;

// The steps of an import from a file that the main window runs in the GUI thread, between
// its worker threads (ExtractThread, ImportThread).
namespace ImportAusDatei {

// The file to import: the dialog "Datei auswaehlen, aus der Daten importiert werden sollen"
// with the filter "Ggf. komprimierte CSV-Dateien (*.zip *.csv)", opened in the directory the
// context remembers (which it then remembers). Empty when the user cancelled.
QString waehleDatei(QWidget *parent, DatabaseContext &ctx);

// Reads the meta lines of the data file and checks its data model version. A failure of the
// meta lines is shown and ends the import; a failed version check asks whether to import
// anyway (status "Rueckfrage" meanwhile). Returns whether the import goes on.
bool pruefeMetaInformationen(QWidget *parent, DatabaseContext &ctx, const QString &csvDatei,
                             const std::function<void(const QString &)> &status);

// The closing message: the counts and the duration, or that a cancelled import changed
// nothing.
void zeigeErgebnis(QWidget *parent, const ImportResult &ergebnis, int sekunden);

} // namespace ImportAusDatei
