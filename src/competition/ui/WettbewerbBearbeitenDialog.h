#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class DatabaseContext;
class QLabel;
class QPushButton;
class QTabWidget;
class TeilnehmerListenWidget;
class Verein;
class Wettbewerb;
class WettbewerbGrunddatenWidget;
class WettbewerbJurorenWidget;
class WettbewerbSpartenWidget;

// The competition dialog: the tabs "&Grunddaten", "S&parten", "&Teilnehmer", "B&ilder",
// "&Juroren", "&Wertung", "E&rgebnisse", "Statistik" and "E&xport" over one copy of the
// competition, a status line with its state, the back and forward buttons and "S&chliessen".
// The state decides what each tab lets the user change.
class WettbewerbBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `wettbewerb` is copied; `aktiverVerein` (may be null) presets member searches.
    WettbewerbBearbeitenDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                               const Verein *aktiverVerein = nullptr, bool editierbar = true,
                               QWidget *parent = nullptr);
    ~WettbewerbBearbeitenDialog() override;

    // The tab "B&ilder" comes from the images library, which builds on this one: the program
    // registers how to create it at start-up. The tab has a slot aktualisiere(), called
    // whenever the dialog updates its widgets. Without a registration the tab stays disabled.
    using ReiterFabrik = std::function<QWidget *(DatabaseContext &, Wettbewerb &, bool editierbar)>;
    static void setzeBilderReiter(ReiterFabrik fabrik);
    QWidget *bilder() const { return m_bilder; }

    Wettbewerb &wettbewerb() const { return *m_wettbewerb; }
    QTabWidget *reiter() const { return m_reiter; }
    WettbewerbGrunddatenWidget *grunddaten() const { return m_grunddaten; }
    WettbewerbSpartenWidget *sparten() const { return m_sparten; }
    TeilnehmerListenWidget *teilnehmer() const { return m_teilnehmer; }
    WettbewerbJurorenWidget *juroren() const { return m_juroren; }
    QLabel *statusZeile() const { return m_statusZeile; }
    QPushButton *zurueckButton() const { return m_zurueck; }
    QPushButton *weiterButton() const { return m_weiter; }

public slots:
    void reagiereAufStatusAenderung();
    void aktualisiereButtons();
    void setzeStatus(const QString &text);
    void updateWidgets();
    void statusWechselWeiter();
    void statusWechselZurueck();
    void tabChanged(int index);

signals:
    void statusMessage(const QString &text);

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<Wettbewerb> m_wettbewerb;
    bool m_editierbar;
    QTabWidget *m_reiter;
    WettbewerbGrunddatenWidget *m_grunddaten;
    WettbewerbSpartenWidget *m_sparten;
    TeilnehmerListenWidget *m_teilnehmer;
    WettbewerbJurorenWidget *m_juroren;
    QWidget *m_bilder = nullptr;
    QLabel *m_statusZeile;
    QPushButton *m_zurueck;
    QPushButton *m_weiter;
};
