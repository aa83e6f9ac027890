#pragma once

#include <QString>

class DatabaseContext;
class ExportCallStrategy;
class ExportFortschritt;

// Writing a strategy into a chosen file, without dialogs.
namespace Exportdatei {

// ".csv": the strategy writes the file directly; ".zip": the strategy writes into a temporary
// directory beside the target ("tmp" + "yyyyMMdd_hhmmss"), the CSV file named after the
// archive's name up to its first "." (umlauts replaced), which is then packed into the archive
// and deleted; any other ending fails with "Dateiformat nicht unterstuetzt". Returns the
// seconds taken. Throws AnwendungsFehler, PersistenceException or ExportAbgebrochen; after a
// failure nothing new is left under `ziel` (an existing file stays as it was) and no
// temporary directory remains.
double schreibe(DatabaseContext &ctx, ExportCallStrategy &strategy, const QString &ziel,
                ExportFortschritt *fortschritt = nullptr);

} // namespace Exportdatei
