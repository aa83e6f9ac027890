#pragma once

#include "ListWidget.h"

class Verein;

// A list of clubs with the columns "Nummer" (complete number) and "Name".
class VereinsListe : public ListWidget
{
    Q_OBJECT
public:
    explicit VereinsListe(DatabaseContext &ctx, QWidget *parent = nullptr);

    // Shows these clubs instead of the former ones, sorted as the header says (at first by
    // number).
    void zeigeVereine(std::vector<std::unique_ptr<Verein>> vereine);

    // The club shown in a row, owned by the list; null outside the list.
    Verein *vereinInZeile(int row) const;
    // The one selected club, owned by the list; null unless exactly one row is selected.
    Verein *markierterVerein() const;

signals:
    // A double click on a row.
    void vereinDoppelgeklickt(int row);

protected:
    void createTableView() override;
};
