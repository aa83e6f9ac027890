#pragma once

#include "Modus.h"

#include <QWidget>

#include <memory>

class DatabaseContext;
class Formular;
class Jurierung;
class QLineEdit;
class Wettbewerb;

// The master data of a competition, grouped under "Wettbewerbsdaten" and "Festlegungen",
// bound to the caller's competition and jury. Jury mode and number of rounds can be chosen
// only for a new competition.
class GrunddatenBearbeitenWidget : public QWidget
{
    Q_OBJECT
public:
    GrunddatenBearbeitenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, Jurierung &jurierung,
                               Modus modus, QWidget *parent = nullptr);
    ~GrunddatenBearbeitenWidget() override;

    // Takes over the fields, checks them (a refusal is shown) and stores competition and jury.
    // False when a check or the database refused.
    bool speichere();

public slots:
    void seheAusrichterAn();
    void waehleAusrichter();
    void seheBerechtigtenVereinAn();
    void waehleBerechtigtenVerein();

private:
    void zeigeVereine();
    void seheVereinAn(int row);
    void waehleVerein(int row);

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    Jurierung &m_jurierung;
    std::unique_ptr<Formular> m_formular;
    std::unique_ptr<Formular> m_juryFormular;
    QLineEdit *m_ausrichter;
    QLineEdit *m_berechtigt;
};
