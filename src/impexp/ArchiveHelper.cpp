#include "ArchiveHelper.h"

namespace ArchiveHelper {

QDir erstelleTempVerzeichnis(DatabaseContext &, const QString &) { return QDir(); }
void schreibeArchiv(DatabaseContext &, const QDir &, const QString &, const QString &, bool,
                    ExportFortschritt *)
{
}
void loescheTempVerzeichnis(DatabaseContext &, const QDir &) {}
void entpacke(DatabaseContext &, const QString &, const QDir &) {}
QString findeCsvDatei(DatabaseContext &, const QString &) { return QString(); }

} // namespace ArchiveHelper
