#include "BildDatei.h"

#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "entities/Wettbewerb.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <turbojpeg.h>

#include <algorithm>
#include <memory>
#include <vector>

using Fehlermeldung::melde;

namespace {

constexpr const char *kOrt = "BildBearbeitenDialog";

void log(DatabaseContext &ctx, const QString &text)
{
    ctx.log(QStringLiteral("Bild"), QString::fromLatin1(kOrt), 7, text);
}

} // namespace

namespace BildDateiPruefung {

std::optional<QSize> jpegGroesse(const QByteArray &daten)
{
    if (daten.isEmpty())
        return std::nullopt;
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    if (!handle)
        return std::nullopt;
    auto *bytes = reinterpret_cast<unsigned char *>(const_cast<char *>(daten.constData()));
    const auto laenge = static_cast<unsigned long>(daten.size());
    int breite = 0, hoehe = 0, subsampling = 0, farbraum = 0;
    if (tjDecompressHeader3(handle.get(), bytes, laenge, &breite, &hoehe, &subsampling,
                            &farbraum) != 0 ||
        breite <= 0 || hoehe <= 0)
        return std::nullopt;
    // Decoding at 1/8 reads every entropy-coded segment: a truncated or damaged file fails.
    const int klein = TJSCALED(breite, (tjscalingfactor{1, 8}));
    const int kleinHoch = TJSCALED(hoehe, (tjscalingfactor{1, 8}));
    // CMYK pictures decode only to CMYK.
    const bool cmyk = farbraum == TJCS_CMYK || farbraum == TJCS_YCCK;
    std::vector<unsigned char> ziel(size_t(klein) * size_t(kleinHoch) * 4);
    if (tjDecompress2(handle.get(), bytes, laenge, ziel.data(), klein, 0, kleinHoch,
                      cmyk ? TJPF_CMYK : TJPF_RGBX, TJFLAG_FASTDCT | TJFLAG_STOPONWARNING) != 0)
        return std::nullopt;
    return QSize(breite, hoehe);
}

std::optional<Meldung> lies(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                            const QString &pfad, BildDatei &datei)
{
    if (!pfad.toLower().endsWith(QLatin1String("jpg")))
        return melde(ctx, kOrt, QStringLiteral("Keine jpg-Datei"),
                     QStringLiteral("Es sind nur Dateien mit der Endung jpg erlaubt."));
    QFile file(pfad);
    if (!file.open(QIODevice::ReadOnly))
        return melde(ctx, kOrt, QStringLiteral("Kann Datei nicht oeffnen"),
                     QStringLiteral("Die ausgewaehlte Bilddatei konnte leider nicht geoeffnet "
                                    "werden. Bitte pruefen Sie, ob Sie ausreichende "
                                    "Berechtigungen dafuer haben."));
    const QFileInfo info(pfad);
    ctx.setPictureDirectory(info.absoluteDir());
    const QString name = info.fileName();
    static const QRegularExpression erlaubt(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z0-9öüäÖÜÄß._# \\-+]*")));
    if (!erlaubt.match(name).hasMatch()) {
        log(ctx, QStringLiteral("Illegaler Dateiname: ") + name);
        return melde(ctx, kOrt, QStringLiteral("Dateiname nicht erlaubt"),
                     QStringLiteral("Die Dateinamen von Bilddateien dürfen nur die Zeichen A-Z, "
                                    "a-z, 0-9 sowie Umlaute, Punkte, Plus- und Minuszeichen, "
                                    "Leerzeichen, das Rautenzeichen sowie Unterstriche "
                                    "enthalten."));
    }
    const QByteArray daten = file.readAll();
    const Meldung unlesbar{QStringLiteral("Fehler beim Lesen der Datei"),
                           QStringLiteral("Die Bilddatei ist entweder leer oder konnte aus einem "
                                          "anderen Grund nicht gelesen werden."),
                           QString()};
    if (daten.isEmpty())
        return melde(ctx, kOrt, unlesbar.titel, unlesbar.text);
    log(ctx, QStringLiteral("Loading image of size ") + QString::number(daten.size()));
    const std::optional<QSize> groesse = jpegGroesse(daten);
    if (!groesse)
        return melde(ctx, kOrt, unlesbar.titel, unlesbar.text);

    if (wettbewerb.hasMaxBildBreite() && wettbewerb.hasMaxBildHoehe()) {
        const int lang = std::max(groesse->width(), groesse->height());
        const int kurz = std::min(groesse->width(), groesse->height());
        const int grenzeLang = std::max(wettbewerb.getMaxBildBreite(), wettbewerb.getMaxBildHoehe());
        const int grenzeKurz = std::min(wettbewerb.getMaxBildBreite(), wettbewerb.getMaxBildHoehe());
        if (lang > grenzeLang || kurz > grenzeKurz)
            return melde(ctx, kOrt, QStringLiteral("Formatgroesse zu gross"),
                         QStringLiteral("Das Bild ist mit %1x%2 Pixel groesser als die maximal "
                                        "erlaubte Formatgroesse von %3x%4 Pixel.")
                             .arg(lang)
                             .arg(kurz)
                             .arg(grenzeLang)
                             .arg(grenzeKurz));
    }
    if (wettbewerb.hasMaxDateigroesse() && daten.size() > wettbewerb.getMaxDateigroesse())
        return melde(ctx, kOrt, QStringLiteral("Dateigroesse zu gross"),
                     QStringLiteral("Die Bilddatei ist mit %1 Kilobyte groesser als die maximal "
                                    "erlaubte Dateigroesse von %2 Kilobyte.")
                         .arg(daten.size() / 1000)
                         .arg(wettbewerb.getMaxDateigroesse() / 1000));
    datei.dateiname = name;
    datei.daten = daten;
    datei.groesse = *groesse;
    return std::nullopt;
}

} // namespace BildDateiPruefung
