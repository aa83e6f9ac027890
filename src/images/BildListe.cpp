#include "BildListe.h"

#include "Abfrage.h"
#include "DatabaseContext.h"
#include "SqlWriter.h"

namespace BildListe {

std::vector<BildZeile> lade(DatabaseContext &ctx, qlonglong wettbewerb, const QString &suche)
{
    SqlStatement statement;
    statement << "SELECT bild.id, bild.bildDaten, bild.titel, bildDaten.nummer, "
                 "bildDaten.nummerProWettbewerb, mitglied.vorname, mitglied.nachname, "
                 "sparte.name, bild.anzahlRotierSchritte, bild.gueltig FROM Bild bild "
                 "JOIN WettbewerbsTeilnahme teilnahme ON bild.wettbewerbsTeilnahme = teilnahme.id "
                 "LEFT JOIN BildDaten bildDaten ON bild.bildDaten = bildDaten.id "
                 "LEFT JOIN Mitglied mitglied ON teilnahme.mitglied = mitglied.id "
                 "LEFT JOIN Sparte sparte ON bild.sparte = sparte.id "
                 "WHERE teilnahme.wettbewerb = "
              << std::to_string(wettbewerb);
    if (!suche.trimmed().isEmpty()) {
        const QString muster = SqlWriter(ctx.connection())
                                   .likePattern(suche.trimmed(), QStringLiteral("%"),
                                                QStringLiteral("%"));
        statement << " AND (bild.titel LIKE " << muster << " OR bildDaten.nummer LIKE " << muster
                  << " OR bildDaten.nummerProWettbewerb LIKE " << muster
                  << " OR CONCAT_WS(' ', mitglied.vorname, mitglied.nachname) LIKE " << muster
                  << ")";
    }
    statement << " ORDER BY bildDaten.nummerProWettbewerb IS NULL, "
                 "CAST(bildDaten.nummerProWettbewerb AS UNSIGNED), bild.id";
    std::vector<BildZeile> zeilen;
    for (const mysqlpp::Row &row :
         frageAb(ctx, "WettbewerbBilderWidget", statement,
                 QStringLiteral("Bild,BildDaten,Mitglied,Sparte,WettbewerbsTeilnahme"))) {
        BildZeile zeile;
        zeile.bild = feldText(row, 0).toLongLong();
        zeile.bildDaten = row[1].is_null() ? -1 : feldText(row, 1).toLongLong();
        zeile.titel = feldText(row, 2);
        zeile.nummer = feldText(row, 3);
        zeile.nummerProWettbewerb = feldText(row, 4);
        zeile.einreicher = (feldText(row, 5) + QLatin1Char(' ') + feldText(row, 6)).trimmed();
        zeile.sparte = feldText(row, 7);
        zeile.rotierSchritte = feldText(row, 8).toInt();
        zeile.gueltig = row[9].is_null() || feldText(row, 9) != QLatin1String("0");
        zeilen.push_back(zeile);
    }
    return zeilen;
}

} // namespace BildListe
