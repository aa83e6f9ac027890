#pragma once

#include <QDialog>

#include <functional>
#include <map>
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

    // The tabs of the libraries that build on this one ("B&ilder", "&Wertung", "E&rgebnisse",
    // "Statistik", "E&xport"): the program registers how to create each at start-up. Such a
    // tab has a slot aktualisiere(), called whenever the dialog updates its widgets. After a
    // change of state the dialog calls the tab's slot statusWechselWeiter() or
    // statusWechselZurueck(), and when the tab becomes the current one its slot
    // reiterGezeigt(), each only if the tab has it. A tab without a registration stays
    // disabled.
    enum class Reiter
    {
        Bilder,
        Wertung,
        Ergebnisse,
        Statistik,
        Export
    };
    using ReiterFabrik = std::function<QWidget *(DatabaseContext &, Wettbewerb &, bool editierbar)>;
    // Registers (or, with an empty factory, removes) the factory of a tab.
    static void setzeReiter(Reiter reiter, ReiterFabrik fabrik);
    // The registered tab's widget; null when the tab had no registration.
    QWidget *reiterWidget(Reiter reiter) const;
    QWidget *bilder() const { return reiterWidget(Reiter::Bilder); }

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
    std::map<Reiter, QWidget *> m_registrierte;
    QLabel *m_statusZeile;
    QPushButton *m_zurueck;
    QPushButton *m_weiter;
};
