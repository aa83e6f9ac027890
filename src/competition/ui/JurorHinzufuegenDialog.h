#pragma once

#include <QDialog>

class DatabaseContext;
class ExterneJurorenListe;
class ExternerJuror;
class Mitglied;
class Mitgliederliste;
class Mitgliedersuche;

// "Juror hinzufuegen": one search over members and external jurors, with the lists "Gefundene
// Mitglieder" and "Gefundene externe Juroren"; "Aus&waehlen" hands the marked person (a member
// before an external juror) to the opener.
class JurorHinzufuegenDialog : public QDialog
{
    Q_OBJECT
public:
    JurorHinzufuegenDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    ~JurorHinzufuegenDialog() override;

    Mitgliedersuche *suchfelder() const { return m_suche; }
    Mitgliederliste *mitglieder() const { return m_mitglieder; }
    ExterneJurorenListe *externe() const { return m_externe; }

public slots:
    void suche();
    void waehleAus();

signals:
    void mitgliedAusgewaehlt(Mitglied *mitglied);
    void externerJurorAusgewaehlt(ExternerJuror *juror);

private:
    DatabaseContext &m_ctx;
    Mitgliedersuche *m_suche;
    Mitgliederliste *m_mitglieder;
    ExterneJurorenListe *m_externe;
};
