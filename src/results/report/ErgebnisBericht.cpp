#include "ErgebnisBericht.h"

#include "DatabaseContext.h"
#include "ErgebnisTabellen.h"
#include "Punkteverteilung.h"
#include "VerteilungsDiagramm.h"
#include "controllers/VereinController.h"
#include "entities/Wettbewerb.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace {

// The page in millimetres: A4 with margins; the footer sits below the text area.
constexpr qreal kBreite = 210, kHoehe = 297;
constexpr qreal kLinks = 20, kRechts = 190, kOben = 20, kTextUnten = 272, kFuss = 280;
constexpr qreal kZeile = 5.4;       // a table row
constexpr qreal kUeberschrift = 10; // a table heading
constexpr qreal kDiagramm = 72;     // a distribution chart
constexpr int kPdfDpi = 300;

const QString kDatum = QStringLiteral("dd.MM.yyyy");

// Everything the report shows, read before anything is written.
struct Inhalt
{
    QString name, nummer, datum, verein, gedruckt;
    std::vector<ErgebnisTabelle> tabellen;
    std::vector<Punkteverteilung> verteilungen;
};

QString oder(bool gesetzt, const QString &wert)
{
    return gesetzt && !wert.isEmpty() ? wert : QStringLiteral("-");
}

Inhalt lies(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    Inhalt inhalt;
    inhalt.name = oder(wettbewerb.hasName(), wettbewerb.hasName() ? wettbewerb.getName() : QString());
    inhalt.nummer =
        oder(wettbewerb.hasNummer(), wettbewerb.hasNummer() ? wettbewerb.getNummer() : QString());
    inhalt.datum = oder(wettbewerb.hasDatum(),
                        wettbewerb.hasDatum() ? wettbewerb.getDatum().toString(kDatum) : QString());
    const auto verein =
        wettbewerb.hasVerein() ? VereinController().readById(ctx, wettbewerb.getVerein()) : nullptr;
    inhalt.verein = oder(verein && verein->hasName(), verein ? verein->getName() : QString());
    inhalt.gedruckt = ctx.now().date().toString(kDatum);

    inhalt.tabellen = leseErgebnisTabellen(ctx, wettbewerb);
    inhalt.verteilungen = leseVerteilungen(ctx, wettbewerb);
    return inhalt;
}

// Paints in millimetres on a page of any resolution.
class Maler
{
public:
    Maler(QPainter &painter, qreal dpi) : painter(painter), m_proMm(dpi / 25.4) {}

    QRectF mm(qreal x, qreal y, qreal breite, qreal hoehe) const
    {
        return QRectF(x * m_proMm, y * m_proMm, breite * m_proMm, hoehe * m_proMm);
    }
    void schrift(qreal punkte, bool fett = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(punkte);
        font.setBold(fett);
        painter.setFont(font);
    }
    // One line of text, cut with "…" when it is too long for the box.
    void text(qreal x, qreal y, qreal breite, qreal hoehe, const QString &text,
              Qt::Alignment ausrichtung = Qt::AlignLeft)
    {
        const QRectF box = mm(x, y, breite, hoehe);
        const QFontMetricsF metrik(painter.font(), painter.device());
        painter.drawText(box, ausrichtung | Qt::AlignVCenter,
                         metrik.elidedText(text, Qt::ElideRight, box.width()));
    }
    void linie(qreal x1, qreal y1, qreal x2, qreal y2, qreal staerke = 0.25)
    {
        painter.setPen(QPen(Qt::black, staerke * m_proMm));
        painter.drawLine(mm(x1, y1, 0, 0).topLeft(), mm(x2, y2, 0, 0).topLeft());
    }

    QPainter &painter;

private:
    qreal m_proMm;
};

using Element = std::function<void(Maler &)>;
using Seite = std::vector<Element>;

// Sets the report top to bottom and breaks the pages; the pages are lists of elements, so that
// the number of pages is known before the first one is painted.
class Satz
{
public:
    std::vector<Seite> seiten{Seite()};

    void neueSeite()
    {
        seiten.emplace_back();
        m_y = kOben;
    }
    // Starts a new page unless `hoehe` fits below the current position.
    void platzFuer(qreal hoehe)
    {
        if (m_y + hoehe > kTextUnten && m_y > kOben)
            neueSeite();
    }
    // Places an element of the given height at the current position.
    void setze(qreal hoehe, const std::function<void(Maler &, qreal)> &zeichne)
    {
        seiten.back().push_back([zeichne, y = m_y](Maler &maler) { zeichne(maler, y); });
        m_y += hoehe;
    }
    void abstand(qreal hoehe) { m_y += hoehe; }

private:
    qreal m_y = kOben;
};

void setzeTitelseite(Satz &satz, const Inhalt &inhalt)
{
    satz.abstand(60);
    const std::pair<qreal, QString> zeilen[] = {
        {26, QStringLiteral("Ergebnisse")},
        {18, inhalt.name},
        {12, QStringLiteral("Wettbewerb Nr. %1").arg(inhalt.nummer)},
        {12, QStringLiteral("Datum: %1").arg(inhalt.datum)},
        {12, QStringLiteral("Ausrichtender Verein: %1").arg(inhalt.verein)},
        {12, QStringLiteral("Gedruckt am %1").arg(inhalt.gedruckt)}};
    for (const auto &[groesse, text] : zeilen) {
        const qreal hoehe = groesse * 0.7;
        satz.setze(hoehe, [groesse = groesse, text = text, hoehe](Maler &maler, qreal y) {
            maler.schrift(groesse, groesse > 12);
            maler.text(kLinks, y, kRechts - kLinks, hoehe, text, Qt::AlignHCenter);
        });
        satz.abstand(groesse > 12 ? 8 : 3);
    }
}

void setzeTabelle(Satz &satz, const ErgebnisTabelle &tabelle)
{
    // Column widths as in the lists, stretched to the width of the page.
    int summe = 0;
    for (const auto &spalte : tabelle.spalten)
        summe += spalte.breite;
    std::vector<qreal> links{kLinks};
    for (const auto &spalte : tabelle.spalten)
        links.push_back(links.back() + (kRechts - kLinks) * spalte.breite / std::max(summe, 1));
    const auto ausrichtung = [&](size_t spalte) {
        return spalte == 0 || spalte + 1 == tabelle.spalten.size() ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
    };
    const auto zeile = [links, ausrichtung](const QStringList &zellen, bool kopf, bool grau) {
        return [=](Maler &maler, qreal y) {
            if (grau)
                maler.painter.fillRect(maler.mm(kLinks, y, kRechts - kLinks, kZeile),
                                       QColor(238, 242, 247));
            maler.schrift(9, kopf);
            maler.painter.setPen(Qt::black);
            for (int i = 0; i < zellen.size(); ++i)
                maler.text(links[i] + 1, y, links[i + 1] - links[i] - 2, kZeile, zellen.at(i),
                           ausrichtung(size_t(i)));
            if (kopf)
                maler.linie(kLinks, y + kZeile, kRechts, y + kZeile, 0.35);
        };
    };
    QStringList titel;
    for (const auto &spalte : tabelle.spalten)
        titel << spalte.titel;
    const auto kopf = [&](bool fortsetzung) {
        const QString text =
            fortsetzung ? tabelle.titel() + QStringLiteral(" (Fortsetzung)") : tabelle.titel();
        satz.setze(kUeberschrift, [text](Maler &maler, qreal y) {
            maler.schrift(13, true);
            maler.painter.setPen(Qt::black);
            maler.text(kLinks, y, kRechts - kLinks, kUeberschrift - 2, text);
        });
        if (!tabelle.zeilen.empty())
            satz.setze(kZeile, zeile(titel, true, false));
    };

    satz.platzFuer(kUeberschrift + kZeile * 3);
    kopf(false);
    if (tabelle.zeilen.empty()) {
        satz.setze(kZeile, [](Maler &maler, qreal y) {
            maler.schrift(9);
            maler.text(kLinks, y, kRechts - kLinks, kZeile, QStringLiteral("Keine Einträge."));
        });
    }
    for (size_t i = 0; i < tabelle.zeilen.size(); ++i) {
        const size_t seiten = satz.seiten.size();
        satz.platzFuer(kZeile);
        if (satz.seiten.size() != seiten)
            kopf(true);
        satz.setze(kZeile, zeile(tabelle.zeilen[i], false, i % 2 == 1));
    }
    satz.abstand(8);
}

QString grenzeText(int grenze)
{
    return grenze < 0 ? QStringLiteral("-") : QString::number(grenze);
}

void setzeVerteilungen(Satz &satz, const std::vector<Punkteverteilung> &verteilungen)
{
    satz.neueSeite();
    satz.setze(kUeberschrift + 2, [](Maler &maler, qreal y) {
        maler.schrift(15, true);
        maler.painter.setPen(Qt::black);
        maler.text(kLinks, y, kRechts - kLinks, kUeberschrift,
                   QStringLiteral("Annahmegrenzen und Punkteverteilung"));
    });
    if (verteilungen.empty()) {
        satz.setze(kZeile, [](Maler &maler, qreal y) {
            maler.schrift(10);
            maler.text(kLinks, y, kRechts - kLinks, kZeile,
                       QStringLiteral("Der Wettbewerb hat keine Sparten."));
        });
    }
    for (size_t i = 0; i < verteilungen.size();) {
        // The category's heading and thresholds stay together with its first chart.
        size_t ende = i;
        QStringList grenzen;
        while (ende < verteilungen.size() && verteilungen[ende].sparte == verteilungen[i].sparte) {
            grenzen << QStringLiteral("Annahmegrenze %1: %2")
                           .arg(verteilungen[ende].jugend ? QStringLiteral("Jugend")
                                                          : QStringLiteral("Erwachsene"),
                                grenzeText(verteilungen[ende].annahmeGrenze));
            ++ende;
        }
        satz.platzFuer(kUeberschrift + kZeile + kDiagramm);
        const QString titel = QStringLiteral("Sparte %1").arg(verteilungen[i].sparteName);
        const QString text = grenzen.join(QStringLiteral(", "));
        satz.setze(kUeberschrift + kZeile + 2, [titel, text](Maler &maler, qreal y) {
            maler.schrift(12, true);
            maler.painter.setPen(Qt::black);
            maler.text(kLinks, y, kRechts - kLinks, kUeberschrift - 2, titel);
            maler.schrift(10);
            maler.text(kLinks, y + kUeberschrift - 1, kRechts - kLinks, kZeile, text);
        });
        for (; i < ende; ++i) {
            satz.platzFuer(kDiagramm);
            satz.setze(kDiagramm + 4, [verteilung = verteilungen[i]](Maler &maler, qreal y) {
                maler.schrift(8);
                VerteilungsDiagramm::zeichne(maler.painter, maler.mm(kLinks, y, kRechts - kLinks,
                                                                     kDiagramm),
                                             verteilung);
            });
        }
        satz.abstand(4);
    }
}

std::vector<Seite> setze(const Inhalt &inhalt)
{
    Satz satz;
    setzeTitelseite(satz, inhalt);
    satz.neueSeite();
    for (const ErgebnisTabelle &tabelle : inhalt.tabellen)
        setzeTabelle(satz, tabelle);
    setzeVerteilungen(satz, inhalt.verteilungen);
    return satz.seiten;
}

void maleSeite(QPainter &painter, qreal dpi, const Seite &seite, const Inhalt &inhalt, int nummer,
               int anzahl)
{
    Maler maler(painter, dpi);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Element &element : seite)
        element(maler);
    maler.linie(kLinks, kFuss - 2, kRechts, kFuss - 2);
    maler.schrift(8);
    painter.setPen(Qt::black);
    maler.text(kLinks, kFuss, 120,
               kZeile, QStringLiteral("%1 (Nr. %2) – gedruckt am %3")
                           .arg(inhalt.name, inhalt.nummer, inhalt.gedruckt));
    maler.text(kRechts - 50, kFuss, 50, kZeile,
               QStringLiteral("Seite %1 von %2").arg(nummer).arg(anzahl), Qt::AlignRight);
}

} // namespace

ErgebnisBericht::Fehler::Fehler(const QString &titel_, const QString &text_)
    : std::runtime_error((titel_ + QStringLiteral(": ") + text_).toStdString()),
      titel(titel_),
      text(text_)
{
}

int ErgebnisBericht::schreibePdf(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                  const QString &pfad)
{
    const Inhalt inhalt = lies(ctx, wettbewerb);
    const std::vector<Seite> seiten = setze(inhalt);
    const QString titel = QStringLiteral("PDF nicht gespeichert");
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw Fehler(titel, QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                                .arg(pfad, datei.errorString()));
    {
        QPdfWriter pdf(&datei);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(kPdfDpi);
        pdf.setTitle(QStringLiteral("Ergebnisse %1").arg(inhalt.name));
        pdf.setCreator(QStringLiteral("Kalvor"));
        QPainter painter;
        if (!painter.begin(&pdf))
            throw Fehler(titel, QStringLiteral("Die Datei %1 kann nicht als PDF beschrieben "
                                               "werden.")
                                    .arg(pfad));
        for (size_t i = 0; i < seiten.size(); ++i) {
            if (i > 0)
                pdf.newPage();
            maleSeite(painter, kPdfDpi, seiten[i], inhalt, int(i) + 1, int(seiten.size()));
        }
        painter.end();
    }
    if (!datei.commit())
        throw Fehler(titel, QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                                .arg(pfad, datei.errorString()));
    return int(seiten.size());
}

std::vector<QImage> ErgebnisBericht::seitenAlsBilder(DatabaseContext &ctx,
                                                     const Wettbewerb &wettbewerb, int dpi)
{
    const Inhalt inhalt = lies(ctx, wettbewerb);
    const std::vector<Seite> seiten = setze(inhalt);
    std::vector<QImage> bilder;
    for (size_t i = 0; i < seiten.size(); ++i) {
        QImage bild(qRound(kBreite * dpi / 25.4), qRound(kHoehe * dpi / 25.4),
                    QImage::Format_RGB32);
        bild.setDotsPerMeterX(qRound(dpi / 0.0254));
        bild.setDotsPerMeterY(qRound(dpi / 0.0254));
        bild.fill(Qt::white);
        QPainter painter(&bild);
        maleSeite(painter, dpi, seiten[i], inhalt, int(i) + 1, int(seiten.size()));
        painter.end();
        bilder.push_back(std::move(bild));
    }
    return bilder;
}
