#include "PersistenceContext.h"

#include "PersistenceException.h"
#include "SqlWriter.h"

#include <mysql++/mysql++.h>

#include <iostream>

QString PersistenceContext::readServerVariable(const QString &name)
{
    SqlWriter writer(connection());
    SqlStatement statement;
    statement << "SHOW VARIABLES LIKE " << writer.quoted(name);
    std::cout << "Query: " << statement.text() << std::endl;
    mysqlpp::StoreQueryResult result;
    try {
        mysqlpp::Query query = connection().query();
        query << statement.text();
        result = query.store();
    } catch (const mysqlpp::Exception &error) {
        std::cerr << "Database error: " << error.what() << std::endl;
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
    logQuery(QStringLiteral("MySQLSettingController"), int(result.num_rows()),
             QStringLiteral("MYSQLSETTINGS"), QString(), statement.logCopy(),
             QStringLiteral("none"), true);
    if (result.num_rows() != 1)
        throw PersistenceException(
            QStringLiteral("Interner Datenbankfehler"),
            QStringLiteral("Bei der Abfrage der MySQL-Einstellung %1 wurden %2 Werte "
                           "zurückgegeben.  Erwartet wurde genau einer.")
                .arg(name)
                .arg(result.num_rows()));
    const mysqlpp::String &value = result[0][1];
    return QString::fromUtf8(value.data(), int(value.length()));
}
