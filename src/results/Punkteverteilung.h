#pragma once

#include <QString>

#include <map>
#include <vector>

class DatabaseContext;
class Wettbewerb;

// How the totals of the valid images of one category and age class are spread: the number of
// images per total, and the acceptance threshold stored for that age class (-1 when none is
// stored). An image counts as youth when its submitter's stored youth code is "Ja" and the
// category's mode is not "JUGEND_ALS_ERWACHSENE", as in the statistics.
struct Punkteverteilung
{
    qlonglong sparte = 0;
    QString sparteName;
    bool jugend = false;
    std::map<int, int> bilderProPunkte; // total -> number of images
    int annahmeGrenze = -1;

    int anzahlBilder() const;
};

// The distributions of a competition, read with one statement: per category (by id) the age
// classes that its mode admits (youth only, adults only, or both) and any other age class that
// has scored images there, adults before youth. Images without a total are not counted.
std::vector<Punkteverteilung> leseVerteilungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb);
