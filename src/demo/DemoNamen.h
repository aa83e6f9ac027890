#pragma once

#include <QString>

class Random;

// The words the demo federation is made of: German-looking first names, surnames, towns,
// streets, club names and picture titles from small lists of our own, combined by the random
// numbers (the same numbers give the same names).
namespace DemoNamen {

QString vorname(Random &zufall, bool weiblich);
QString nachname(Random &zufall);

struct Ort
{
    QString name;
    QString plz;
    QString vorwahl; // without the leading zero, e.g. "512"
};
Ort ort(Random &zufall);
QString strasse(Random &zufall); // with house number

// "Fotoklub Lichtblick Hall", "Foto-Freunde Steinach", ...
QString vereinsname(Random &zufall, const QString &ortsname);
// The region of the index-th state association ("Tirol", ...).
QString region(int index);

// "Morgennebel am Fluss", "Stille Spiegelung", ...
QString bildtitel(Random &zufall);

// Letters only, lower case, for e-mail addresses and user names ("Jürgen" -> "juergen").
QString ascii(const QString &text);

} // namespace DemoNamen
