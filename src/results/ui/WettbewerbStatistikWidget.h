#pragma once

#include "Punkteverteilung.h"

#include <QWidget>

#include <vector>

class DatabaseContext;
class QGridLayout;
class QTreeWidget;
class Wettbewerb;

// One category's score distribution (images per total) with its acceptance threshold.
class VerteilungsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VerteilungsWidget(Punkteverteilung verteilung, QWidget *parent = nullptr);
    const Punkteverteilung &verteilung() const { return m_verteilung; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Punkteverteilung m_verteilung;
};

// The tab "Statistik" of the competition dialog: the stored statistics of the competition as a
// tree (counts of participants, images and accepted images, per category and age class), and
// below it the score distribution of every category and age class.
class WettbewerbStatistikWidget : public QWidget
{
    Q_OBJECT
public:
    WettbewerbStatistikWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                              QWidget *parent = nullptr);
    ~WettbewerbStatistikWidget() override;

    QTreeWidget *baum() const { return m_baum; }
    // The distributions shown below the tree, in their order.
    std::vector<const VerteilungsWidget *> diagramme() const;

public slots:
    // Builds tree and distributions anew from the database.
    void aktualisiere();
    // When the tab is shown: the statistics are computed from the competition as stored now
    // and shown.
    void reiterGezeigt();

private:
    void baueBaum();
    void baueDiagramme();

    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    QTreeWidget *m_baum;
    QWidget *m_diagrammFlaeche;
    QGridLayout *m_diagramme;
};
