#include "Transaction.h"

#include "PersistenceContext.h"
#include "PersistenceException.h"

#include <mysql++/mysql++.h>

#include <iostream>

Transaction::Transaction(PersistenceContext &ctx) : m_ctx(ctx)
{
    run("START TRANSACTION");
    m_open = true;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        run("ROLLBACK");
    } catch (const PersistenceException &error) {
        std::cerr << "Rollback failed: " << error.longText().toStdString() << std::endl;
    }
}

void Transaction::commit()
{
    if (!m_open)
        return;
    run("COMMIT");
    m_open = false;
}

void Transaction::run(const char *statement)
{
    try {
        mysqlpp::Query query = m_ctx.connection().query(statement);
        query.execute();
    } catch (const mysqlpp::Exception &error) {
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
}
