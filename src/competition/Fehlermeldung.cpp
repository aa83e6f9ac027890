#include "Fehlermeldung.h"

#include "DatabaseContext.h"
#include "Record.h"

namespace Fehlermeldung {

Meldung melde(DatabaseContext &ctx, const char *location, const QString &titel, const QString &text,
              const QString &log)
{
    Meldung meldung{titel, text, log.isEmpty() ? titel : log};
    ctx.log(QStringLiteral("Fehlermeldung"), QString::fromLatin1(location), 7, meldung.log);
    return meldung;
}

void erfolg(DatabaseContext &ctx, const char *location, const QString &text)
{
    ctx.log(QStringLiteral("Dialog"), QString::fromLatin1(location), 7, text);
}

QString text(const Record &record, int row)
{
    return record.isSetAt(row) ? record.rawValueAt(row).toString() : QString();
}

} // namespace Fehlermeldung
