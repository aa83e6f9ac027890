#pragma once

#include "ListWidget.h"

#include <QDialog>

#include <memory>

class BilderSucheJoinModel;
class BilderSucheJoinSearchModel;
class Durchgang;
class QPushButton;
class Wettbewerb;

// The images of a round in scoring order: "Position", "Titel", "Vorname", "Nachname",
// "Bewertung" (the total of the round; empty until scored).
class BilderWertungsListe : public ListWidget
{
    Q_OBJECT
public:
    explicit BilderWertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    // Reads the round's score rows with their images in one statement (throws
    // PersistenceException).
    void lade(qlonglong durchgang);
    // The same for any search, ordered by round and position in the round.
    void lade(const BilderSucheJoinSearchModel &suche);
    BilderSucheJoinModel *markierteZeile() const;

protected:
    void createTableView() override;
};

// "Wertungen ansehen": the images of a round with their totals; the buttons show an image's
// details, the pictures full screen from the selected one on, and an image's juror scores.
// The results open it for the score rows of a participant or a club instead.
class BilderWertungsDialog : public QDialog
{
    Q_OBJECT
public:
    BilderWertungsDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                         const Durchgang &durchgang, QWidget *parent = nullptr);
    BilderWertungsDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                         const BilderSucheJoinSearchModel &suche, const QString &titel,
                         QWidget *parent = nullptr);
    ~BilderWertungsDialog() override;

    BilderWertungsListe *liste() const { return m_liste; }

public slots:
    void seheBilddetailsAn();
    void seheVollbildAn();
    void seheEinzelwertungenAn();
    void aktualisiere();

private:
    void baue(const BilderSucheJoinSearchModel &suche, const QString &titel);

    DatabaseContext &m_ctx;
    const Wettbewerb &m_wettbewerb;
    BilderWertungsListe *m_liste;
    QPushButton *m_details;
    QPushButton *m_vollbild;
    QPushButton *m_einzelwertungen;
};
