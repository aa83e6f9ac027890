#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class GrunddatenBearbeitenWidget;
class Jurierung;
class Wettbewerb;

// "Neuen Wettbewerb anlegen" (NEU), "Grunddaten bearbeiten" (BEARBEITEN), "Grunddaten
// ansehen" (ANSEHEN): the master data of one competition and its jury, on copies. Storing
// hands the stored competition to the opener through grunddatenGespeichert. The constructor
// throws PersistenceException when a stored competition has not exactly one jury.
class GrunddatenBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    GrunddatenBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Wettbewerb &wettbewerb,
                               QWidget *parent = nullptr);
    ~GrunddatenBearbeitenDialog() override;

    GrunddatenBearbeitenWidget *widget() const { return m_widget; }

public slots:
    void schliessenUndSpeichern();
    void schliessenOhneSpeichern();

signals:
    void grunddatenGespeichert(Wettbewerb *wettbewerb);

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<Wettbewerb> m_wettbewerb;
    std::unique_ptr<Jurierung> m_jurierung;
    GrunddatenBearbeitenWidget *m_widget;
};
