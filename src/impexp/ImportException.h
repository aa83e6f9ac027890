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

    // The message shown when the import of `datei` failed: the line where known, the text,
    // and that nothing was imported.
    QString meldungFuer(const QString &datei) const
    {
        const QString anfang =
            zeile >= 0 ? QStringLiteral("Fehler beim Einlesen von Zeile %1 der Datei %2: \n\n")
                             .arg(zeile)
                             .arg(datei)
                       : QStringLiteral("Fehler beim Einlesen der Datei %1: \n\n").arg(datei);
        return anfang + meldung.text +
               QStringLiteral("\n\nDaher konnten die Daten NICHT importiert werden.Bitte beheben "
                              "Sie den Fehler und versuchen Sie es nochmals.");
    }

    int zeile;
};
