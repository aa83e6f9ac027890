#pragma once

#include <QString>

#include <map>
#include <memory>
#include <vector>

class CodeManager;
class CodeValue;
class DatabaseContext;
class QueryLogSettings;

// Applies the query-log rules of the database (QueryLogSettings) to the statements of one
// context: prints them on standard output and/or stores them as QueryLog rows.
class QueryLogger
{
public:
    QueryLogger();
    ~QueryLogger();
    QueryLogger(const QueryLogger &) = delete;
    QueryLogger &operator=(const QueryLogger &) = delete;

    // `queryType` is the QueryType value of the statement's kind, null when the code
    // tables do not know the kind.
    void logQuery(const QString &location, int numberOfRows, const CodeValue *queryType,
                  const QString &info, const QString &query, const QString &entities,
                  bool writeToDatabase);
    void reload(DatabaseContext &ctx);
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }
    // Whether any rule could take a statement: false while disabled or without rules.
    bool wantsStatements() const { return m_enabled && !m_rules.empty(); }

    // Whether the rule's type covers a statement of the type named `statementType`.
    static bool matchesQueryType(const CodeManager &codes, const QueryLogSettings &rule,
                                 const QString &statementType);

private:
    void store(const QString &location, int numberOfRows, const CodeValue *queryType,
               const QString &info, const QString &query, const QString &entities);

    DatabaseContext *m_ctx = nullptr;
    std::map<qlonglong, std::unique_ptr<QueryLogSettings>> m_rules;
    std::multimap<QString, const QueryLogSettings *> m_byEntity;
    std::vector<const QueryLogSettings *> m_general;
    bool m_enabled = false;
};
