#include "SimulatedKeypads.h"

#include "LinuxKeys.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SimulatedKeypads::SimulatedKeypads(const QString &path, QObject *parent)
    : QObject(parent), m_path(path)
{}

SimulatedKeypads::~SimulatedKeypads()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SimulatedKeypads::start()
{
    if (m_fd >= 0)
        return true;
    const QByteArray name = m_path.toLocal8Bit();
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_pipe = S_ISFIFO(info.st_mode);
    // A pipe is opened for writing too, so that it never reads as ended between writers.
    m_fd = ::open(name.constData(), (m_pipe ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (m_pipe) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SimulatedKeypads::readAvailable);
    } else {
        m_follow = new QTimer(this);
        connect(m_follow, &QTimer::timeout, this, &SimulatedKeypads::readAvailable);
        m_follow->start(50);
    }
    // What is there already arrives once the caller has connected to the signals.
    QTimer::singleShot(0, this, &SimulatedKeypads::readAvailable);
    return true;
}

void SimulatedKeypads::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_pending.append(buffer, int(n));
    }
    takeLines();
}

void SimulatedKeypads::takeLines()
{
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        bool deviceOk = false;
        bool valueOk = parts.size() == 2;
        const qlonglong device = parts.value(0).toLongLong(&deviceOk);
        const int code = parts.size() >= 2 ? LinuxKeys::fromText(parts[1]) : -1;
        const int value = parts.size() == 3 ? parts[2].toInt(&valueOk) : 1;
        if (!deviceOk || code < 0 || !valueOk || value < 0 || value > 2)
            emit invalidLine(line);
        else
            emit key(device, code, value);
    }
}
