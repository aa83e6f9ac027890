#include "Transaction.h"

#include "PersistenceContext.h"
#include "PersistenceException.h"

#include <mysql++/mysql++.h>

#include <iostream>

Transaction::Transaction(PersistenceContext &ctx) : m_ctx(ctx)
{
    m_inner = m_ctx.m_transactionDepth > 0;
    if (!m_inner) {
        run("START TRANSACTION");
        m_ctx.m_rollbackOnly = false;
    }
    ++m_ctx.m_transactionDepth;
    m_open = true;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    --m_ctx.m_transactionDepth;
    if (m_inner) {
        m_ctx.m_rollbackOnly = true;
        return;
    }
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
    if (m_inner) {
        m_open = false;
        --m_ctx.m_transactionDepth;
        return;
    }
    if (m_ctx.m_rollbackOnly)
        throw PersistenceException::databaseError(
            QStringLiteral("A part of the transaction failed; nothing was written."));
    run("COMMIT"); // a failing COMMIT leaves the transaction open: the destructor rolls back
    m_open = false;
    --m_ctx.m_transactionDepth;
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
