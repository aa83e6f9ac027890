#include "OutputCapture.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

OutputCapture::OutputCapture(int fd) : m_fd(fd)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::cout.flush();
    std::cerr.flush();
    qstrcpy(m_path, "/tmp/kalvor-output.XXXXXX");
    m_file = mkstemp(m_path);
    m_saved = dup(m_fd);
    dup2(m_file, m_fd);
    m_capturing = true;
}

OutputCapture::~OutputCapture()
{
    stop();
}

void OutputCapture::stop()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    std::fflush(stdout);
    std::fflush(stderr);
    std::cout.flush();
    std::cerr.flush();
    dup2(m_saved, m_fd);
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

QString OutputCapture::text()
{
    stop();
    return m_text;
}

QStringList OutputCapture::lines()
{
    QStringList result = text().split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
