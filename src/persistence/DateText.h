#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates as users type them: "d.M.yyyy" (leading zeros optional, blanks around ignored).
inline QDate parseDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
}

// Timestamps as users type them: "d.M.yyyy", "d.M.yyyy h.mm.ss", "d.M.yyyy h.mm",
// "d.M.yyyy h:mm:ss" or "d.M.yyyy h:mm", tried in this order. Null when none fits.
inline QDateTime parseTimeStamp(const QString &text)
{
    static const QString formats[] = {
        QStringLiteral("d.M.yyyy"),      QStringLiteral("d.M.yyyy h.mm.ss"),
        QStringLiteral("d.M.yyyy h.mm"), QStringLiteral("d.M.yyyy h:mm:ss"),
        QStringLiteral("d.M.yyyy h:mm"),
    };
    const QString trimmed = text.trimmed();
    for (const QString &format : formats) {
        const QDateTime timeStamp = QDateTime::fromString(trimmed, format);
        if (timeStamp.isValid())
            return timeStamp;
    }
    return QDateTime();
}
