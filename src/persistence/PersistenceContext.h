#pragma once

#include <QDateTime>
#include <QString>

namespace mysqlpp {
class Connection;
}

class DataModel;
class EntityDescription;
class Persistent;
class SqlStatement;

// What the controllers need from a login: the connection, the data model, the clock, the
// query log and the data permission checks. The database context implements it; the
// persistence layer knows nothing else of it.
class PersistenceContext
{
public:
    virtual ~PersistenceContext() = default;

    // The open connection; PersistenceException when there is none.
    virtual mysqlpp::Connection &connection() = 0;
    virtual const DataModel &dataModel() const = 0;
    // The current local time, to the second.
    virtual QDateTime now() const = 0;

    virtual void logQuery(const QString &location, int numberOfRows, const QString &queryTypeName,
                          const QString &info, const QString &query, const QString &entities,
                          bool writeToDatabase) = 0;
    // logQuery for a statement of the persistence layer; its log copy is made only when
    // someone wants statements at all.
    virtual void logStatement(const char *location, int numberOfRows, const char *queryTypeName,
                              const QString &info, const SqlStatement &statement,
                              const QString &entities, bool writeToDatabase) = 0;

    virtual bool mayRead(const EntityDescription &entity, const Persistent &object) = 0;
    virtual bool mayWrite(const EntityDescription &entity, const Persistent &object) = 0;

    // The value of a server variable ("SHOW VARIABLES LIKE ...").
    QString readServerVariable(const QString &name);

private:
    friend class Transaction;
    int m_transactionDepth = 0;     // open Transaction objects on this connection
    bool m_rollbackOnly = false;    // an inner Transaction ended without commit
};
