#pragma once

#include "ListWidget.h"

class Mitglied;

// The list of found members: "Mitgliedsnummer", "Vorname", "Nachname", "Mitgliedsart",
// "Jugend", "Geburtsdatum", "Beitrag bezahlt bis". A double click on a row is reported.
class Mitgliederliste : public ListWidget
{
    Q_OBJECT
public:
    explicit Mitgliederliste(DatabaseContext &ctx, QWidget *parent = nullptr);

    // The member of a row (owned by the list); null outside.
    Mitglied *mitgliedAt(int row) const;
    // The row of the member with this id; -1 when the list does not show it.
    int zeileVon(qlonglong id) const;

signals:
    void zeileDoppelgeklickt(int row);

protected:
    void createTableView() override;
};
