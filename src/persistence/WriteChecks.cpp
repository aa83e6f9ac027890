#include "WriteChecks.h"

#include "DataModel.h"
#include "PersistenceContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "entities/Persistent.h"

namespace WriteChecks {

void checkWritePermission(PersistenceContext &ctx, const EntityDescription &entity,
                          const Persistent &object)
{
    if (entity.privilegesChecked() && !ctx.mayWrite(entity, object))
        throw NoSuchPrivilegeException(
            QStringLiteral("Keine Berechtigung."),
            QStringLiteral("Sie haben keine Berechtigung, dieses Objekt vom Typ %1 auf die "
                           "Datenbank zu schreiben.  Bitte pruefen Sie Ihre Berechtigungen.")
                .arg(entity.codeName()));
}

void checkTextWidths(const EntityDescription &entity, const Persistent &object)
{
    for (const ColumnInfo &column : entity.columns()) {
        if (column.maxLength < 0 || !object.isSetAt(column.row))
            continue;
        const QString text = object.rawValueAt(column.row).toString();
        if (text.size() <= column.maxLength)
            continue; // never more characters than UTF-16 units
        const qsizetype length = text.toUcs4().size();
        if (length > column.maxLength)
            throw PersistenceException(
                QStringLiteral("Eingabe zu lang"),
                QStringLiteral("Der Wert des Attributs %1 von %2 ist %3 Zeichen lang, die "
                               "Datenbank erlaubt aber hoechstens %4 Zeichen.  Bitte kuerzen Sie "
                               "die Eingabe.")
                    .arg(column.attribute->codeName(), entity.codeName())
                    .arg(length)
                    .arg(column.maxLength));
    }
}

void fail(PersistenceContext &ctx, const char *location, bool logToDatabase,
          const EntityDescription &entity, const SqlStatement &statement, const char *kind,
          const std::string &message)
{
    ctx.logQuery(QString::fromLatin1(location), 0, QString::fromLatin1(kind),
                 QStringLiteral("Database error: ") + QString::fromStdString(message),
                 statement.logCopy(), entity.dbName(), logToDatabase);
    throw PersistenceException::databaseError(QString::fromStdString(message));
}

} // namespace WriteChecks
