#include "InputDeviceSource.h"

qlonglong deviceIdentifier(const QString &idPath)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char byte : idPath.toUtf8()) {
        hash ^= quint8(byte);
        hash *= 1099511628211ULL;
    }
    return qlonglong(hash);
}

qlonglong InputDevice::identifier() const
{
    return deviceIdentifier(idPath.isEmpty() ? QStringLiteral("node:") + node : idPath);
}
