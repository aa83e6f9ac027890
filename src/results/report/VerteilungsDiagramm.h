#pragma once

class QPainter;
class QRectF;
struct Punkteverteilung;

// The chart of a score distribution: a caption (category, age class, number of images), one
// bar per total with the number of images, axes with their labels, and the acceptance
// threshold as a vertical line labelled "Annahmegrenze: N" before the bars of the accepted
// totals (which are drawn darker). Drawn with the painter's font into the rectangle (device
// coordinates); pens scale with the device's resolution, so the same call serves a widget, an
// image and a PDF page. The painter's state is restored afterwards.
namespace VerteilungsDiagramm {

void zeichne(QPainter &painter, const QRectF &rechteck, const Punkteverteilung &verteilung);

} // namespace VerteilungsDiagramm
