#include "JoinController.h"

#include "DataModel.h"
#include "PersistenceContext.h"
#include "EntityController.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "entities/Verein.h"

#include <mysql++/mysql++.h>

#include <algorithm>

std::vector<std::unique_ptr<Record>> JoinController::search(const Record &model,
                                                            const SearchModelDef &modelDef,
                                                            StrategyMap strategies,
                                                            const RecordClassInfo &rowClass)
{
    QStringList columns;
    QStringList tables;
    const JoinTableDef *vereinTable = nullptr;
    for (int t = 0; t < m_def.tableCount; ++t) {
        const JoinTableDef &table = m_def.tables[t];
        const QString alias = QString::fromLatin1(table.alias);
        for (int c = 0; c < table.columnCount; ++c)
            columns << alias + QLatin1Char('.') + QString::fromLatin1(table.columns[c]);
        tables << QString::fromLatin1(table.table) + QLatin1Char(' ') + alias;
        if (qstrcmp(table.table, "Verein") == 0)
            vereinTable = &table;
    }

    SqlWriter writer(m_ctx.connection());
    ConditionList conditions(writer);
    appendSearchConditions(conditions, model, modelDef, strategies);
    for (int j = 0; j < m_def.joinCount; ++j)
        conditions.append(QString::fromLatin1(m_def.joins[j]));

    SqlStatement statement;
    statement << QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                     QStringLiteral(" FROM ") + tables.join(QStringLiteral(", "));
    if (!conditions.conditions().isEmpty())
        statement << QStringLiteral(" WHERE ") +
                         conditions.conditions().join(QStringLiteral(" AND "));

    // Where each selected column goes in a row, and its type.
    std::vector<int> rows;
    std::vector<int> types;
    for (int t = 0; t < m_def.tableCount; ++t) {
        const JoinTableDef &table = m_def.tables[t];
        for (int c = 0; c < table.columnCount; ++c) {
            rows.push_back(table.firstRow + c);
            types.push_back(rowClass.slotAt(table.firstRow + c).metaType);
        }
    }

    const QString entities = QString::fromLatin1(m_def.entities);
    std::vector<std::unique_ptr<Record>> joined;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result =
            query.use(statement.text().data(), statement.text().size());
        const size_t width = std::min(rows.size(), size_t(result.num_fields()));
        while (const MYSQL_ROW resultRow = result.fetch_raw_row()) {
            const unsigned long *lengths = result.fetch_lengths();
            std::unique_ptr<Record> row(rowClass.create());
            for (size_t column = 0; column < width; ++column) {
                if (resultRow[column])
                    row->loadValueAt(rows[column],
                                     EntityController::fromColumnText(
                                         resultRow[column], lengths[column], types[column]));
            }
            joined.push_back(std::move(row));
        }
    } catch (const mysqlpp::Exception &error) {
        m_ctx.logQuery(QString::fromLatin1(m_def.name), 0, QStringLiteral("SELECT"),
                       QStringLiteral("Database error: ") + QString::fromUtf8(error.what()),
                       statement.logCopy(), entities, m_def.logToDatabase);
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
    m_ctx.logStatement(m_def.name, int(joined.size()), "SELECT", QString(), statement,
                       entities, m_def.logToDatabase);

    // Rows whose club the user may not read are left out silently.
    const EntityDescription *verein = m_ctx.dataModel().entity(QStringLiteral("Verein"));
    if (vereinTable && verein) {
        joined.erase(std::remove_if(joined.begin(), joined.end(),
                                    [&](const std::unique_ptr<Record> &row) {
                                        Verein club;
                                        toEntity(*row, *vereinTable, club);
                                        return !m_ctx.mayRead(*verein, club);
                                    }),
                     joined.end());
    }
    return joined;
}

void JoinController::toEntity(const Record &row, const JoinTableDef &table, Record &entity)
{
    for (int a = 0; a < table.attributeCount; ++a) {
        const int target = entity.classInfo().rowOf(QString::fromLatin1(table.attributes[a]));
        if (target >= 0)
            entity.setValueAt(target, row.rawValueAt(table.firstRow + a));
    }
}

void JoinController::fromEntity(const Record &entity, const JoinTableDef &table, Record &row)
{
    for (int a = 0; a < table.attributeCount; ++a) {
        const int source = entity.classInfo().rowOf(QString::fromLatin1(table.attributes[a]));
        row.setValueAt(table.firstRow + a, source >= 0 ? entity.rawValueAt(source) : QVariant());
    }
}
