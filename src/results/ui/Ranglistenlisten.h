#pragma once

#include "ListWidget.h"
#include "Ranglisten.h"

#include <QList>

#include <memory>

class BilderSucheJoinSearchModel;
class Wettbewerb;

// One ranking of a competition and age class as a list: the columns and widths of the ranking,
// the rows with their running ranks. A double click asks for the images of the row's participant
// or club (bilderSuche).
class RanglistenListe : public ListWidget
{
    Q_OBJECT
public:
    // Where the list finds what a double click needs in its rows.
    struct Zeilenbezug
    {
        int teilnahme = -1; // the participation's id; -1: the list ranks clubs
        int verein = -1;    // the club's id
        int sparte = -1;    // the category's id; -1: the list sums over categories
        QList<int> name;    // the parts of the shown name (first and last name, club name)
    };

    Rangliste art() const { return m_art; }
    // Reads the ranking anew (throws PersistenceException); `jugend` is the id of the
    // "Jugend" code value of the age class.
    void lade(const Wettbewerb &wettbewerb, qlonglong jugend);
    // The search for the images behind a row (their scores in every round; for a combination
    // the combined categories only), with the title of the dialog that shows them.
    std::unique_ptr<BilderSucheJoinSearchModel> bilderSuche(int zeile, QString *titel) const;

protected:
    // `spalten`: the attribute rows shown under the ranking's column titles, left to right.
    RanglistenListe(DatabaseContext &ctx, Rangliste art, QList<int> spalten, Zeilenbezug bezug,
                    QWidget *parent);
    void createTableView() override;

private:
    Rangliste m_art;
    QList<int> m_spalten;
    Zeilenbezug m_bezug;
    qlonglong m_wettbewerb = -1;
};

// Participants per category: "Rang", "Verein", "Sparte", "Mitgliedsnummer", "Vorname",
// "Nachname", "Punkte".
class TeilnehmerWertungsListe : public RanglistenListe
{
    Q_OBJECT
public:
    explicit TeilnehmerWertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// Participants over the combined categories: "Rang", "Verein", "Mitgliedsnummer", "Vorname",
// "Nachname", "Punkte".
class TeilnehmerKombinationsWertungsListe : public RanglistenListe
{
    Q_OBJECT
public:
    explicit TeilnehmerKombinationsWertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// Clubs per category: "Rang", "Vereinsnummer", "Vereinsname", "Sparte", "Punkte".
class VereinsWertungsListe : public RanglistenListe
{
    Q_OBJECT
public:
    explicit VereinsWertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// Clubs over the combined categories: "Rang", "Vereinsnummer", "Vereinsname", "Punkte".
class VereinsKombinationsWertungsListe : public RanglistenListe
{
    Q_OBJECT
public:
    explicit VereinsKombinationsWertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
};
