#pragma once

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class DatabaseContext;
class ExportCallStrategy;
class QWidget;

// Writes the strategy into a file the user chooses: the save dialog "Dateiname fuer Export
// waehlen" (the filters joined with ";;", opened in the directory chosen last, which the
// context remembers), a ".csv" file directly or a ".zip" archive with the pictures, with a
// progress dialog that can cancel. Returns the seconds the export took; no value when the
// user cancelled the file dialog or the export, or when it failed (the error has then been
// shown). Nothing is left under the chosen name unless the export succeeded.
std::optional<double> exportiereInDatei(QWidget *parent, DatabaseContext &ctx,
                                        ExportCallStrategy &strategie, const QStringList &filter);

// The same for a strategy built only after the file was chosen: a failure while building it
// is shown as "Fehler beim Export: ..." and gives no value.
using ExportStrategieFabrik = std::function<std::unique_ptr<ExportCallStrategy>()>;
std::optional<double> exportiereInDatei(QWidget *parent, DatabaseContext &ctx,
                                        const ExportStrategieFabrik &fabrik,
                                        const QStringList &filter);

// "Export erfolgreich beendet" / "Der Export wurde erfolgreich beendet."
void zeigeExportErfolg(QWidget *parent);

// The filters of the file dialog.
namespace ExportFilter {
QString zip(); // "ZIP-Archive *.zip"
QString csv(); // "CSV-Dateien *.csv"
} // namespace ExportFilter

// A duration for the messages "Dauer: %1": "%1 Stunden, %2 Minuten, %3 Sekunden" from one
// hour on, "%1 Minuten, %2 Sekunden" from one minute on, else "%1 Sekunden".
QString zeitspanne(int sekunden);
