#include "WettbewerbService.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "DateText.h"
#include "Fehlermeldung.h"
#include "PersistenceException.h"
#include "RecordSnapshot.h"
#include "Transaction.h"
#include "WettbewerbsStatus.h"
#include "controllers/JurierungController.h"
#include "controllers/WettbewerbController.h"
#include "entities/CodeValue.h"

#include <QRegularExpression>

#include <limits>

using Fehlermeldung::melde;

namespace {

constexpr const char *kAnlegen = "WettbewerbAnlegenDialog";
constexpr const char *kGrunddaten = "GrunddatenBearbeitenWidget";

bool leer(const Record &record, int row)
{
    return Fehlermeldung::text(record, row).isEmpty();
}

// The typed text of a date field; when the text was never set, the stored date.
QString datumsText(const Wettbewerb &wettbewerb, int inputRow, int dateRow)
{
    if (wettbewerb.isSetAt(inputRow) || !wettbewerb.isSetAt(dateRow))
        return Fehlermeldung::text(wettbewerb, inputRow);
    return wettbewerb.rawValueAt(dateRow).toDate().toString(QStringLiteral("dd.MM.yyyy"));
}

// Another competition (another id) has this number.
bool nummerVergeben(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    // Every competition counts, also those the user may not read.
    const auto gleich = WettbewerbController().select(
        ctx, {{QStringLiteral("nummer"), wettbewerb.getNummer()}}, true, false);
    for (const auto &anderer : gleich) {
        if (!wettbewerb.hasId() || anderer->getId() != wettbewerb.getId())
            return true;
    }
    return false;
}

Meldung nummerVergebenMeldung(DatabaseContext &ctx, const char *location)
{
    return melde(ctx, location, QStringLiteral("Wettbewerbsnummer schon vergeben"),
                 QStringLiteral("Es gibt schon einen Wettbewerb mit dieser Nummer.  Bitte waehlen "
                                "Sie eine andere."));
}

void speichereBeide(DatabaseContext &ctx, Wettbewerb &wettbewerb, Jurierung &jurierung)
{
    RecordSnapshot snapshot;
    snapshot.take(wettbewerb);
    snapshot.take(jurierung);
    try {
        Transaction transaction(ctx);
        WettbewerbController().insertOrUpdate(ctx, wettbewerb);
        if (!jurierung.hasWettbewerb())
            jurierung.setWettbewerb(wettbewerb.getId());
        JurierungController().insertOrUpdate(ctx, jurierung);
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

bool wechsle(DatabaseContext &ctx, Wettbewerb &wettbewerb, int schritt)
{
    const WettbewerbsStatus::Stufe alt = WettbewerbsStatus::stufe(ctx, wettbewerb);
    const int neu = alt + schritt;
    if (alt < WettbewerbsStatus::Angelegt || neu < WettbewerbsStatus::Angelegt ||
        neu > WettbewerbsStatus::WertungAbgeschlossen)
        return false;
    const auto neueStufe = WettbewerbsStatus::Stufe(neu);
    RecordSnapshot snapshot;
    snapshot.take(wettbewerb);
    const qlonglong neueId = WettbewerbsStatus::id(ctx, neueStufe);
    wettbewerb.setStatus(neueId);
    if (schritt > 0 && (!wettbewerb.hasMaximalStatus() ||
                        WettbewerbsStatus::stufeVon(ctx, wettbewerb.getMaximalStatus()) < neu))
        wettbewerb.setMaximalStatus(neueId);
    try {
        WettbewerbController().insertOrUpdate(ctx, wettbewerb);
    } catch (...) {
        snapshot.restore();
        throw;
    }
    return true;
}

QString kurzText(DatabaseContext &ctx, const Record &record, int row)
{
    if (!record.isSetAt(row))
        return QString();
    const auto wert = ctx.codeManager().getCodeValueById(record.rawValueAt(row).toLongLong());
    return wert && wert->hasKurzText() ? wert->getKurzText() : QString();
}

} // namespace

std::unique_ptr<Wettbewerb> WettbewerbService::neuerWettbewerb(DatabaseContext &ctx,
                                                               qlonglong verein)
{
    auto wettbewerb = std::make_unique<Wettbewerb>();
    wettbewerb->setVerein(verein);
    wettbewerb->setBerechtigterVerein(verein);
    wettbewerb->setAnteilAnnahmenGewuenscht(30);
    wettbewerb->setStatus(WettbewerbsStatus::id(ctx, WettbewerbsStatus::Angelegt));
    return wettbewerb;
}

std::unique_ptr<Jurierung> WettbewerbService::neueJurierung(DatabaseContext &ctx)
{
    auto jurierung = std::make_unique<Jurierung>();
    jurierung->setJurierungsModus(
        ctx.codeManager().idOf(QStringLiteral("JurierungsModus"), QStringLiteral("NORMAL")));
    return jurierung;
}

std::optional<Meldung> WettbewerbService::pruefeAnlage(DatabaseContext &ctx,
                                                       const Wettbewerb &wettbewerb,
                                                       const Jurierung &jurierung)
{
    if (leer(wettbewerb, Wettbewerb::nameRow))
        return melde(ctx, kAnlegen, QStringLiteral("Kein Wettbewerbsname angegeben."),
                     QStringLiteral("Bitte geben Sie einen Wettbewerbsnamen ein."));
    if (leer(wettbewerb, Wettbewerb::nummerRow))
        return melde(ctx, kAnlegen, QStringLiteral("Keine Wettbewerbsnummer angegeben."),
                     QStringLiteral("Bitte geben Sie eine Wettbewerbsnummer ein."));
    if (!jurierung.hasJurierungsModus())
        return melde(ctx, kAnlegen, QStringLiteral("Kein Jurierungsmodus angegeben"),
                     QStringLiteral("Bitte geben Sie einen Jurierungsmodus an."));
    if (!jurierung.hasAnzahlDurchgaenge())
        return melde(ctx, kAnlegen, QStringLiteral("Keine Anzahl Durchgaenge angegeben"),
                     QStringLiteral("Bitte geben Sie die Anzahl der Durchgaenge an"));
    // The number is unique over all competitions: a second one is not created.
    if (nummerVergeben(ctx, wettbewerb))
        return nummerVergebenMeldung(ctx, kAnlegen);
    return std::nullopt;
}

Meldung WettbewerbService::anlageFrage(DatabaseContext &ctx, const Jurierung &jurierung)
{
    const QString titel = QStringLiteral("Wettbewerb so anlegen?");
    return Meldung{
        titel,
        QStringLiteral("Wollen Sie den Wettbewerb mit folgenden Einstellungen anlegen? "
                       "\n\nJurierungsmodus: %1 \nAnzahl Durchgaenge: %2 \n\nBitte beachten Sie, "
                       "dass spaeter weder der Jurierungsmodus noch die Anzahl der Durchgaenge "
                       "noch geaendert werden kann.")
            .arg(kurzText(ctx, jurierung, Jurierung::jurierungsModusRow),
                 kurzText(ctx, jurierung, Jurierung::anzahlDurchgaengeRow)),
        titel};
}

void WettbewerbService::legeAn(DatabaseContext &ctx, Wettbewerb &wettbewerb, Jurierung &jurierung)
{
    speichereBeide(ctx, wettbewerb, jurierung);
}

std::unique_ptr<Jurierung> WettbewerbService::jurierung(DatabaseContext &ctx,
                                                        const Wettbewerb &wettbewerb)
{
    auto gefunden =
        wettbewerb.hasId()
            ? JurierungController().select(
                  ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()}}, true, false)
            : std::vector<std::unique_ptr<Jurierung>>();
    if (gefunden.size() != 1)
        throw PersistenceException(QStringLiteral("Interner Fehler"),
                                   QStringLiteral("Zum Wettbewerb muss es genau eine Jurierung "
                                                  "geben."));
    return std::move(gefunden.front());
}

bool WettbewerbService::geheWeiter(DatabaseContext &ctx, Wettbewerb &wettbewerb)
{
    return wechsle(ctx, wettbewerb, 1);
}

bool WettbewerbService::geheZurueck(DatabaseContext &ctx, Wettbewerb &wettbewerb)
{
    return wechsle(ctx, wettbewerb, -1);
}

std::optional<Meldung> WettbewerbService::pruefeGrunddaten(DatabaseContext &ctx,
                                                           Wettbewerb &wettbewerb,
                                                           const Jurierung &jurierung)
{
    const QString nichtGespeichert =
        QStringLiteral("\n\nIhre Aenderungen konnten daher leider NICHT gespeichert werden.");
    const QString datumsHinweis = QStringLiteral(
        " ist kein korrektes Datum. \n\nDatumsangaben muessen in der Form dd.mm.yyyy getaetigt "
        "werden.");

    if (leer(wettbewerb, Wettbewerb::nameRow))
        return melde(ctx, kGrunddaten, QStringLiteral("Kein Name angegeben"),
                     QStringLiteral("Bitte geben Sie einen Namen fuer den Wettbewerb an.  ") +
                         nichtGespeichert);
    const QString datum = datumsText(wettbewerb, Wettbewerb::datumInputRow, Wettbewerb::datumRow);
    if (!parseDate(datum).isValid())
        return melde(ctx, kGrunddaten, QStringLiteral("Datum nicht korrekt angegeben"),
                     QStringLiteral("Der als Datum angegebene Text %1").arg(datum) + datumsHinweis,
                     QStringLiteral("Datum nicht korrekt eingegeben"));
    if (Fehlermeldung::text(wettbewerb, Wettbewerb::nummerRow).trimmed().isEmpty())
        return melde(ctx, kGrunddaten, QStringLiteral("Keine Nummer angegeben"),
                     QStringLiteral("Bitte geben Sie eine Nummer fuer den Wettbewerb an.") +
                         nichtGespeichert);
    if (nummerVergeben(ctx, wettbewerb))
        return nummerVergebenMeldung(ctx, "GrunddatenBearbeitenDialog");
    if (!jurierung.hasJurierungsModus())
        return melde(ctx, kGrunddaten, QStringLiteral("Kein Jurierungsmodus angegeben"),
                     QStringLiteral("Bitte geben Sie einen Jurierungsmodus an."));
    if (!wettbewerb.hasAnzahlBilderFuerWertung())
        return melde(ctx, kGrunddaten,
                     QStringLiteral("Anzahl Bilder fuer Wertung nicht angegeben."),
                     QStringLiteral("Bitte geben Sie die Anzahl der besten Bilder pro Teilnehmer "
                                    "und Sparte, die fuer die Teilnehmerwertung herangezogen "
                                    "werden sollen an."));
    if (!jurierung.hasAnzahlDurchgaenge())
        return melde(ctx, kGrunddaten, QStringLiteral("Keine Anzahl Durchgaenge angegeben"),
                     QStringLiteral("Bitte geben Sie die Anzahl der Durchgaenge an"));
    if (!wettbewerb.hasAnzahlSpartenFuerKombination())
        return melde(ctx, kGrunddaten,
                     QStringLiteral("Anzahl Sparten fuer Kombination nicht angegeben."),
                     QStringLiteral("Bitte geben Sie die Anzahl der besten Sparten an, die bei "
                                    "der Kombinationswertung beruecksichtigt werden sollen.  Die "
                                    "an den Sparten separat getaetigten Einstellungen bleiben "
                                    "davon unberuehrt."));
    if (!wettbewerb.hasAnzahlTeilnehmerFuerVereinsW())
        return melde(ctx, kGrunddaten,
                     QStringLiteral("Anzahl Teilnehmer fuer Vereinswertung nicht angegeben."),
                     QStringLiteral("Bitte geben Sie die Anzahl der besten Teilnehmer an, die pro "
                                    "Verein bei der Vereinswertung beruecksichtigt werden "
                                    "sollen."));
    const QString format = Fehlermeldung::text(wettbewerb, Wettbewerb::maxBildGroesseRow);
    const std::optional<QSize> groesse = parseBildGroesse(format);
    if (!format.isEmpty() && !groesse)
        return melde(ctx, kGrunddaten, QStringLiteral("Maximale Formatgroesse falsch angegeben"),
                     QStringLiteral("Die maximale Formatgroesse wurde falsch angegeben.\n\nSie "
                                    "kann entweder weggelassen werden (dann ist jede "
                                    "Formatgroesse erlaubt), oder im Format 1024x768 angegeben "
                                    "werden.  Die Zahlen muessen dabei ein bis vierstellig "
                                    "sein.") +
                         nichtGespeichert,
                     QStringLiteral("Maximale Formatgroesse falsch angegeben, fehlerhafter String "
                                    "ist ") +
                         format);
    const QString datei = Fehlermeldung::text(wettbewerb, Wettbewerb::maxDateigroesseStringRow);
    const std::optional<int> bytes = parseDateigroesse(datei);
    if (!datei.isEmpty() && !bytes)
        return melde(ctx, kGrunddaten, QStringLiteral("Maximale Dateigroesse falsch angegeben"),
                     QStringLiteral("Die maximale Dateigroesse fuer Bilder wurde falsch "
                                    "angegeben.\n\nSie kann entweder weggelassen werden (dann ist "
                                    "jede Dateigroesse erlaubt), oder im Format 750 kb bzw. 1MB "
                                    "angegeben werden.  Die Zahl darf dabei hoechstens vierstellig "
                                    "sein, Gross- und Kleinschreibung wird ignoriert.") +
                         nichtGespeichert,
                     QStringLiteral("Maximale Dateigroesse falsch angegeben, fehlerhafter String "
                                    "ist ") +
                         datei);
    const QString jugendAb =
        datumsText(wettbewerb, Wettbewerb::jugendAbInputRow, Wettbewerb::jugendAbRow);
    if (!parseDate(jugendAb).isValid())
        return melde(ctx, kGrunddaten, QStringLiteral("Datum nicht korrekt angegeben"),
                     QStringLiteral("Der als fruehestmoegliches Jugend-Geburtsdatum angegebene "
                                    "Text %1")
                             .arg(jugendAb) +
                         datumsHinweis,
                     QStringLiteral("Jugend Ab nicht korrekt eingegeben"));

    Fehlermeldung::erfolg(ctx, kGrunddaten, QStringLiteral("==> Pruefung erfolgreich"));
    wettbewerb.setDatum(parseDate(datum));
    wettbewerb.setJugendAb(parseDate(jugendAb));
    if (groesse) {
        wettbewerb.setMaxBildBreite(groesse->width());
        wettbewerb.setMaxBildHoehe(groesse->height());
    } else {
        wettbewerb.setMaxBildBreiteNull();
        wettbewerb.setMaxBildHoeheNull();
    }
    if (bytes)
        wettbewerb.setMaxDateigroesse(*bytes);
    else
        wettbewerb.setMaxDateigroesseNull();
    return std::nullopt;
}

void WettbewerbService::speichereGrunddaten(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                            Jurierung &jurierung)
{
    speichereBeide(ctx, wettbewerb, jurierung);
}

std::optional<QSize> WettbewerbService::parseBildGroesse(const QString &text)
{
    static const QRegularExpression muster(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{1,4})x([0-9]{1,4})")));
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    return QSize(treffer.captured(1).toInt(), treffer.captured(2).toInt());
}

std::optional<int> WettbewerbService::parseDateigroesse(const QString &text)
{
    static const QRegularExpression muster(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{1,4}) ?(kb|mb)")),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    const bool megabyte = treffer.captured(2).toLower() == QLatin1String("mb");
    const qint64 bytes = treffer.captured(1).toLongLong() * (megabyte ? 1024000 : 1024);
    // 2098 MB and more no longer fit the stored integer.
    if (bytes > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(bytes);
}
