#pragma once

#include <QDateTime>

// The current time, replaceable in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is set again.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &time) : m_time(time) {}
    QDateTime now() const override { return m_time; }
    void set(const QDateTime &time) { m_time = time; }

private:
    QDateTime m_time;
};
