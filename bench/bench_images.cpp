// Decoding pictures for display: the decoder (scaled JPEG decoding, colour conversion to
// sRGB) against Qt's reader decoding the full picture plus one smooth scale, on drawn JPEGs of
// 12 and 24 megapixels with a Display P3 profile; and 256-pixel thumbnails per second through
// the loader that runs off the GUI thread. Needs no database.
#include "BildDecoder.h"
#include "BildLader.h"
#include "BenchUtil.h"

#include <QBuffer>
#include <QColorSpace>
#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// A drawn picture with gradients, shapes and fine grain, so that it compresses like a photo.
QByteArray zeichne(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter painter(&bild);
    QLinearGradient verlauf(0, 0, breite, hoehe);
    verlauf.setColorAt(0, QColor(230, 120, 40));
    verlauf.setColorAt(0.5, QColor(40, 140, 200));
    verlauf.setColorAt(1, QColor(20, 40, 90));
    painter.fillRect(bild.rect(), verlauf);
    QRandomGenerator zufall(42);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv(zufall.bounded(360), 80 + zufall.bounded(170),
                                         80 + zufall.bounded(170), 160));
        painter.drawEllipse(QPointF(zufall.bounded(breite), zufall.bounded(hoehe)),
                            20 + zufall.bounded(breite / 12), 20 + zufall.bounded(hoehe / 12));
    }
    painter.end();
    for (int y = 0; y < hoehe; ++y) {
        auto *zeile = reinterpret_cast<QRgb *>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const int d = int(zufall.bounded(17)) - 8;
            const QRgb p = zeile[x];
            zeile[x] = qRgb(qBound(0, qRed(p) + d, 255), qBound(0, qGreen(p) + d, 255),
                            qBound(0, qBlue(p) + d, 255));
        }
    }
    bild.setColorSpace(QColorSpace::DisplayP3);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPG", 92);
    return daten;
}

QImage vollUndSkaliert(const QByteArray &daten, const QSize &ziel)
{
    QBuffer puffer;
    puffer.setData(daten);
    QImageReader reader(&puffer, "JPG");
    QImage bild = reader.read().scaled(ziel, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    bild.convertToColorSpace(QColorSpace::SRgb);
    return bild;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QSize bildschirm(1920, 1080);
    const int runden = 7;
    const struct
    {
        const char *name;
        int breite, hoehe;
    } groessen[] = {{"24MP", 6000, 4000}, {"12MP", 4240, 2832}};
    QByteArray zwoelf;
    for (const auto &g : groessen) {
        const QByteArray daten = zeichne(g.breite, g.hoehe);
        if (g.breite == 4240)
            zwoelf = daten;
        std::vector<double> decoder, voll;
        for (int i = 0; i < runden; ++i) {
            decoder.push_back(BenchUtil::millisecondsOf([&] {
                if (BildDecoder::dekodiere(daten, bildschirm).isNull())
                    std::abort();
            }));
            voll.push_back(BenchUtil::millisecondsOf([&] {
                if (vollUndSkaliert(daten, bildschirm).isNull())
                    std::abort();
            }));
        }
        const double d = BenchUtil::median(decoder), v = BenchUtil::median(voll);
        std::printf("picture size %s: %.1f MB\n", g.name, daten.size() / 1e6);
        std::printf("full decode and scale %s: %.1f ms\n", g.name, v);
        std::printf("decode to screen %s: %.1f ms\n", g.name, d);
        std::printf("decode to screen ratio %s: %.2f\n", g.name, v / d);
    }

    // Thumbnails of 256 pixels from the 12-megapixel picture, all cores through the loader.
    const int anzahl = 48;
    std::vector<double> proSekunde;
    for (int i = 0; i < 3; ++i) {
        BildLader lader;
        int fertig = 0;
        QObject::connect(&lader, &BildLader::geladen, [&](qlonglong, const QImage &) { ++fertig; });
        const double ms = BenchUtil::millisecondsOf([&] {
            for (int k = 0; k < anzahl; ++k)
                lader.lade(k, zwoelf, QSize(256, 256), k % 4);
            lader.warte();
        });
        if (fertig != anzahl)
            std::abort();
        proSekunde.push_back(anzahl * 1000.0 / ms);
    }
    std::printf("thumbnails per second 256px: %.1f /s\n", BenchUtil::median(proSekunde));
    return 0;
}
