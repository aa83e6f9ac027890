#include "DemoNamen.h"

#include "Random.h"

#include <QStringList>

#include <iterator>

namespace {

template <size_t N> QString eines(Random &zufall, const char *const (&liste)[N])
{
    return QString::fromUtf8(liste[zufall.bounded(quint32(N))]);
}

const char *const kVornamenWeiblich[] = {
    "Anna",      "Barbara",   "Christine", "Doris",     "Elisabeth", "Eva",
    "Franziska", "Gabriele",  "Hannah",    "Helga",     "Ingrid",    "Johanna",
    "Julia",     "Katharina", "Lena",      "Magdalena", "Maria",     "Martina",
    "Monika",    "Nina",      "Petra",     "Renate",    "Sabine",    "Sophie",
    "Theresa",   "Ursula",    "Valentina", "Veronika",  "Waltraud",  "Zoe"};
const char *const kVornamenMaennlich[] = {
    "Alexander", "Andreas", "Bernhard", "Christian", "Daniel", "Elias",    "Florian", "Franz",
    "Georg",     "Gerhard", "Hans",     "Helmut",    "Jakob",  "Johann",   "Josef",   "Jürgen",
    "Karl",      "Lukas",   "Manfred",  "Markus",    "Martin", "Matthias", "Michael", "Paul",
    "Peter",     "Robert",  "Stefan",   "Thomas",    "Walter", "Wolfgang"};
const char *const kNachnamen[] = {
    "Auer",    "Bauer",   "Berger",   "Brunner",  "Eder",   "Egger",    "Fischer",
    "Fuchs",   "Gruber",  "Haas",     "Hofer",    "Holzer", "Huber",    "Kaiser",
    "Koch",    "Lang",    "Lechner",  "Leitner",  "Maier",  "Mayr",     "Moser",
    "Müller",  "Neumann", "Pichler",  "Reiter",   "Riedl",  "Schmid",   "Schneider",
    "Schwarz", "Steiner", "Stöckl",   "Wagner",   "Weber",  "Weiß",     "Wieser",
    "Wimmer",  "Winkler", "Wolf",     "Zach",     "Zöhrer", "Obermair", "Unterberger",
    "Kofler",  "Rainer",  "Strasser", "Tischler", "Hartl",  "Gasser",   "Pfeifer"};
struct OrtDaten
{
    const char *name, *plz, *vorwahl;
};
const OrtDaten kOrte[] = {{"Hall", "6060", "5223"},          {"Schwaz", "6130", "5242"},
                          {"Kufstein", "6330", "5372"},      {"Lienz", "9900", "4852"},
                          {"Imst", "6460", "5412"},          {"Landeck", "6500", "5442"},
                          {"Wörgl", "6300", "5332"},         {"Telfs", "6410", "5262"},
                          {"Kitzbühel", "6370", "5356"},     {"Reutte", "6600", "5672"},
                          {"Bludenz", "6700", "5552"},       {"Dornbirn", "6850", "5572"},
                          {"Feldkirch", "6800", "5522"},     {"Bregenz", "6900", "5574"},
                          {"Hallein", "5400", "6245"},       {"Zell am See", "5700", "6542"},
                          {"Bischofshofen", "5500", "6462"}, {"Villach", "9500", "4242"},
                          {"Spittal", "9800", "4762"},       {"Wolfsberg", "9400", "4352"},
                          {"Leoben", "8700", "3842"},        {"Bruck", "8600", "3862"},
                          {"Liezen", "8940", "3612"},        {"Steyr", "4400", "7252"},
                          {"Wels", "4600", "7242"},          {"Gmunden", "4810", "7612"},
                          {"Krems", "3500", "2732"},         {"Amstetten", "3300", "7472"},
                          {"Baden", "2500", "2252"},         {"Eisenstadt", "7000", "2682"}};
const char *const kStrassen[] = {"Hauptstraße", "Kirchgasse",  "Bahnhofstraße", "Schulweg",
                                 "Lindenallee", "Mühlbachweg", "Am Anger",      "Bergstraße",
                                 "Rosengasse",  "Innrain",     "Feldweg",       "Sonnenhang"};
const char *const kVereinsArten[] = {"Fotoklub",     "Fotofreunde", "Fotogruppe",
                                     "Lichtbildner", "Kamera-Club", "Fotoforum"};
const char *const kVereinsWorte[] = {"Lichtblick", "Blende 8",   "Objektiv",   "Momente",
                                     "Augenblick", "Silberkorn", "Weitwinkel", "Fokus",
                                     "Panorama",   "Zeitlicht",  "Schärfe",    "Bildraum"};
const char *const kRegionen[] = {"Tirol",      "Vorarlberg",     "Salzburg",         "Kärnten",
                                 "Steiermark", "Oberösterreich", "Niederösterreich", "Burgenland",
                                 "Wien",       "Osttirol",       "Außerfern",        "Pinzgau"};
const char *const kAdjektive[] = {"Stille", "Goldene", "Blaue",    "Leuchtende", "Verborgene",
                                  "Ferne",  "Letzte",  "Erste",    "Flüchtige",  "Warme",
                                  "Kühle",  "Späte",   "Gläserne", "Dunkle",     "Helle"};
const char *const kNomen[] = {"Spiegelung", "Stunde",     "Linie",    "Begegnung", "Welle",
                              "Brücke",     "Landschaft", "Stimmung", "Ruhe",      "Spur",
                              "Geometrie",  "Kurve",      "Ferne",    "Lichtung",  "Treppe"};
const char *const kMotive[] = {"Morgennebel", "Abendlicht",    "Nordwand",   "Raureif",
                               "Gewitter",    "Sonnenaufgang", "Herbstwald", "Bergsee",
                               "Eisblumen",   "Sternenhimmel", "Marktplatz", "Schattenspiel"};
const char *const kOrtsangaben[] = {"am Fluss",     "im Tal",  "über dem See", "am Grat",
                                    "in der Stadt", "im Moor", "am Bahnhof",   "im Winter"};

} // namespace

namespace DemoNamen {

QString vorname(Random &zufall, bool weiblich)
{
    return weiblich ? eines(zufall, kVornamenWeiblich) : eines(zufall, kVornamenMaennlich);
}

QString nachname(Random &zufall)
{
    // Now and then a double name.
    if (zufall.bounded(20) == 0)
        return eines(zufall, kNachnamen) + QLatin1Char('-') + eines(zufall, kNachnamen);
    return eines(zufall, kNachnamen);
}

Ort ort(Random &zufall)
{
    const OrtDaten &o = kOrte[zufall.bounded(quint32(std::size(kOrte)))];
    return {QString::fromUtf8(o.name), QString::fromLatin1(o.plz), QString::fromLatin1(o.vorwahl)};
}

QString strasse(Random &zufall)
{
    return eines(zufall, kStrassen) + QLatin1Char(' ') + QString::number(1 + zufall.bounded(60));
}

QString vereinsname(Random &zufall, const QString &ortsname)
{
    return eines(zufall, kVereinsArten) + QLatin1Char(' ') + eines(zufall, kVereinsWorte) +
           QLatin1Char(' ') + ortsname;
}

QString region(int index)
{
    const int anzahl = int(std::size(kRegionen));
    const QString name = QString::fromUtf8(kRegionen[index % anzahl]);
    return index < anzahl ? name : name + QLatin1Char(' ') + QString::number(index / anzahl + 1);
}

QString bildtitel(Random &zufall)
{
    switch (zufall.bounded(3)) {
    case 0:
        return eines(zufall, kAdjektive) + QLatin1Char(' ') + eines(zufall, kNomen);
    case 1:
        return eines(zufall, kMotive) + QLatin1Char(' ') + eines(zufall, kOrtsangaben);
    default:
        return eines(zufall, kMotive);
    }
}

QString ascii(const QString &text)
{
    QString ergebnis;
    for (const QChar c : text.toLower()) {
        switch (c.unicode()) {
        case 0xe4:
            ergebnis += QLatin1String("ae");
            break;
        case 0xf6:
            ergebnis += QLatin1String("oe");
            break;
        case 0xfc:
            ergebnis += QLatin1String("ue");
            break;
        case 0xdf:
            ergebnis += QLatin1String("ss");
            break;
        default:
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                ergebnis += c;
        }
    }
    return ergebnis;
}

} // namespace DemoNamen
