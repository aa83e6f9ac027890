#pragma once

#include "Meldung.h"

#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class DatabaseContext;
class Jurierung;
class Wettbewerb;

// Creating a competition with its jury, moving it through its states, checking and storing
// its master data, without any widget. Every refusal returned here has already been logged
// under "Fehlermeldung" (level 7) with the location of the dialog that shows it.
class WettbewerbService
{
public:
    // A new competition of the club (host and entitled club), anteilAnnahmenGewuenscht 30,
    // state "ANGELEGT"; not stored.
    static std::unique_ptr<Wettbewerb> neuerWettbewerb(DatabaseContext &ctx, qlonglong verein);
    // Its new jury: jurierungsModus "NORMAL", no anzahlDurchgaenge; not stored.
    static std::unique_ptr<Jurierung> neueJurierung(DatabaseContext &ctx);

    // The first failed check of WettbewerbAnlegenDialog: name, number, jury mode, number of
    // rounds, then that no other competition has the number. None when all pass.
    static std::optional<Meldung> pruefeAnlage(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                               const Jurierung &jurierung);
    // The question "Wettbewerb so anlegen?" naming the jury mode and the number of rounds.
    static Meldung anlageFrage(DatabaseContext &ctx, const Jurierung &jurierung);
    // Inserts the competition and its jury (which gets the competition's id) in one
    // transaction: on a failure (the exception propagates) neither is stored and both objects
    // are as they were.
    static void legeAn(DatabaseContext &ctx, Wettbewerb &wettbewerb, Jurierung &jurierung);

    // The competition's one jury. Throws PersistenceException "Interner Fehler" / "Zum
    // Wettbewerb muss es genau eine Jurierung geben." when there is none or more than one.
    static std::unique_ptr<Jurierung> jurierung(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

    // One step forward or back through the states; false (nothing changes) at either end or
    // without a known state. Forward raises maximalStatus to the new state when it lies
    // before it or is empty; back leaves it. The competition is updated in the database; on a
    // failure its status and maximalStatus are restored in memory and the exception propagates.
    static bool geheWeiter(DatabaseContext &ctx, Wettbewerb &wettbewerb);
    static bool geheZurueck(DatabaseContext &ctx, Wettbewerb &wettbewerb);

    // The first failed check of the master data (GrunddatenBearbeitenWidget), in order: name,
    // date (datumInput), number, number unique, jury mode, anzahlBilderFuerWertung, number of
    // rounds, anzahlSpartenFuerKombination, anzahlTeilnehmerFuerVereinsW, maximum format,
    // maximum file size, youth birth date (jugendAbInput). When all pass, "==> Pruefung
    // erfolgreich" is logged and the parsed values are set: datum, jugendAb, maxBildBreite and
    // maxBildHoehe, maxDateigroesse (null for an empty text). A date text that is unset counts
    // as the stored date written "dd.MM.yyyy".
    static std::optional<Meldung> pruefeGrunddaten(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                   const Jurierung &jurierung);
    // Stores the competition and its jury in one transaction (a new jury gets the
    // competition's id); on a failure both objects are as they were.
    static void speichereGrunddaten(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                    Jurierung &jurierung);

    // "1024x768" (one to four digits each side): width 1024, height 768. None for any other
    // text (an empty one means no limit and is not parsed).
    static std::optional<QSize> parseBildGroesse(const QString &text);
    // "750 kb" or "2MB" (one to four digits, an optional blank, case ignored): 750 × 1024 and
    // 2 × 1 024 000 bytes. None for any other text and for sizes beyond the stored integer.
    static std::optional<int> parseDateigroesse(const QString &text);
};
