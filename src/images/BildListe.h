#pragma once

#include <QString>

#include <vector>

class DatabaseContext;

// One image of a competition's image list.
struct BildZeile
{
    qlonglong bild = -1;
    qlonglong bildDaten = -1; // -1 without picture row
    QString titel;
    QString nummer;
    QString nummerProWettbewerb;
    QString einreicher; // first name and surname
    QString sparte;
    int rotierSchritte = 0;
    bool gueltig = true;
};

namespace BildListe {

// The images of the competition, ordered by competition-local number (numerically) and id, in
// one statement; with a search text only those whose title, number, competition-local number
// or submitter's name contains it.
std::vector<BildZeile> lade(DatabaseContext &ctx, qlonglong wettbewerb,
                            const QString &suche = QString());

} // namespace BildListe
