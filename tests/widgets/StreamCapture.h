#pragma once

#include <QString>
#include <QStringList>

#include <iostream>
#include <sstream>

// Captures what is written to a C++ stream (std::cerr, std::cout) while it lives.
class StreamCapture
{
public:
    explicit StreamCapture(std::ostream &stream) : m_stream(stream), m_old(stream.rdbuf())
    {
        m_stream.rdbuf(m_buffer.rdbuf());
    }
    ~StreamCapture() { m_stream.rdbuf(m_old); }
    StreamCapture(const StreamCapture &) = delete;
    StreamCapture &operator=(const StreamCapture &) = delete;

    QStringList lines() const
    {
        return QString::fromStdString(m_buffer.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    std::ostream &m_stream;
    std::streambuf *m_old;
    std::ostringstream m_buffer;
};
