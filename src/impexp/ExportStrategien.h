#pragma once

#include "ExportCallStrategy.h"

#include <QDate>
#include <QList>

#include <memory>
#include <optional>

class DatabaseContext;
class Wettbewerb;

// The strategies of the menu actions, the competition export and the list exports, ready to
// be written into a file.
namespace ExportStrategien {
std::unique_ptr<ExportCallStrategy> alleDaten();
std::unique_ptr<ExportCallStrategy> fachlicheDaten();
std::unique_ptr<ExportCallStrategy> technischeDaten();
std::unique_ptr<ExportCallStrategy> datenberechtigungen();
std::unique_ptr<ExportCallStrategy> funktionstraeger();                       // list file
std::unique_ptr<ExportCallStrategy> adressdaten(QList<qlonglong> mitgliedIds); // list file
enum class VereinsUmfang { Verein, Mitglieder, Hierarchie, HierarchieMitglieder };
std::unique_ptr<ExportCallStrategy> verein(DatabaseContext &, qlonglong vereinId, VereinsUmfang);
std::unique_ptr<ExportCallStrategy> wettbewerbAlleine(qlonglong wettbewerbId);
std::unique_ptr<ExportCallStrategy> wettbewerbMitMitgliedern(qlonglong wettbewerbId);
std::unique_ptr<ExportCallStrategy> bildNummern(qlonglong durchgangId); // picture order of a round
// The pictures of one category and age class with the jurors' single scores (list file), in
// the order of EinzelWertungen::reihenfolge.
std::unique_ptr<ExportCallStrategy> einzelWertungen(qlonglong wettbewerbId, qlonglong sparteId, bool jugend);
// The results archive of the results tab: the files D_Adressen, D_E_T … D_J_VK, statistik
// (recomputed first), E_/J_ + D + category; D = datum as "yyyyMMdd". Reads the rankings in the
// order the lists show them.
std::unique_ptr<CompositeExportCallStrategy> ergebnisse(DatabaseContext &, const Wettbewerb &, QDate datum);

// The order of the single-score list: members ordered by their best picture's points, then
// their second best and so on (a missing picture counts 0); members equal in every position
// stand together, each with his pictures, highest points first.
namespace EinzelWertungen {
struct Bild
{
    qlonglong id;
    qlonglong mitglied;
    std::optional<int> punkte;
};
QList<qlonglong> ordne(DatabaseContext &, const QList<Bild> &bilder);
// The pictures of the category whose members are of the age class, in that order.
QList<qlonglong> reihenfolge(DatabaseContext &, qlonglong wettbewerbId, qlonglong sparteId, bool jugend);
} // namespace EinzelWertungen
} // namespace ExportStrategien
