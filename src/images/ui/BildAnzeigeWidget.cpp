#include "BildAnzeigeWidget.h"

#include "BildDecoder.h"

#include <QPainter>

BildAnzeigeWidget::BildAnzeigeWidget(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(40, 40);
}

void BildAnzeigeWidget::zeige(const QByteArray &daten, int rotierSchritte)
{
    m_daten = daten;
    m_schritte = rotierSchritte;
    m_bild = QImage();
    m_fuer = QSize();
    update();
}

void BildAnzeigeWidget::setSchwarzerHintergrund(bool schwarz)
{
    m_schwarz = schwarz;
    update();
}

void BildAnzeigeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_schwarz)
        painter.fillRect(rect(), Qt::black);
    if (m_daten.isEmpty()) {
        if (width() < 99) {
            painter.drawLine(0, 0, width() - 1, height() - 1);
            painter.drawLine(0, height() - 1, width() - 1, 0);
        } else {
            painter.drawText(rect(), Qt::AlignCenter, tr("Kein Bild vorhanden"));
        }
        return;
    }
    if (m_fuer != size()) {
        m_bild = BildDecoder::dekodiere(m_daten, size(), m_schritte);
        m_fuer = size();
    }
    painter.drawImage((width() - m_bild.width()) / 2, (height() - m_bild.height()) / 2, m_bild);
}
