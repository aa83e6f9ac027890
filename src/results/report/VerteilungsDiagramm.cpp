#include "VerteilungsDiagramm.h"

#include "Punkteverteilung.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace {

const QColor kAngenommen(46, 98, 158);
const QColor kNichtAngenommen(150, 178, 210);
const QColor kGrenze(200, 30, 30);
const QColor kGitter(215, 215, 215);

// The smallest step 1, 2, 5, 10, 20, 50 ... that is at least `mindestens`.
int runderSchritt(double mindestens)
{
    for (int schritt = 1;; schritt *= 10)
        for (int faktor : {1, 2, 5})
            if (schritt * faktor >= mindestens)
                return schritt * faktor;
}

QString altersklasse(bool jugend)
{
    return jugend ? QStringLiteral("Jugend") : QStringLiteral("Erwachsene");
}

} // namespace

void VerteilungsDiagramm::zeichne(QPainter &painter, const QRectF &rechteck,
                                  const Punkteverteilung &verteilung)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal punkt = painter.device() ? painter.device()->logicalDpiX() / 96.0 : 1.0;
    const QFontMetricsF metrik(painter.font(), painter.device());
    const qreal zeile = metrik.height();
    const int bilder = verteilung.anzahlBilder();

    painter.setPen(Qt::black);
    const QRectF titel(rechteck.left(), rechteck.top(), rechteck.width(), zeile);
    painter.drawText(titel, Qt::AlignLeft | Qt::AlignVCenter,
                     metrik.elidedText(QStringLiteral("%1 – %2 (%3 Bilder)")
                                           .arg(verteilung.sparteName,
                                                altersklasse(verteilung.jugend))
                                           .arg(bilder),
                                       Qt::ElideRight, titel.width()));

    // The totals shown: every integer from the smallest to the largest, the threshold included.
    int von = 0, bis = 0;
    if (!verteilung.bilderProPunkte.empty()) {
        von = verteilung.bilderProPunkte.begin()->first;
        bis = verteilung.bilderProPunkte.rbegin()->first;
    }
    const bool mitGrenze = verteilung.annahmeGrenze >= 0 && bilder > 0;
    if (mitGrenze) {
        von = std::min(von, verteilung.annahmeGrenze);
        bis = std::max(bis, verteilung.annahmeGrenze);
    }
    int hoechste = 1;
    for (const auto &[punkte, anzahl] : verteilung.bilderProPunkte)
        hoechste = std::max(hoechste, anzahl);

    // Plot area: room for the threshold label above, the axis title and counts left, the
    // totals and the axis title below.
    const qreal oben = titel.bottom() + zeile * 1.6;
    const qreal unten = rechteck.bottom() - zeile * 2.3;
    const int ySchritt = runderSchritt(hoechste * zeile * 1.5 / std::max(unten - oben, 1.0));
    const int yMax = (hoechste + ySchritt - 1) / ySchritt * ySchritt;
    const qreal zahlenLinks = rechteck.left() + zeile;
    const qreal links = zahlenLinks + metrik.horizontalAdvance(QString::number(yMax)) + 6 * punkt;
    const QRectF flaeche(QPointF(links, oben), QPointF(rechteck.right() - 4 * punkt, unten));
    if (flaeche.width() <= 0 || flaeche.height() <= 0) {
        painter.restore();
        return;
    }
    const int spalten = bis - von + 1;
    const qreal breite = flaeche.width() / spalten;
    const auto xVon = [&](double punkte) { return flaeche.left() + (punkte - von) * breite; };
    const auto yVon = [&](double anzahl) {
        return flaeche.bottom() - anzahl / yMax * flaeche.height();
    };

    // Horizontal grid and the count labels.
    for (int wert = 0; wert <= yMax; wert += ySchritt) {
        const qreal y = yVon(wert);
        painter.setPen(QPen(kGitter, 0.8 * punkt));
        painter.drawLine(QPointF(flaeche.left(), y), QPointF(flaeche.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(zahlenLinks, y - zeile / 2, links - zahlenLinks - 3 * punkt, zeile),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(wert));
    }

    // The bars, darker from the threshold on, with their counts when there is room.
    const bool zahlenPassen = metrik.horizontalAdvance(QString::number(hoechste)) < breite * 0.95;
    for (const auto &[punkte, anzahl] : verteilung.bilderProPunkte) {
        const QRectF balken(QPointF(xVon(punkte) + breite * 0.1, yVon(anzahl)),
                            QPointF(xVon(punkte + 1) - breite * 0.1, flaeche.bottom()));
        painter.fillRect(balken, mitGrenze && punkte >= verteilung.annahmeGrenze
                                     ? kAngenommen
                                     : kNichtAngenommen);
        if (zahlenPassen)
            painter.drawText(QRectF(xVon(punkte), balken.top() - zeile, breite, zeile),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(anzahl));
    }

    // Axes; the totals below, as many as fit side by side.
    painter.setPen(QPen(Qt::black, punkt));
    painter.drawLine(flaeche.bottomLeft(), flaeche.bottomRight());
    painter.drawLine(flaeche.bottomLeft(), flaeche.topLeft());
    const int xSchritt =
        runderSchritt((metrik.horizontalAdvance(QString::number(bis)) + 4 * punkt) / breite);
    for (int punkte = von; punkte <= bis; ++punkte) {
        if (punkte % xSchritt != 0 && spalten > 1)
            continue;
        const qreal mitte = xVon(punkte + 0.5);
        painter.drawLine(QPointF(mitte, flaeche.bottom()),
                         QPointF(mitte, flaeche.bottom() + 3 * punkt));
        painter.drawText(QRectF(mitte - breite * xSchritt / 2, flaeche.bottom() + 3 * punkt,
                                breite * xSchritt, zeile),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(punkte));
    }
    painter.drawText(QRectF(flaeche.left(), rechteck.bottom() - zeile, flaeche.width(), zeile),
                     Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Punkte"));
    painter.save();
    painter.translate(rechteck.left(), flaeche.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-flaeche.height() / 2, 0, flaeche.height(), zeile), Qt::AlignCenter,
                     QStringLiteral("Bilder"));
    painter.restore();
    if (bilder == 0)
        painter.drawText(flaeche, Qt::AlignCenter, QStringLiteral("Keine bewerteten Bilder"));

    // The threshold: a line before the first accepted total, its label above the plot.
    if (mitGrenze) {
        const qreal x = xVon(verteilung.annahmeGrenze);
        painter.setPen(QPen(kGrenze, 1.6 * punkt, Qt::DashLine));
        painter.drawLine(QPointF(x, flaeche.top() - zeile * 0.3), QPointF(x, flaeche.bottom()));
        const QString text = QStringLiteral("Annahmegrenze: %1").arg(verteilung.annahmeGrenze);
        const qreal textBreite = metrik.horizontalAdvance(text) + 4 * punkt;
        const qreal textLinks =
            std::clamp(x - textBreite / 2, rechteck.left(), rechteck.right() - textBreite);
        painter.setPen(kGrenze);
        painter.drawText(QRectF(textLinks, flaeche.top() - zeile * 1.4, textBreite, zeile),
                         Qt::AlignCenter, text);
    }
    painter.restore();
}
