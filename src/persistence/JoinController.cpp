#include "JoinController.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "entities/Verein.h"

#include <mysql++/mysql++.h>

std::vector<std::unique_ptr<Record>> JoinController::search(const Record &model,
                                                            const SearchModelSpec &modelSpec,
                                                            StrategyMap strategies,
                                                            const RecordClassInfo &rowClass)
{
    QStringList columns;
    QStringList tables;
    const JoinTableSpec *vereinTable = nullptr;
    for (int t = 0; t < m_spec.tableCount; ++t) {
        const JoinTableSpec &table = m_spec.tables[t];
        const QString alias = QString::fromLatin1(table.alias);
        for (int c = 0; c < table.columnCount; ++c)
            columns << alias + QLatin1Char('.') + QString::fromLatin1(table.columns[c]);
        tables << QString::fromLatin1(table.table) + QLatin1Char(' ') + alias;
        if (qstrcmp(table.table, "Verein") == 0)
            vereinTable = &table;
    }

    SqlWriter writer(m_ctx.connection());
    ConditionList conditions(writer);
    appendSearchConditions(conditions, model, modelSpec, strategies);
    for (int j = 0; j < m_spec.joinCount; ++j)
        conditions.append(QString::fromLatin1(m_spec.joins[j]));

    SqlStatement statement;
    statement << QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                     QStringLiteral(" FROM ") + tables.join(QStringLiteral(", "));
    if (!conditions.conditions().isEmpty())
        statement << QStringLiteral(" WHERE ") +
                         conditions.conditions().join(QStringLiteral(" AND "));

    const QString location = QString::fromLatin1(m_spec.name);
    const QString entities = QString::fromLatin1(m_spec.entities);
    mysqlpp::StoreQueryResult result;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query << statement.text();
        result = query.store();
    } catch (const mysqlpp::Exception &error) {
        m_ctx.logQuery(location, 0, QStringLiteral("SELECT"),
                       QStringLiteral("Database error: ") + QString::fromUtf8(error.what()),
                       statement.logCopy(), entities, m_spec.logToDatabase);
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
    m_ctx.logQuery(location, int(result.num_rows()), QStringLiteral("SELECT"), QString(),
                   statement.logCopy(), entities, m_spec.logToDatabase);

    // Where each selected column goes in a row, and its type.
    std::vector<int> rows;
    std::vector<int> types;
    for (int t = 0; t < m_spec.tableCount; ++t) {
        const JoinTableSpec &table = m_spec.tables[t];
        for (int c = 0; c < table.columnCount; ++c) {
            rows.push_back(table.firstRow + c);
            types.push_back(rowClass.slotAt(table.firstRow + c).metaType);
        }
    }

    const EntityDescription *verein = m_ctx.dataModel().entity(QStringLiteral("Verein"));
    std::vector<std::unique_ptr<Record>> joined;
    joined.reserve(result.num_rows());
    for (const mysqlpp::Row &resultRow : result) {
        std::unique_ptr<Record> row(rowClass.create());
        for (size_t column = 0; column < rows.size() && column < resultRow.size(); ++column) {
            const mysqlpp::String &field = resultRow[column];
            if (!field.is_null())
                row->loadValueAt(rows[column], EntityController::fromColumnText(
                                                   field.data(), field.length(), types[column]));
        }
        if (vereinTable && verein) {
            Verein club;
            toEntity(*row, *vereinTable, club);
            if (!m_ctx.mayRead(*verein, club))
                continue;
        }
        joined.push_back(std::move(row));
    }
    return joined;
}

void JoinController::toEntity(const Record &row, const JoinTableSpec &table, Record &entity)
{
    for (int a = 0; a < table.attributeCount; ++a) {
        const int target = entity.classInfo().rowOf(QString::fromLatin1(table.attributes[a]));
        if (target >= 0)
            entity.setValueAt(target, row.rawValueAt(table.firstRow + a));
    }
}

void JoinController::fromEntity(const Record &entity, const JoinTableSpec &table, Record &row)
{
    for (int a = 0; a < table.attributeCount; ++a) {
        const int source = entity.classInfo().rowOf(QString::fromLatin1(table.attributes[a]));
        row.setValueAt(table.firstRow + a, source >= 0 ? entity.rawValueAt(source) : QVariant());
    }
}
