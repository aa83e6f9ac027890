#pragma once

#include "ListWidget.h"

class Sparte;
class Wettbewerb;

// The categories of a competition: "Name", "Abkuerzung", "Durchgaenge anlegen fuer", "In
// Kombination verwendet", in stored order.
class SpartenListe : public ListWidget
{
    Q_OBJECT
public:
    explicit SpartenListe(DatabaseContext &ctx, QWidget *parent = nullptr);

    // Reads the competition's categories anew (throws PersistenceException).
    void lade(const Wettbewerb &wettbewerb);
    // The selected category, owned by the list; null unless exactly one row is selected.
    Sparte *markierteSparte() const;

signals:
    void zeileDoppelgeklickt();

protected:
    void createTableView() override;
};
