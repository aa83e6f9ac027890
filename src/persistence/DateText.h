#pragma once

#include <QDate>
#include <QString>

// Dates as users type them: "d.M.yyyy" (leading zeros optional, blanks around ignored).
inline QDate parseDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
}
