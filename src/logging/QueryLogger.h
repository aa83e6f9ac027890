#pragma once

#include <QString>

class CodeValue;
class DatabaseContext;

// Applies the query-log rules of the database to the statements of one context.
class QueryLogger
{
public:
    void logQuery(const QString &location, int numberOfRows, const CodeValue *queryType,
                  const QString &info, const QString &query, const QString &entities,
                  bool writeToDatabase);
    void reload(DatabaseContext &ctx);
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }
    // Whether any rule could take a statement: false while disabled or without rules.
    bool wantsStatements() const { return m_enabled && m_hasRules; }

private:
    DatabaseContext *m_ctx = nullptr;
    bool m_enabled = false;
    bool m_hasRules = false;
};
