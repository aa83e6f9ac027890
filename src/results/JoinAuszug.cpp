#include "JoinAuszug.h"

#include "DatabaseContext.h"
#include "EntityController.h"
#include "JoinController.h"
#include "PersistenceException.h"
#include "SqlWriter.h"

#include <mysql++/mysql++.h>

JoinAuszug::JoinAuszug(DatabaseContext &ctx, const JoinDef &def,
                       const RecordClassInfo &zeilenklasse, std::vector<int> attribute)
    : m_ctx(ctx), m_def(def), m_klasse(zeilenklasse), m_attribute(std::move(attribute))
{
}

QString JoinAuszug::spalte(int attribut) const
{
    for (int t = 0; t < m_def.tableCount; ++t) {
        const JoinTableDef &table = m_def.tables[t];
        if (attribut >= table.firstRow && attribut < table.firstRow + table.columnCount)
            return QString::fromLatin1(table.alias) + QLatin1Char('.') +
                   QString::fromLatin1(table.columns[attribut - table.firstRow]);
    }
    throw PersistenceException(QStringLiteral("Interner Fehler"),
                               QStringLiteral("Attribut %1 von %2 wird nicht gelesen.")
                                   .arg(attribut)
                                   .arg(QString::fromLatin1(m_def.name)));
}

std::vector<std::vector<QVariant>>
JoinAuszug::lese(const std::vector<std::pair<int, QVariant>> &bedingungen)
{
    QStringList spalten;
    for (int attribut : m_attribute)
        spalten << spalte(attribut);
    QStringList tabellen;
    for (int t = 0; t < m_def.tableCount; ++t)
        tabellen << QString::fromLatin1(m_def.tables[t].table) + QLatin1Char(' ') +
                        QString::fromLatin1(m_def.tables[t].alias);
    QStringList wo;
    const SqlWriter writer(m_ctx.connection());
    for (const auto &[attribut, wert] : bedingungen)
        wo << spalte(attribut) + QStringLiteral(" = ") +
                  writer.literal(wert, m_klasse.slotAt(attribut).metaType);
    for (int j = 0; j < m_def.joinCount; ++j)
        wo << QString::fromLatin1(m_def.joins[j]);

    SqlStatement statement;
    statement << QStringLiteral("SELECT ") + spalten.join(QStringLiteral(", ")) +
                     QStringLiteral(" FROM ") + tabellen.join(QStringLiteral(", ")) +
                     QStringLiteral(" WHERE ") + wo.join(QStringLiteral(" AND ")) +
                     QStringLiteral(" ORDER BY ") + QString::fromLatin1(m_def.tables[0].alias) +
                     QStringLiteral(".id");

    std::vector<int> typen;
    for (int attribut : m_attribute)
        typen.push_back(m_klasse.slotAt(attribut).metaType);
    const QString entities = QString::fromLatin1(m_def.entities);
    std::vector<std::vector<QVariant>> zeilen;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result = query.use(statement.text().data(), statement.text().size());
        const size_t breite = std::min(typen.size(), size_t(result.num_fields()));
        while (const MYSQL_ROW roh = result.fetch_raw_row()) {
            const unsigned long *laengen = result.fetch_lengths();
            std::vector<QVariant> zeile(typen.size());
            for (size_t s = 0; s < breite; ++s)
                if (roh[s])
                    zeile[s] = EntityController::fromColumnText(roh[s], laengen[s], typen[s]);
            zeilen.push_back(std::move(zeile));
        }
    } catch (const mysqlpp::Exception &fehler) {
        m_ctx.logQuery(QString::fromLatin1(m_def.name), 0, QStringLiteral("SELECT"),
                       QStringLiteral("Database error: ") + QString::fromUtf8(fehler.what()),
                       statement.logCopy(), entities, m_def.logToDatabase);
        throw PersistenceException::databaseError(QString::fromUtf8(fehler.what()));
    }
    m_ctx.logStatement(m_def.name, int(zeilen.size()), "SELECT", QString(), statement, entities,
                       m_def.logToDatabase);
    return zeilen;
}
