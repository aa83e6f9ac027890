#pragma once

#include "Meldung.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

class DatabaseContext;
class Wettbewerb;

// A picture file chosen for an image: read, checked against the rules and the competition's
// limits, without any widget.
struct BildDatei
{
    QString dateiname; // the bare file name
    QByteArray daten;  // the file's bytes, unchanged
    QSize groesse;     // width and height as stored in the JPEG
};

namespace BildDateiPruefung {

// The size of a JPEG whose bytes decode completely (the check decodes at the smallest scale);
// none when they are no decodable JPEG.
std::optional<QSize> jpegGroesse(const QByteArray &daten);

// Reads and checks the file in this order: ending "jpg" (case-insensitive), readable (its
// directory then becomes the context's picture directory), file-name characters, not empty
// and decodable, the competition's format limit (independent of orientation) and file-size
// limit (kilobytes by integer division by 1000). The refusal has been logged under
// "Fehlermeldung" (location BildBearbeitenDialog).
std::optional<Meldung> lies(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                            const QString &pfad, BildDatei &datei);

} // namespace BildDateiPruefung
