#pragma once

#include "ExportInDatei.h"

#include <QWidget>

class DatabaseContext;
class QPushButton;
class Wettbewerb;

// The tab "E&xport" of the competition dialog: the competition alone ("Exportiere
// Wett&bewerbsdaten") or with its participating members and their clubs, personal member
// data left out, into a ZIP archive with the pictures or a CSV file.
class WettbewerbExportWidget : public QWidget
{
    Q_OBJECT
public:
    WettbewerbExportWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                           QWidget *parent = nullptr);
    ~WettbewerbExportWidget() override;

public slots:
    void exportiereWettbewerb();
    void exportiereWettbewerbMitMitgliedsDaten();

private:
    void exportiere(const ExportStrategieFabrik &fabrik);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
};
