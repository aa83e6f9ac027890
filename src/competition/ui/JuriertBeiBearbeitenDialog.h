#pragma once

#include "Modus.h"

#include <QDialog>
#include <QWidget>

#include <memory>
#include <vector>

class DatabaseContext;
class JuriertBei;
class QCheckBox;
class QPushButton;
class Sparte;
class SpartenJurierung;
class SpartenListe;
class Wettbewerb;

// The categories a juror judges when he does not judge all of them: the list with
// "Hi&nzufuegen", "&Ansehen" and "&Loeschen". Every change is stored at once.
class JuriertBeiSpartenWidget : public QWidget
{
    Q_OBJECT
public:
    JuriertBeiSpartenWidget(DatabaseContext &ctx, const Wettbewerb &wettbewerb, JuriertBei &juror,
                            bool editierbar, QWidget *parent = nullptr);
    ~JuriertBeiSpartenWidget() override;

    SpartenListe *liste() const { return m_liste; }
    // Assigns the category (a refusal is shown); true when it was assigned.
    bool ordneZu(const Sparte &sparte);

public slots:
    void fuegeHinzu();
    void seheAn();
    void loesche();
    void aktualisiere();

signals:
    void spartenGeaendert();

private:
    void lade();

    DatabaseContext &m_ctx;
    const Wettbewerb &m_wettbewerb;
    JuriertBei &m_juror;
    bool m_editierbar;
    SpartenListe *m_liste;
    std::vector<std::unique_ptr<SpartenJurierung>> m_zuordnungen;
    QPushButton *m_hinzufuegen;
    QPushButton *m_ansehen;
    QPushButton *m_loeschen;
};

// "Juroren-Zuordnung Bearbeiten" (BEARBEITEN) or "Juroren-Zuordnung Ansehen" (ANSEHEN): whether
// the juror judges all categories ("Wertet in allen Sparten") and, if not, which.
class JuriertBeiBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    JuriertBeiBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Wettbewerb &wettbewerb,
                               JuriertBei &juror, QWidget *parent = nullptr);

    QCheckBox *alleSpartenFeld() const { return m_alle; }
    JuriertBeiSpartenWidget *sparten() const { return m_sparten; }

public slots:
    void toggleAlleSparten();

signals:
    void alleSpartenChanged(JuriertBei *juror);

private:
    DatabaseContext &m_ctx;
    JuriertBei &m_juror;
    QCheckBox *m_alle;
    JuriertBeiSpartenWidget *m_sparten;
};
