#include "QueryLogger.h"

#include "DatabaseContext.h"

void QueryLogger::logQuery(const QString &, int, const CodeValue *, const QString &,
                           const QString &, const QString &, bool)
{
    if (!m_enabled)
        return;
}

void QueryLogger::reload(DatabaseContext &ctx)
{
    m_ctx = &ctx;
    m_enabled = true;
}
