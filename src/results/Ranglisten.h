#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class DatabaseContext;
class Record;
class Wettbewerb;

// The four rankings as the lists show them, shared by the results page, the command line and
// the printout.
enum class Rangliste { Teilnehmer, TeilnehmerKombination, Vereine, VereinsKombination };

namespace Ranglisten {

// All four kinds, in the order of the results page.
constexpr Rangliste alle[] = {Rangliste::Teilnehmer, Rangliste::TeilnehmerKombination,
                              Rangliste::Vereine, Rangliste::VereinsKombination};

// The rows of the list join model of the kind for the competition and age class (`jugend`:
// id of a "Jugend" code value), sorted as the list sorts them, with wertungRang set to the
// running position 1, 2, 3 ...
std::vector<std::unique_ptr<Record>> lese(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                          Rangliste art, qlonglong jugend);
// The sort and numbering alone, on rows of the kind's join model already read: stable sorts
// by the list's columns in turn, the last one primary; equal points get consecutive ranks.
void sortiereUndNummeriere(Rangliste art, std::vector<std::unique_ptr<Record>> &zeilen);

// Column header and width of each list column.
struct Spalte
{
    QString titel;
    int breite;
};
std::vector<Spalte> spalten(Rangliste art);
// The text of a row of the kind's join model in a column (empty for an unset value).
QString zelle(Rangliste art, const Record &zeile, int spalte);
// The tab title of the kind, with its mnemonic ("Tei&lnehmer"); QString(titel).remove('&')
// for print.
QString titel(Rangliste art);

} // namespace Ranglisten
