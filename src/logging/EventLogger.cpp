#include "EventLogger.h"

#include "DatabaseContext.h"

void EventLogger::log(const QString &, const QString &, int, const QString &)
{
    if (!m_enabled)
        return;
}

void EventLogger::reload(DatabaseContext &)
{
    m_enabled = true;
}
