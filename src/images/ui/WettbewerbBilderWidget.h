#pragma once

#include "BildListe.h"
#include "BilderCache.h"
#include "Modus.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QWidget>

#include <deque>
#include <vector>

class Bild;
class BildLader;
class BilderSucheWidget;
class DatabaseContext;
class QLabel;
class QListView;
class QPushButton;
class QTimer;
class Wettbewerb;

// The images of a competition with their thumbnails. A thumbnail is asked for only when its
// item is painted; the picture bytes are then read one row per turn of the event loop and
// decoded off the GUI thread.
class BilderModell : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int kVorschau = 160;

    using QAbstractListModel::QAbstractListModel;
    void setzeZeilen(std::vector<BildZeile> zeilen);
    const std::vector<BildZeile> &zeilen() const { return m_zeilen; }
    void setzeVorschau(qlonglong bild, const QPixmap &vorschau);
    bool hatVorschau(qlonglong bild) const { return m_vorschau.contains(bild); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    void vorschauGebraucht(int zeile) const;

private:
    std::vector<BildZeile> m_zeilen;
    QHash<qlonglong, QPixmap> m_vorschau;
    mutable QSet<qlonglong> m_angefragt;
};

// The tab "B&ilder": search, "%1 Bilder gefunden", the thumbnails and the buttons "&Neu",
// "Details &Ansehen", "&Vollbild Ansehen", "&Bearbeiten", "&Loeschen", "Alle ungueltigen
// Loeschen". Owns the picture cache of its competition dialog.
class WettbewerbBilderWidget : public QWidget
{
    Q_OBJECT
public:
    WettbewerbBilderWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar,
                           QWidget *parent = nullptr);
    ~WettbewerbBilderWidget() override;

    BilderModell *modell() const { return m_modell; }
    QListView *ansicht() const { return m_ansicht; }
    QLabel *anzahl() const { return m_anzahl; }
    BildLader *lader() const { return m_lader; }
    BilderCache &cache() { return m_cache; }
    BilderSucheWidget *suche() const { return m_suche; }
    // The id of the selected image; -1 when none.
    qlonglong markiertesBild() const;

public slots:
    void fuegeBildHinzu();
    void seheBildDetailsAn();
    void seheVollbildAn();
    void bearbeiteBild();
    void loescheBild();
    void loescheUngueltigeBilder();
    void aktualisiere();
    void aktualisiereListe();

signals:
    void bilderGeaendert();

private:
    void sucheNach(const QString &text);
    void ladeNaechsteVorschau();
    void oeffne(Modus modus);
    bool fragtAnnahmeschluss(int operation);
    std::unique_ptr<Bild> markiertesBildObjekt();

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    bool m_editierbar;
    QString m_suchText;
    BilderCache m_cache;
    BilderSucheWidget *m_suche;
    QLabel *m_anzahl;
    BilderModell *m_modell;
    QListView *m_ansicht;
    BildLader *m_lader;
    QTimer *m_takt;
    std::deque<int> m_warteschlange;
    QPushButton *m_neu;
    QPushButton *m_details;
    QPushButton *m_vollbild;
    QPushButton *m_bearbeiten;
    QPushButton *m_loeschen;
    QPushButton *m_ungueltige;
};
