#pragma once

#include <QString>

class DatabaseContext;

// Applies the event-log rules of the database to the reports of one context.
class EventLogger
{
public:
    explicit EventLogger(DatabaseContext &ctx) : m_ctx(ctx) {}
    void log(const QString &category, const QString &location, int level, const QString &message);
    void reload(DatabaseContext &ctx);
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }

private:
    DatabaseContext &m_ctx;
    bool m_enabled = false;
};
