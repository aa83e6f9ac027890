#include "BildDecoder.h"

#include <QColorSpace>
#include <QMap>
#include <QTransform>

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The size the picture has after fitting into `ziel` (never enlarged).
QSize passend(const QSize &quelle, const QSize &ziel)
{
    if (!ziel.isValid() || ziel.isEmpty() ||
        (quelle.width() <= ziel.width() && quelle.height() <= ziel.height()))
        return quelle;
    return quelle.scaled(ziel, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage gedreht(const QImage &bild, int rotierSchritte)
{
    const int viertel = ((rotierSchritte % 4) + 4) % 4;
    if (viertel == 0 || bild.isNull())
        return bild;
    return bild.transformed(QTransform().rotate(90.0 * viertel), Qt::SmoothTransformation);
}

// Scaled decoding with libturbojpeg; a null image when it cannot decode the bytes.
QImage turboDekodiere(const QByteArray &daten, const QSize &ziel)
{
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    if (!handle)
        return QImage();
    auto *bytes = reinterpret_cast<unsigned char *>(const_cast<char *>(daten.constData()));
    const auto laenge = static_cast<unsigned long>(daten.size());
    int breite = 0, hoehe = 0, subsampling = 0, farbraum = 0;
    if (tjDecompressHeader3(handle.get(), bytes, laenge, &breite, &hoehe, &subsampling,
                            &farbraum) != 0 ||
        farbraum == TJCS_CMYK || farbraum == TJCS_YCCK)
        return QImage();
    const QSize endGroesse = passend(QSize(breite, hoehe), ziel);

    // The smallest scaling factor whose result still covers the final size.
    int anzahl = 0;
    const tjscalingfactor *faktoren = tjGetScalingFactors(&anzahl);
    tjscalingfactor gewaehlt{1, 1};
    int bestBreite = breite;
    for (int i = 0; i < anzahl; ++i) {
        const tjscalingfactor f = faktoren[i];
        if (f.num > f.denom)
            continue;
        const int w = TJSCALED(breite, f);
        const int h = TJSCALED(hoehe, f);
        if (w >= endGroesse.width() && h >= endGroesse.height() && w < bestBreite) {
            gewaehlt = f;
            bestBreite = w;
        }
    }
    QImage bild(TJSCALED(breite, gewaehlt), TJSCALED(hoehe, gewaehlt), QImage::Format_RGBX8888);
    if (bild.isNull() ||
        tjDecompress2(handle.get(), bytes, laenge, bild.bits(), bild.width(),
                      int(bild.bytesPerLine()), bild.height(), TJPF_RGBX, 0) != 0)
        return QImage();
    if (bild.size() != endGroesse)
        bild = bild.scaled(endGroesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bild;
}

} // namespace

namespace BildDecoder {

QByteArray iccProfil(const QByteArray &daten)
{
    static const QByteArray kennung("ICC_PROFILE\0", 12);
    QMap<int, QByteArray> teile;
    const auto *p = reinterpret_cast<const unsigned char *>(daten.constData());
    const qsizetype n = daten.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return QByteArray();
    qsizetype pos = 2;
    while (pos + 4 <= n) {
        if (p[pos] != 0xFF)
            break;
        const unsigned char marker = p[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // start of scan, end of image
            break;
        const int laenge = (p[pos + 2] << 8) | p[pos + 3];
        if (laenge < 2 || pos + 2 + laenge > n)
            break;
        if (marker == 0xE2 && laenge >= 16 &&
            daten.mid(pos + 4, kennung.size()) == kennung) {
            const int nummer = p[pos + 4 + 12];
            teile.insert(nummer, daten.mid(pos + 4 + 14, laenge - 2 - 14));
        }
        pos += 2 + laenge;
    }
    QByteArray profil;
    for (const QByteArray &teil : std::as_const(teile))
        profil += teil;
    return profil;
}

QImage nachSrgb(QImage bild, const QByteArray &profil)
{
    if (profil.isEmpty() || bild.isNull())
        return bild;
    const QColorSpace raum = QColorSpace::fromIccProfile(profil);
    if (!raum.isValid() || raum == QColorSpace(QColorSpace::SRgb))
        return bild;
    bild.setColorSpace(raum);
    bild.convertToColorSpace(QColorSpace::SRgb);
    return bild;
}

QImage dekodiere(const QByteArray &daten, const QSize &ziel, int rotierSchritte)
{
    if (daten.isEmpty())
        return QImage();
    // Odd steps turn the picture on its side: it must fit the transposed box before turning.
    const QSize box = (rotierSchritte % 2 != 0 && ziel.isValid()) ? ziel.transposed() : ziel;
    QImage bild = turboDekodiere(daten, box);
    if (bild.isNull()) {
        // What libturbojpeg does not decode (CMYK pictures, other formats): Qt's reader.
        bild = QImage::fromData(daten);
        if (bild.isNull())
            return bild;
        const QSize endGroesse = passend(bild.size(), box);
        if (endGroesse != bild.size())
            bild = bild.scaled(endGroesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (bild.colorSpace().isValid() && bild.colorSpace() != QColorSpace(QColorSpace::SRgb))
            bild.convertToColorSpace(QColorSpace::SRgb);
        return gedreht(bild, rotierSchritte);
    }
    return gedreht(nachSrgb(std::move(bild), iccProfil(daten)), rotierSchritte);
}

} // namespace BildDecoder
