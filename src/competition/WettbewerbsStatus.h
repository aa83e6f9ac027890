#pragma once

#include "Meldung.h"

#include <QString>

#include <optional>

class DatabaseContext;
class Wettbewerb;

// The states of a competition in their order of progress, the texts and enabled state of the
// state buttons, and what each state allows the competition dialog to do.
class WettbewerbsStatus
{
public:
    // The states in order; a competition without state is Keiner, one whose state is no
    // value of "WettbewerbsStatus" is Unbekannt.
    enum Stufe
    {
        Keiner = -2,
        Unbekannt = -1,
        Angelegt = 0,
        Bilderannahme,
        AnnahmeschlussVerstrichen,
        WertungLaeuft,
        WertungAbgeschlossen,
    };

    // What the dialog offers, each allowed only in some states.
    enum class Operation
    {
        GrunddatenBearbeiten, // edit master data
        TeilnehmerAendern,    // add or remove participants
        SpartenAendern,       // create, edit, delete categories
        JurorenAendern,       // add, edit, remove jurors, assign their categories
        BildNeu,              // enter an image
        BildBearbeiten,       // edit an image
        BildLoeschen,         // delete an image
        DurchgangBearbeiten,  // edit a round's settings
        Wertung,              // generate scoring orders, score rounds
        EndErgebnisse,        // the results are final
    };

    // The state buttons: back and forward with their texts, and "Grunddaten &Bearbeiten".
    struct Knoepfe
    {
        QString zurueck;
        bool zurueckAktiv;
        QString weiter;
        bool weiterAktiv;
        bool grunddatenBearbeitenAktiv;
    };

    static Stufe stufe(DatabaseContext &ctx, const Wettbewerb &wettbewerb);
    // The state of a code value id (status or maximalStatus).
    static Stufe stufeVon(DatabaseContext &ctx, qlonglong codeValueId);
    // The value name ("ANGELEGT" ...) of a state; empty for Keiner and Unbekannt.
    static QString name(Stufe stufe);
    // The id of the code value of a state; -1 for Keiner and Unbekannt.
    static qlonglong id(DatabaseContext &ctx, Stufe stufe);
    // The state's kurzText as the state field and status line show it, or
    // "Kein Status vorhanden".
    static QString text(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

    // The buttons in a state. `mitKuerzel`: the texts with their "&" as the master-data tab
    // shows them; without as the edit dialog does. Nothing is enabled unless `editierbar`.
    static Knoepfe knoepfe(Stufe stufe, bool editierbar, bool mitKuerzel);

    // Whether the operation is allowed in the state (and the dialog is editable).
    static bool erlaubt(Stufe stufe, Operation operation, bool editierbar = true);

    // The Yes/No question to ask before an allowed image operation after the closing date
    // ("ANNAHMESCHLUSS_VERSTRICHEN", "WERTUNG_LAEUFT"); none in other states.
    static std::optional<Meldung> annahmeschlussFrage(Stufe stufe, Operation operation);

    // The note above the results: final once scoring is finished (whatever was computed);
    // before, an interim state when the adult rankings have rows, else nothing computed yet.
    static QString ergebnisHinweis(Stufe stufe, bool ergebnisseVorhanden);
};
