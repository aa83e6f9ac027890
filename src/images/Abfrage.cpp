#include "Abfrage.h"

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"

mysqlpp::StoreQueryResult frageAb(DatabaseContext &ctx, const char *ort,
                                  const SqlStatement &statement, const QString &tabellen)
{
    try {
        mysqlpp::Query query = ctx.connection().query();
        mysqlpp::StoreQueryResult result =
            query.store(statement.text().data(), statement.text().size());
        ctx.logStatement(ort, int(result.num_rows()), "SELECT", QString(), statement, tabellen,
                         true);
        return result;
    } catch (const mysqlpp::Exception &error) {
        ctx.logQuery(QString::fromLatin1(ort), 0, QStringLiteral("SELECT"),
                     QStringLiteral("Database error: ") + QString::fromUtf8(error.what()),
                     statement.logCopy(), tabellen, true);
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
}

QString feldText(const mysqlpp::Row &row, int spalte)
{
    return row[spalte].is_null() ? QString()
                                 : QString::fromUtf8(row[spalte].data(), int(row[spalte].length()));
}
