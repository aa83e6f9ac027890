#include "OutputCapture.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    std::cout.flush();
    qstrcpy(m_path, "/tmp/kalvor-stdout.XXXXXX");
    m_file = mkstemp(m_path);
    m_saved = dup(1);
    dup2(m_file, 1);
    m_capturing = true;
}

StdoutCapture::~StdoutCapture()
{
    stop();
}

void StdoutCapture::stop()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    std::fflush(stdout);
    std::cout.flush();
    dup2(m_saved, 1);
    close(m_saved);
    QByteArray bytes;
    const off_t size = lseek(m_file, 0, SEEK_END);
    bytes.resize(qsizetype(size));
    if (size > 0 && pread(m_file, bytes.data(), size_t(size), 0) != size)
        bytes.clear();
    m_text = QString::fromLocal8Bit(bytes);
    close(m_file);
    unlink(m_path);
}

QString StdoutCapture::text()
{
    stop();
    return m_text;
}

QStringList StdoutCapture::lines()
{
    QStringList result = text().split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
