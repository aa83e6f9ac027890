#pragma once

#include "AnwendungsFehler.h"

// A failure of an import: an application error that also knows the line of the import file
// it concerns (-1 when no line is known).
struct ImportException : AnwendungsFehler
{
    ImportException(const QString &ort, const QString &titel, const QString &text, int zeile = -1)
        : AnwendungsFehler(QStringLiteral("ImportExport"), ort, titel, text), zeile(zeile)
    {}
    ImportException(const AnwendungsFehler &fehler, int zeile)
        : AnwendungsFehler(fehler), zeile(zeile)
    {}

    int zeile;
};
