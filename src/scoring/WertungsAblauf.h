#pragma once

#include "Meldung.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Bild;
class DatabaseContext;
class Durchgang;
class EinzelWertung;
class JuriertBei;
class Wertung;
class Wettbewerb;

// The state of the scoring of one started round, as the full-screen scoring dialog drives it,
// without any widget: the round's score rows by position, their images, the jurors of the
// category and all juror scores of the round (read once on construction, four statements).
// Log category "Wertung", location "WertungsHelper".
//
// Typical use by the dialog:
//   WertungsAblauf ablauf(ctx, wettbewerb, durchgang, std::move(juroren));
//   ablauf.setzeNaechsteOffeneWertung();             // the image to show
//   numericKeyPressed(device, n): if (ablauf.tastendruck(device, n)) ablauf.reagiere();
//   confirm: switch (ablauf.bestaetige()) { Unvollstaendig: show unvollstaendigMeldung();
//            Weiter: show the next image; Abgeschlossen: show abgeschlossenMeldung(), close }
//   back:    if (!ablauf.zurueck()) show keinVorherigesBildMeldung();
// Database failures propagate as PersistenceException; the in-memory state then still
// matches the database.
class WertungsAblauf
{
public:
    enum class Bestaetigung
    {
        Unvollstaendig, // some juror has not scored: nothing changed
        Weiter,         // total stored, the next image is current
        Abgeschlossen,  // total stored, no image left: the round is "BEENDET"
    };

    // One juror's score of the current image, in juror order.
    struct Einzelwertung
    {
        qlonglong id = 0;    // the EinzelWertung row
        qlonglong juror = 0; // the JuriertBei seat
        QString vorname;
        QString nachname;
        std::optional<int> bewertung; // empty: not given yet
    };

    // Reads the round's score rows, their images, the jurors' names and the juror scores.
    // `juroren` are the jurors of the category (WertungsHelper::juroren), in their order.
    WertungsAblauf(DatabaseContext &ctx, Wettbewerb &wettbewerb, Durchgang &durchgang,
                   std::vector<std::unique_ptr<JuriertBei>> juroren);
    ~WertungsAblauf();
    WertungsAblauf(const WertungsAblauf &) = delete;
    WertungsAblauf &operator=(const WertungsAblauf &) = delete;

    // Makes the round's current score row the one to judge: it stays when it has no total;
    // else (or without one) the first row after it (or the first of all) without total; none
    // when every row has a total. Saves the round.
    void setzeNaechsteOffeneWertung();

    // The current score row, its image and its competition-local number ("Bildnummer");
    // null/empty when the round is complete.
    const Wertung *aktuelleWertung() const;
    const Bild *aktuellesBild() const;
    QString bildnummer() const;
    // The index of the current row in position order (0-based; -1 when none) and the number
    // of rows.
    int position() const { return m_index; }
    int anzahl() const { return int(m_zeilen.size()); }
    // The image at an index in position order (null outside), its competition-local number.
    const Bild *bildAnPosition(int index) const;
    QString bildnummerAnPosition(int index) const;
    // The images of the next k positions after the current one (fewer at the end), for
    // decoding ahead.
    std::vector<const Bild *> naechsteBilder(int k) const;

    // The current image's juror scores in juror order (jurors without a row are left out).
    std::vector<Einzelwertung> einzelWertungen() const;
    // Whether every juror score of the current image has a value (false without image).
    bool alleGewertet() const;

    // A key press of a juror keypad ("Aufruf von Numeric Key Pressed ..."): ignored (false)
    // when no juror has the device, the juror is not one of the category's, there is no
    // current image or the number is outside minBewertung()..maxBewertung(); otherwise the
    // juror's score of the current image takes the number (overwriting) and is saved (true).
    // The score that completes the image is saved together with the image's total, in one
    // transaction. If saving fails the score keeps its previous value and the
    // PersistenceException propagates.
    bool tastendruck(qlonglong device, int zahl);
    // The same for a score entered by hand for a juror seat; false when the seat has no row
    // for the current image. Check the value with pruefeManuell() first.
    bool setzeManuell(qlonglong juror, int wert);
    // Reacting to a stored juror score ("Aufruf von Reagiere Auf EinzelWertung"): when every
    // juror has scored, the total is stored; returns alleGewertet().
    bool reagiere();
    // The total of the current image: the sum of its juror scores that have a value, stored in
    // the score row and the image in one transaction (both objects unchanged on a failure);
    // not written again when both hold it already.
    void aktualisiereGesamtwertung();

    // Confirm: Unvollstaendig when a juror score is missing; else stores the total and goes to
    // the next open row ("Aufruf von Gehe Zur Naechsten Wertung"); when none is left the
    // round becomes "BEENDET" and is saved.
    Bestaetigung bestaetige();
    // Back: the row before the current one becomes current (and is saved as the round's
    // current row); false at the first position.
    bool zurueck();

    // The range of a key press and of a manual score: the round's values, an empty
    // minBewertung counting as 1 and an empty maxBewertung as 10.
    int minBewertung() const;
    int maxBewertung() const;
    // The refusal of a manual score: "Keine Bewertung eingegeben" (empty) or "Bewertung nicht
    // zulaessig" (outside the range); none when it may be stored.
    std::optional<Meldung> pruefeManuell(const std::optional<int> &wert) const;

    const Durchgang &durchgang() const { return m_durchgang; }
    const std::vector<std::unique_ptr<JuriertBei>> &juroren() const { return m_juroren; }

    // The messages of the dialog.
    static Meldung unvollstaendigMeldung();     // information "Wertung nicht vollstaendig"
    static Meldung abgeschlossenMeldung();      // information "Wertung abgeschlossen"
    static Meldung keinVorherigesBildMeldung(); // information "Kein vorheriges Bild vorhanden"
    static Meldung unterbrechenFrage();         // question "Wirklich unterbrechen?"

private:
    struct Zeile; // a score row with its image, number and juror scores
    void log(const QString &text, int level = 7) const;
    bool logt(int level = 7) const;
    EinzelWertung *einzelwertungVon(qlonglong juror) const;
    bool speichereEinzelwertung(EinzelWertung &einzel, int wert);
    // Stores the current image's total (unless stored already) in one transaction with the
    // writes of `dazu`, which run first.
    void speichereGesamtwertung(const std::function<void()> &dazu);
    void setzeAktuell(int index);
    // Changes and updates the round; on a failure the object is as it was.
    void aendereDurchgang(const std::function<void(Durchgang &)> &aenderung);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    Durchgang &m_durchgang;
    std::vector<std::unique_ptr<JuriertBei>> m_juroren;
    QHash<qlonglong, QString> m_vornamen;
    QHash<qlonglong, QString> m_nachnamen;
    std::vector<std::unique_ptr<Zeile>> m_zeilen; // by position
    QHash<qlonglong, int> m_indexVonWertung;      // Wertung id -> index
    int m_index = -1;
};
