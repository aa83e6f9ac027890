#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

// Shows one picture rotated by its steps, decoded to the widget's size and converted to sRGB;
// never enlarged, centred, optionally on black. Without picture a narrow widget (below 99
// pixels) shows its two diagonals, a wider one "Kein Bild vorhanden".
class BildAnzeigeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BildAnzeigeWidget(QWidget *parent = nullptr);

    // `daten` the stored JPEG bytes (empty: no picture).
    void zeige(const QByteArray &daten, int rotierSchritte);
    void setSchwarzerHintergrund(bool schwarz);
    // The picture as last drawn (null without picture).
    const QImage &angezeigt() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QByteArray m_daten;
    int m_schritte = 0;
    bool m_schwarz = false;
    QImage m_bild; // decoded for m_fuer
    QSize m_fuer;
};
