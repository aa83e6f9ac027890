#pragma once

#include "ListWidget.h"

class ExternerJuror;
class JuriertBeiPersonJoinModel;
class Wettbewerb;

// The jurors of a competition, members and external jurors: "JuriertBeiArt", "Vorname",
// "Nachname", "Staat", "Sparten", "Hat Tastatur".
class JurorenListe : public ListWidget
{
    Q_OBJECT
public:
    explicit JurorenListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    // Reads the seats anew (throws PersistenceException), sorted by surname and first name.
    void lade(const Wettbewerb &wettbewerb);
    JuriertBeiPersonJoinModel *markierteZeile() const;
    // The row of a seat; -1 when not shown.
    int zeileVon(qlonglong juriertBei) const;

signals:
    void zeileDoppelgeklickt();

protected:
    void createTableView() override;
};

// External jurors: "Nummer", "Vorname", "Nachname".
class ExterneJurorenListe : public ListWidget
{
    Q_OBJECT
public:
    explicit ExterneJurorenListe(DatabaseContext &ctx, QWidget *parent = nullptr);
    ExternerJuror *jurorAt(int row) const;

protected:
    void createTableView() override;
};
