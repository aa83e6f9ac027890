#include "DemoBilder.h"

#include "Random.h"

#include <QString>

#include <turbojpeg.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

struct Farbe
{
    double r, g, b; // 0..255
};

double zahl(Random &zufall)
{
    return zufall.bounded(1u << 24) / double(1u << 24);
}

double zwischen(Random &zufall, double von, double bis)
{
    return von + (bis - von) * zahl(zufall);
}

// A colour of hue 0..1, saturation and value 0..1.
Farbe hsv(double h, double s, double v)
{
    const double sektor = std::fmod(h, 1.0) * 6.0;
    const int i = int(sektor);
    const double f = sektor - i;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    const std::array<Farbe, 6> farben{Farbe{v, t, p}, Farbe{q, v, p}, Farbe{p, v, t},
                                      Farbe{p, q, v}, Farbe{t, p, v}, Farbe{v, p, q}};
    const Farbe &c = farben[size_t(i % 6)];
    return {c.r * 255, c.g * 255, c.b * 255};
}

Farbe mische(const Farbe &a, const Farbe &b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Leinwand
{
public:
    Leinwand(int breite, int hoehe)
        : breite(breite), hoehe(hoehe), pixel(size_t(breite) * size_t(hoehe) * 3)
    {}

    void setze(int x, int y, const Farbe &c, double deckung = 1.0)
    {
        unsigned char *p = &pixel[(size_t(y) * size_t(breite) + size_t(x)) * 3];
        const double werte[3] = {c.r, c.g, c.b};
        for (int k = 0; k < 3; ++k) {
            const double neu = p[k] + (werte[k] - p[k]) * deckung;
            p[k] = static_cast<unsigned char>(std::lround(std::clamp(neu, 0.0, 255.0)));
        }
    }

    const int breite, hoehe;
    std::vector<unsigned char> pixel;
};

// Colours of one picture: sky, ground, sun and shapes around a base hue.
struct Palette
{
    Farbe himmelOben, himmelUnten, bodenOben, bodenUnten, sonne;
    double saettigung;
};

Palette palette(Random &zufall, bool kraeftig)
{
    const double ton = zahl(zufall);
    const double s = kraeftig ? zwischen(zufall, 0.85, 1.0) : zwischen(zufall, 0.25, 0.7);
    return {hsv(ton, s * 0.8, zwischen(zufall, 0.55, 0.95)),
            hsv(ton + zwischen(zufall, 0.05, 0.2), s * 0.5, zwischen(zufall, 0.8, 1.0)),
            hsv(ton + zwischen(zufall, 0.3, 0.5), s, zwischen(zufall, 0.35, 0.7)),
            hsv(ton + zwischen(zufall, 0.3, 0.6), s, zwischen(zufall, 0.1, 0.35)),
            hsv(ton + 0.5, s, 1.0),
            s};
}

void maleHintergrund(Leinwand &bild, const Palette &farben, Random &zufall)
{
    const double neigung = zwischen(zufall, -0.3, 0.3);
    const double horizont = bild.hoehe * zwischen(zufall, 0.45, 0.75);
    const double amplitude = bild.hoehe * zwischen(zufall, 0.01, 0.08);
    const double frequenz = zwischen(zufall, 1.0, 6.0) * 2 * M_PI / bild.breite;
    const double phase = zwischen(zufall, 0, 2 * M_PI);
    for (int x = 0; x < bild.breite; ++x) {
        const double linie = horizont + amplitude * std::sin(frequenz * x + phase) +
                             neigung * (x - bild.breite / 2.0) * 0.2;
        for (int y = 0; y < bild.hoehe; ++y) {
            if (y < linie)
                bild.setze(x, y, mische(farben.himmelOben, farben.himmelUnten, y / linie));
            else
                bild.setze(x, y,
                           mische(farben.bodenOben, farben.bodenUnten,
                                  (y - linie) / std::max(1.0, bild.hoehe - linie)));
        }
    }
}

// A disc with a soft edge, or a rectangle, translucent.
void maleForm(Leinwand &bild, const Farbe &farbe, Random &zufall, bool scheibe, double deckung)
{
    const double cx = zahl(zufall) * bild.breite, cy = zahl(zufall) * bild.hoehe;
    const double rx = zwischen(zufall, 0.03, 0.2) * bild.breite;
    const double ry = scheibe ? rx : zwischen(zufall, 0.03, 0.2) * bild.hoehe;
    const int x0 = std::max(0, int(cx - rx - 2)), x1 = std::min(bild.breite - 1, int(cx + rx + 2));
    const int y0 = std::max(0, int(cy - ry - 2)), y1 = std::min(bild.hoehe - 1, int(cy + ry + 2));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            double innen = 1.0;
            if (scheibe) {
                const double abstand = std::hypot(x - cx, y - cy);
                innen = std::clamp((rx - abstand) / 2.0, 0.0, 1.0);
            }
            if (innen > 0)
                bild.setze(x, y, farbe, deckung * innen);
        }
    }
}

// ICC numbers are big-endian.
void u32(QByteArray &daten, quint32 wert)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        daten.append(char((wert >> shift) & 0xff));
}

void u16(QByteArray &daten, quint16 wert)
{
    daten.append(char(wert >> 8));
    daten.append(char(wert & 0xff));
}

void s15f16(QByteArray &daten, double wert)
{
    u32(daten, quint32(qint32(std::lround(wert * 65536.0))));
}

void signatur(QByteArray &daten, const char *vier)
{
    daten.append(vier, 4);
}

using Matrix = std::array<std::array<double, 3>, 3>;
using Vektor = std::array<double, 3>;

Matrix mal(const Matrix &a, const Matrix &b)
{
    Matrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                c[i][j] += a[i][k] * b[k][j];
    return c;
}

Vektor mal(const Matrix &a, const Vektor &v)
{
    Vektor c{};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            c[i] += a[i][k] * v[k];
    return c;
}

Matrix invers(const Matrix &m)
{
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix r;
    r[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
    r[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
    r[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
    r[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
    r[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
    r[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
    r[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
    r[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
    r[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
    return r;
}

Vektor xyz(double x, double y)
{
    return {x / y, 1.0, (1 - x - y) / y};
}

// The Bradford adaptation from one white to another.
Matrix bradford(const Vektor &von, const Vektor &nach)
{
    const Matrix ma{
        {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
    const Vektor a = mal(ma, von), b = mal(ma, nach);
    Matrix skala{};
    for (int i = 0; i < 3; ++i)
        skala[i][i] = b[i] / a[i];
    return mal(invers(ma), mal(skala, ma));
}

// A multi-localised Unicode text with one English record.
QByteArray mluc(const QString &text)
{
    QByteArray daten;
    signatur(daten, "mluc");
    u32(daten, 0);
    u32(daten, 1);  // records
    u32(daten, 12); // record size
    signatur(daten, "enUS");
    u32(daten, quint32(text.size() * 2));
    u32(daten, 28); // offset of the string from the tag's start
    for (const QChar c : text)
        u16(daten, c.unicode());
    return daten;
}

QByteArray xyzTag(const Vektor &v)
{
    QByteArray daten;
    signatur(daten, "XYZ ");
    u32(daten, 0);
    for (double wert : v)
        s15f16(daten, wert);
    return daten;
}

} // namespace

DemoBilder::DemoBilder() : m_encoder(tjInitCompress())
{
    if (!m_encoder)
        throw std::runtime_error("The JPEG encoder cannot be started.");
}

DemoBilder::~DemoBilder()
{
    tjDestroy(m_encoder);
}

QByteArray DemoBilder::zeichne(Random &zufall, bool hochformat, bool weiterFarbraum)
{
    Leinwand bild(hochformat ? kHoehe : kBreite, hochformat ? kBreite : kHoehe);
    const Palette farben = palette(zufall, weiterFarbraum);
    maleHintergrund(bild, farben, zufall);
    maleForm(bild, farben.sonne, zufall, true, zwischen(zufall, 0.7, 1.0));
    const int formen = 2 + int(zufall.bounded(4));
    for (int i = 0; i < formen; ++i)
        maleForm(bild, hsv(zahl(zufall), farben.saettigung, zwischen(zufall, 0.3, 1.0)), zufall,
                 zufall.bounded(2) == 0, zwischen(zufall, 0.25, 0.6));

    unsigned char *jpeg = nullptr;
    unsigned long groesse = 0;
    if (tjCompress2(m_encoder, bild.pixel.data(), bild.breite, 0, bild.hoehe, TJPF_RGB, &jpeg,
                    &groesse, TJSAMP_420, 80, TJFLAG_FASTDCT) != 0) {
        tjFree(jpeg);
        throw std::runtime_error(std::string("A demo picture cannot be encoded: ") +
                                 tjGetErrorStr2(m_encoder));
    }
    QByteArray daten(reinterpret_cast<const char *>(jpeg), int(groesse));
    tjFree(jpeg);
    return weiterFarbraum ? mitProfil(daten, displayP3Profil()) : daten;
}

QByteArray DemoBilder::displayP3Profil()
{
    const Vektor d65 = xyz(0.3127, 0.3290);
    const Vektor d50{0.9642, 1.0, 0.8249};
    // RGB to XYZ: the primaries' chromaticities scaled so that white maps onto D65.
    const Vektor r = xyz(0.680, 0.320), g = xyz(0.265, 0.690), b = xyz(0.150, 0.060);
    const Matrix primaer{{{r[0], g[0], b[0]}, {r[1], g[1], b[1]}, {r[2], g[2], b[2]}}};
    const Vektor skala = mal(invers(primaer), d65);
    Matrix rgbNachXyz;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            rgbNachXyz[i][j] = primaer[i][j] * skala[j];
    const Matrix anpassung = bradford(d65, d50);
    const Matrix d50Matrix = mal(anpassung, rgbNachXyz);

    QByteArray chad;
    signatur(chad, "sf32");
    u32(chad, 0);
    for (const auto &zeile : anpassung)
        for (double wert : zeile)
            s15f16(chad, wert);
    // The sRGB curve: Y = (aX + b)^g for X >= d, else cX.
    QByteArray trc;
    signatur(trc, "para");
    u32(trc, 0);
    u16(trc, 3);
    u16(trc, 0);
    for (double wert : {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045})
        s15f16(trc, wert);

    struct Tag
    {
        const char *name;
        QByteArray daten;
    };
    const std::vector<Tag> tags{
        {"desc", mluc(QStringLiteral("Kalvor Display P3"))},
        {"cprt", mluc(QStringLiteral("No copyright, use freely"))},
        {"wtpt", xyzTag(d50)},
        {"chad", chad},
        {"rXYZ", xyzTag({d50Matrix[0][0], d50Matrix[1][0], d50Matrix[2][0]})},
        {"gXYZ", xyzTag({d50Matrix[0][1], d50Matrix[1][1], d50Matrix[2][1]})},
        {"bXYZ", xyzTag({d50Matrix[0][2], d50Matrix[1][2], d50Matrix[2][2]})},
        {"rTRC", trc},
        {"gTRC", trc},
        {"bTRC", trc},
    };

    QByteArray tabelle, daten;
    const quint32 anfang = 128 + 4 + quint32(tags.size()) * 12;
    for (const Tag &tag : tags) {
        while (daten.size() % 4)
            daten.append('\0');
        signatur(tabelle, tag.name);
        u32(tabelle, anfang + quint32(daten.size()));
        u32(tabelle, quint32(tag.daten.size()));
        daten.append(tag.daten);
    }
    while (daten.size() % 4)
        daten.append('\0');

    QByteArray profil;
    u32(profil, anfang + quint32(daten.size()));
    u32(profil, 0);          // preferred CMM
    u32(profil, 0x04300000); // version 4.3
    signatur(profil, "mntr");
    signatur(profil, "RGB ");
    signatur(profil, "XYZ ");
    for (quint16 teil : {2026, 1, 1, 0, 0, 0})
        u16(profil, teil);
    signatur(profil, "acsp");
    profil.append(QByteArray(24, '\0')); // platform, flags, manufacturer, model, attributes
    u32(profil, 0);                      // perceptual rendering intent
    for (double wert : d50)
        s15f16(profil, wert);
    profil.append(QByteArray(128 - profil.size(), '\0')); // creator, profile id, reserved
    u32(profil, quint32(tags.size()));
    profil.append(tabelle);
    profil.append(daten);
    return profil;
}

QByteArray DemoBilder::mitProfil(const QByteArray &jpeg, const QByteArray &profil)
{
    static const char kennung[] = "ICC_PROFILE";
    const int segmentLaenge = 2 + int(sizeof kennung) + 2 + profil.size();
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xff || uchar(jpeg[1]) != 0xd8 ||
        segmentLaenge > 0xffff)
        return jpeg;
    int nach = 2; // after SOI, and after a JFIF header when there is one
    if (jpeg.size() >= 6 && uchar(jpeg[2]) == 0xff && uchar(jpeg[3]) == 0xe0)
        nach = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    QByteArray segment;
    segment.append(char(0xff));
    segment.append(char(0xe2));
    u16(segment, quint16(segmentLaenge));
    segment.append(kennung, int(sizeof kennung)); // with its terminating zero
    segment.append(char(1));                      // sequence number
    segment.append(char(1));                      // of one segment
    segment.append(profil);
    return jpeg.left(nach) + segment + jpeg.mid(nach);
}
