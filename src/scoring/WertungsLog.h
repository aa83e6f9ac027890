#pragma once

#include "DatabaseContext.h"

#include <QString>

// The log of the scoring: category "Wertung", location "WertungsHelper".
namespace WertungsLog {

inline void log(DatabaseContext &ctx, const QString &text, int level = 7)
{
    ctx.log(QStringLiteral("Wertung"), QStringLiteral("WertungsHelper"), level, text);
}

// Whether a line at the level is printed or stored at all: lines in loops are composed only
// then.
inline bool logt(DatabaseContext &ctx, int level = 7)
{
    return ctx.logs(QStringLiteral("Wertung"), QStringLiteral("WertungsHelper"), level);
}

} // namespace WertungsLog
