#pragma once

#include <QString>

// Small helpers of the loggers.
namespace LogText {

// The text cut to at most `width` characters (whole characters, as the columns count them).
QString fitColumn(const QString &text, int width);

// One line on standard output, in the local 8-bit encoding, flushed at once.
void writeLine(const QString &line);

} // namespace LogText
