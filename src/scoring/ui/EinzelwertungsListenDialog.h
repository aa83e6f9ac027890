#pragma once

#include "ListWidget.h"

#include <QDialog>

// The juror scores of one score row, members and external jurors alike: "Vorname",
// "Nachname", "Bewertung", by surname and first name.
class EinzelwertungsListe : public ListWidget
{
    Q_OBJECT
public:
    explicit EinzelwertungsListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    // Reads the juror scores anew, one statement for members and one for external jurors
    // (throws PersistenceException).
    void lade(qlonglong wertung);

protected:
    void createTableView() override;
};

// The juror scores of one image in one round, with "S&chliessen".
class EinzelwertungsListenDialog : public QDialog
{
    Q_OBJECT
public:
    // `bildTitel` names the image in the window title.
    EinzelwertungsListenDialog(DatabaseContext &ctx, qlonglong wertung, const QString &bildTitel,
                               QWidget *parent = nullptr);

    EinzelwertungsListe *liste() const { return m_liste; }

private:
    EinzelwertungsListe *m_liste;
};
