#pragma once

#include "Meldung.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class DatabaseContext;
class SqlWriter;

// One field of a search form: how it is shown, which column it restricts and how its text
// is checked. The forms of the session search and of both log searches are tables of these.
struct Suchfeld
{
    enum Art {
        Enthaelt, // the text anywhere in the column (literally, regardless of case)
        VonZeit,  // a timestamp, column >= it
        BisZeit,  // a timestamp, column <= it (a bare date: up to the end of that day)
        VonZahl,  // a whole number, column >= it
        BisZahl,  // column <= it
        GleichZahl, // column = it
        Session,  // the id of a chosen session
        Kategorie, // the id of a chosen event-log category
        Abfrageart // the id of a QueryType value
    };
    const char *label;    // translated in the context "Suchfelder"
    const char *name;     // the field's object name
    Art art;
    const char *spalte;   // the aliased column
    const char *fehler;   // timestamps: e.g. "Von-Zeitstempel"; numbers: the box title
    bool logMitPunkt = false; // numbers: the logged message ends in "."
    bool nebenVorigem = false; // shown beside the previous field (the upper bound)
};

using Suchmaske = std::vector<Suchfeld>;

// The forms: the fields in the order they are checked.
const Suchmaske &eventLogSuchmaske();
const Suchmaske &queryLogSuchmaske();
const Suchmaske &sessionSuchmaske();

// The hint on how timestamps are typed (the tool tip of timestamp fields, and the end of the
// message about a wrong one).
QString zeitstempelHinweis();

// The values of a form, one per field of the mask: texts, and for Session, Kategorie and
// Abfrageart the chosen id (an invalid variant: none).
using Suchwerte = std::vector<QVariant>;

// The first field whose text is no timestamp or no whole number, as its message; logged at
// level 7 under "Fehlermeldung" with `ort` as location. Empty fields are never wrong.
std::optional<Meldung> pruefeSuchwerte(DatabaseContext &ctx, const QString &ort,
                                       const Suchmaske &maske, const Suchwerte &werte);

// The conditions of the filled fields (the values must have passed the check).
QStringList suchbedingungen(const SqlWriter &writer, const Suchmaske &maske,
                            const Suchwerte &werte);
