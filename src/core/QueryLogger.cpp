#include "QueryLogger.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "LogText.h"
#include "PersistenceException.h"
#include "controllers/QueryLogController.h"
#include "controllers/QueryLogSettingsController.h"

#include <QStringList>

QueryLogger::QueryLogger() = default;
QueryLogger::~QueryLogger() = default;

bool QueryLogger::matchesQueryType(const CodeManager &codes, const QueryLogSettings &rule,
                                   const QString &statementType)
{
    if (!rule.hasQueryType())
        return true;
    const auto covers = [&](const char *ruleType) {
        return codes.isCodeValue(rule.getQueryType(), QStringLiteral("QueryType"),
                                 QString::fromLatin1(ruleType));
    };
    if (statementType.isEmpty())
        return false;
    // A rule always covers statements of its own kind; the groups cover the plain reads
    // and writes only, never account, privilege or other statements.
    if (codes.isCodeValue(rule.getQueryType(), QStringLiteral("QueryType"), statementType))
        return true;
    if (statementType == QLatin1String("SELECT"))
        return covers("ALL") || covers("READ");
    if (statementType == QLatin1String("INSERT") || statementType == QLatin1String("UPDATE") ||
        statementType == QLatin1String("DELETE"))
        return covers("ALL") || covers("WRITE");
    return false;
}

void QueryLogger::logQuery(const QString &location, int numberOfRows, const CodeValue *queryType,
                           const QString &info, const QString &query, const QString &entities,
                           bool writeToDatabase)
{
    if (!m_enabled || !m_ctx)
        return;
    const QString typeName =
        queryType && queryType->hasName() ? queryType->getName() : QString();
    bool toStdOut = false;
    bool toDB = false;
    const auto apply = [&](const QueryLogSettings *rule) {
        if (!rule->hasQueryType() ||
            (queryType && matchesQueryType(m_ctx->codeManager(), *rule, typeName))) {
            toDB = toDB || (rule->hasToDB() && rule->getToDB());
            toStdOut = toStdOut || (rule->hasToStdOut() && rule->getToStdOut());
        }
    };
    for (const QueryLogSettings *rule : m_general)
        apply(rule);
    if (!m_byEntity.empty()) {
        for (const QString &part : entities.split(QLatin1Char(','))) {
            const auto range = m_byEntity.equal_range(part);
            for (auto it = range.first; it != range.second; ++it)
                apply(it->second);
        }
    }

    if (writeToDatabase && toDB && !entities.contains(QLatin1String("QueryLog")))
        store(location, numberOfRows, queryType, info, query, entities);
    if (toStdOut) {
        QString line = location.isNull() ? QStringLiteral("Some module executed query: ")
                                         : location + QStringLiteral(" executed query: ");
        line += QString(query).replace(QStringLiteral("\\\""), QStringLiteral("\""));
        line += QLatin1Char(' ');
        if (!info.isEmpty())
            line += QStringLiteral("(info: ") + info + QStringLiteral(") ");
        line += QStringLiteral("--- Affected rows: ") + QString::number(numberOfRows);
        LogText::writeLine(line);
    }
}

void QueryLogger::store(const QString &location, int numberOfRows, const CodeValue *queryType,
                        const QString &info, const QString &query, const QString &entities)
{
    QueryLog row;
    row.setExecution_tist(m_ctx->now());
    row.setNumberOfRows(numberOfRows);
    row.setInfo(LogText::fitColumn(info, 255));
    row.setQuery(LogText::fitColumn(query, 255));
    if (queryType && queryType->hasId())
        row.setQueryType(queryType->getId());
    row.setEntities(LogText::fitColumn(entities, 255));
    if (!location.isNull())
        row.setLocation(LogText::fitColumn(location, 255));
    if (m_ctx->session() && m_ctx->session()->hasId())
        row.setSession(m_ctx->session()->getId());
    try {
        QueryLogController().insertOrUpdate(*m_ctx, row);
    } catch (const PersistenceException &error) {
        LogText::writeLine(QStringLiteral("Unable to write the log.  Reason: ") +
                           error.shortText() + QStringLiteral("; Details: ") + error.longText());
        LogText::writeLine(QStringLiteral("Info: queryText was: ") + query);
    }
}

void QueryLogger::reload(DatabaseContext &ctx)
{
    ctx.log(QStringLiteral("Log"), QStringLiteral("QueryLogger"), 7,
            QStringLiteral("Starting to reload QueryLog-configuration..."));
    m_ctx = &ctx;
    // Read first: the statement is judged by the rules in force until now.
    auto settings = QueryLogSettingsController().select(ctx, {});
    m_byEntity.clear();
    m_general.clear();
    m_rules.clear();
    for (auto &setting : settings) {
        if (!setting->hasId())
            continue;
        const QueryLogSettings *kept = setting.get();
        m_rules[kept->getId()] = std::move(setting);
        if (kept->hasEntity())
            m_byEntity.emplace(kept->getEntity(), kept);
        else
            m_general.push_back(kept);
    }
    m_enabled = true;
    ctx.log(QStringLiteral("Log"), QStringLiteral("QueryLogger"), 7,
            QStringLiteral("Finished reloading QueryLog-configuration, logger now enabled."));
}
