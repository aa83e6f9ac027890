#include "Ranglisten.h"

#include "DatabaseContext.h"
#include "entities/Wettbewerb.h"
#include "joins/TeilnehmerKombinationsWertungsListeJoinController.h"
#include "joins/TeilnehmerWertungsListeJoinController.h"
#include "joins/VereinsKombinationsWertungsListeJoinController.h"
#include "joins/VereinsWertungsListeJoinController.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Spaltenart
{
    const char *titel;
    int breite;
    int row; // attribute of the join row shown
};

// A sort step: an attribute, ascending as text or descending as number.
struct Sortierschritt
{
    int row;
    bool punkteAbsteigend;
};

struct Listenart
{
    std::vector<Spaltenart> spalten;
    std::vector<Sortierschritt> schritte; // in the order applied; the last is primary
    int rangRow;
    int punkteRow;
};

template <typename M> Listenart teilnehmerListe(bool mitSparte)
{
    Listenart art{{{QT_TRANSLATE_NOOP("Ranglisten", "Rang"), 60, M::wertungRangRow},
                   {QT_TRANSLATE_NOOP("Ranglisten", "Verein"), 150, M::vereinNameRow}},
                  {{M::mitgliedVornameRow, false}, {M::mitgliedNachnameRow, false}},
                  M::wertungRangRow,
                  M::wertungPunkteRow};
    if constexpr (std::is_same_v<M, TeilnehmerWertungsListeJoinModel>) {
        if (mitSparte) {
            art.spalten.push_back(
                {QT_TRANSLATE_NOOP("Ranglisten", "Sparte"), 100, M::sparteNameRow});
            art.schritte.push_back({M::sparteNameRow, false});
        }
    }
    art.spalten.insert(art.spalten.end(),
                       {{QT_TRANSLATE_NOOP("Ranglisten", "Mitgliedsnummer"), 110,
                         M::mitgliedMitgliedsNummerKomplettRow},
                        {QT_TRANSLATE_NOOP("Ranglisten", "Vorname"), 105, M::mitgliedVornameRow},
                        {QT_TRANSLATE_NOOP("Ranglisten", "Nachname"), 105, M::mitgliedNachnameRow},
                        {QT_TRANSLATE_NOOP("Ranglisten", "Punkte"), 80, M::wertungPunkteRow}});
    art.schritte.push_back({M::wertungPunkteRow, true});
    return art;
}

template <typename M> Listenart vereinsListe()
{
    Listenart art{
        {{QT_TRANSLATE_NOOP("Ranglisten", "Rang"), 60, M::wertungRangRow},
         {QT_TRANSLATE_NOOP("Ranglisten", "Vereinsnummer"), 110, M::vereinVereinsNummerKomplettRow},
         {QT_TRANSLATE_NOOP("Ranglisten", "Vereinsname"), 150, M::vereinNameRow}},
        {{M::vereinNameRow, false}},
        M::wertungRangRow,
        M::wertungPunkteRow};
    if constexpr (std::is_same_v<M, VereinsWertungsListeJoinModel>) {
        art.spalten.push_back({QT_TRANSLATE_NOOP("Ranglisten", "Sparte"), 100, M::sparteNameRow});
        art.schritte.push_back({M::sparteNameRow, false});
    }
    art.spalten.push_back({QT_TRANSLATE_NOOP("Ranglisten", "Punkte"), 80, M::wertungPunkteRow});
    art.schritte.push_back({M::wertungPunkteRow, true});
    return art;
}

const Listenart &listenart(Rangliste art)
{
    static const Listenart arten[] = {
        teilnehmerListe<TeilnehmerWertungsListeJoinModel>(true),
        teilnehmerListe<TeilnehmerKombinationsWertungsListeJoinModel>(false),
        vereinsListe<VereinsWertungsListeJoinModel>(),
        vereinsListe<VereinsKombinationsWertungsListeJoinModel>()};
    return arten[int(art)];
}

QString text(const Record &zeile, int row)
{
    return zeile.isSetAt(row) ? zeile.rawValueAt(row).toString() : QString();
}

template <typename Controller, typename Suche>
std::vector<std::unique_ptr<Record>> suche(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                           qlonglong jugend)
{
    Suche modell;
    modell.setWettbewerbId(wettbewerb.getId());
    modell.setWertungJugend(jugend);
    std::vector<std::unique_ptr<Record>> zeilen;
    for (auto &zeile : Controller().search(ctx, modell))
        zeilen.push_back(std::move(zeile));
    return zeilen;
}

} // namespace

namespace Ranglisten {

std::vector<std::unique_ptr<Record>> lese(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                          Rangliste art, qlonglong jugend)
{
    using Leser =
        std::vector<std::unique_ptr<Record>> (*)(DatabaseContext &, const Wettbewerb &, qlonglong);
    static const Leser leser[] = {
        &suche<TeilnehmerWertungsListeJoinController, TeilnehmerWertungsListeJoinSearchModel>,
        &suche<TeilnehmerKombinationsWertungsListeJoinController,
               TeilnehmerKombinationsWertungsListeJoinSearchModel>,
        &suche<VereinsWertungsListeJoinController, VereinsWertungsListeJoinSearchModel>,
        &suche<VereinsKombinationsWertungsListeJoinController,
               VereinsKombinationsWertungsListeJoinSearchModel>};
    auto zeilen = leser[int(art)](ctx, wettbewerb, jugend);
    sortiereUndNummeriere(art, zeilen);
    return zeilen;
}

void sortiereUndNummeriere(Rangliste art, std::vector<std::unique_ptr<Record>> &zeilen)
{
    const Listenart &liste = listenart(art);
    for (const Sortierschritt &schritt : liste.schritte) {
        const int row = schritt.row;
        if (schritt.punkteAbsteigend) {
            // Unset points count as the lowest.
            std::stable_sort(zeilen.begin(), zeilen.end(), [row](const auto &a, const auto &b) {
                if (!b->isSetAt(row))
                    return a->isSetAt(row);
                return a->isSetAt(row) && a->rawValueAt(row).toInt() > b->rawValueAt(row).toInt();
            });
        } else {
            std::stable_sort(zeilen.begin(), zeilen.end(), [row](const auto &a, const auto &b) {
                return QString::localeAwareCompare(text(*a, row), text(*b, row)) < 0;
            });
        }
    }
    int rang = 0;
    for (auto &zeile : zeilen)
        zeile->setValueAt(liste.rangRow, ++rang);
}

std::vector<Spalte> spalten(Rangliste art)
{
    std::vector<Spalte> ergebnis;
    for (const Spaltenart &spalte : listenart(art).spalten)
        ergebnis.push_back(
            {QCoreApplication::translate("Ranglisten", spalte.titel), spalte.breite});
    return ergebnis;
}

QString zelle(Rangliste art, const Record &zeile, int spalte)
{
    const auto &liste = listenart(art).spalten;
    if (spalte < 0 || spalte >= int(liste.size()))
        return QString();
    return text(zeile, liste[size_t(spalte)].row);
}

QString titel(Rangliste art)
{
    static const char *const titel[] = {QT_TRANSLATE_NOOP("Ranglisten", "Tei&lnehmer"),
                                        QT_TRANSLATE_NOOP("Ranglisten", "Teilnehmer-&Kombination"),
                                        QT_TRANSLATE_NOOP("Ranglisten", "&Vereine"),
                                        QT_TRANSLATE_NOOP("Ranglisten", "Vereins-K&ombination")};
    return QCoreApplication::translate("Ranglisten", titel[int(art)]);
}

} // namespace Ranglisten
