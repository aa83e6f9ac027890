#pragma once

#include <QWidget>

class DatabaseContext;
class QPushButton;
class SpartenListe;
class Wettbewerb;

// The tab "S&parten": the competition's categories with "&Neu", "&Ansehen", "&Bearbeiten" and
// "&Loeschen"; new, edit and delete only while the competition is in "ANGELEGT".
class WettbewerbSpartenWidget : public QWidget
{
    Q_OBJECT
public:
    WettbewerbSpartenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar,
                            QWidget *parent = nullptr);

    SpartenListe *liste() const { return m_liste; }

public slots:
    void legeSparteAn();
    void seheSparteAn();
    void bearbeiteSparte();
    void loescheSparte();
    // The buttons after a change of state or selection.
    void aktualisiere();
    void aktualisiereListe();

signals:
    void spartenGeaendert();

private:
    bool darfAendern() const;

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    bool m_editierbar;
    SpartenListe *m_liste;
    QPushButton *m_neu;
    QPushButton *m_ansehen;
    QPushButton *m_bearbeiten;
    QPushButton *m_loeschen;
};
