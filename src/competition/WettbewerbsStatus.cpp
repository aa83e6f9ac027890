#include "WettbewerbsStatus.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "entities/CodeValue.h"
#include "entities/Wettbewerb.h"

namespace {

const QString kTyp = QStringLiteral("WettbewerbsStatus");

const char *const kNamen[] = {"ANGELEGT", "BILDERANNAHME", "ANNAHMESCHLUSS_VERSTRICHEN",
                              "WERTUNG_LAEUFT", "WERTUNG_ABGESCHLOSSEN"};

bool gueltig(WettbewerbsStatus::Stufe stufe)
{
    return stufe >= WettbewerbsStatus::Angelegt && stufe <= WettbewerbsStatus::WertungAbgeschlossen;
}

} // namespace

WettbewerbsStatus::Stufe WettbewerbsStatus::stufe(DatabaseContext &ctx,
                                                  const Wettbewerb &wettbewerb)
{
    return wettbewerb.hasStatus() ? stufeVon(ctx, wettbewerb.getStatus()) : Keiner;
}

WettbewerbsStatus::Stufe WettbewerbsStatus::stufeVon(DatabaseContext &ctx, qlonglong codeValueId)
{
    for (int i = Angelegt; i <= WertungAbgeschlossen; ++i) {
        if (ctx.codeManager().isCodeValue(codeValueId, kTyp, QString::fromLatin1(kNamen[i])))
            return Stufe(i);
    }
    return Unbekannt;
}

QString WettbewerbsStatus::name(Stufe stufe)
{
    return gueltig(stufe) ? QString::fromLatin1(kNamen[stufe]) : QString();
}

qlonglong WettbewerbsStatus::id(DatabaseContext &ctx, Stufe stufe)
{
    return gueltig(stufe) ? ctx.codeManager().idOf(kTyp, name(stufe)) : -1;
}

QString WettbewerbsStatus::text(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    if (wettbewerb.hasStatus()) {
        const auto wert = ctx.codeManager().getCodeValueById(wettbewerb.getStatus());
        if (wert && wert->hasKurzText())
            return wert->getKurzText();
    }
    return QStringLiteral("Kein Status vorhanden");
}

WettbewerbsStatus::Knoepfe WettbewerbsStatus::knoepfe(Stufe stufe, bool editierbar, bool mitKuerzel)
{
    static const char *const zurueck[] = {"Kein vorheriger Status", "&Zurueck zum Status Angelegt",
                                          "&Zurueck zur Bilderannahme", "&Zurueck vor die Wertung",
                                          "&Zurueck zur Wertung"};
    static const char *const weiter[] = {"Bildera&nnahme starten", "Bildera&nnahme beenden",
                                         "Mit der Wertung begi&nnen", "Die Wertung bee&nden",
                                         "Kein nachfolgender Status"};
    Knoepfe knoepfe;
    if (gueltig(stufe)) {
        knoepfe.zurueck = QString::fromLatin1(zurueck[stufe]);
        knoepfe.weiter = QString::fromLatin1(weiter[stufe]);
    } else {
        const QString text = stufe == Keiner ? QStringLiteral("Kein Status vorhanden")
                                             : QStringLiteral("Kein Text vorhanden");
        knoepfe.zurueck = text;
        knoepfe.weiter = text;
    }
    if (!mitKuerzel) {
        knoepfe.zurueck.remove(QLatin1Char('&'));
        knoepfe.weiter.remove(QLatin1Char('&'));
    }
    // From an unknown state there is no step to take in either direction.
    knoepfe.zurueckAktiv = editierbar && gueltig(stufe) && stufe != Angelegt;
    knoepfe.weiterAktiv = editierbar && gueltig(stufe) && stufe != WertungAbgeschlossen;
    knoepfe.grunddatenBearbeitenAktiv = erlaubt(stufe, Operation::GrunddatenBearbeiten, editierbar);
    return knoepfe;
}

bool WettbewerbsStatus::erlaubt(Stufe stufe, Operation operation, bool editierbar)
{
    if (!editierbar || !gueltig(stufe))
        return false;
    switch (operation) {
    case Operation::GrunddatenBearbeiten:
    case Operation::SpartenAendern:
        return stufe == Angelegt;
    case Operation::TeilnehmerAendern:
        return stufe == Angelegt || stufe == Bilderannahme;
    case Operation::JurorenAendern:
    case Operation::BildLoeschen:
        return stufe == Bilderannahme || stufe == AnnahmeschlussVerstrichen;
    case Operation::BildNeu:
    case Operation::BildBearbeiten:
        // Editing after the closing date only after the question of annahmeschlussFrage().
        return stufe == Bilderannahme || stufe == AnnahmeschlussVerstrichen ||
               stufe == WertungLaeuft;
    case Operation::DurchgangBearbeiten:
        return stufe == AnnahmeschlussVerstrichen;
    case Operation::Wertung:
        return stufe == WertungLaeuft;
    case Operation::EndErgebnisse:
        return stufe == WertungAbgeschlossen;
    }
    return false;
}

std::optional<Meldung> WettbewerbsStatus::annahmeschlussFrage(Stufe stufe, Operation operation)
{
    if (stufe != AnnahmeschlussVerstrichen && stufe != WertungLaeuft)
        return std::nullopt;
    if (!erlaubt(stufe, operation))
        return std::nullopt;
    const QString anfang = QStringLiteral(
        "Der Annahmeschluss fuer Bilder ist eigentlich schon verstrichen.  Sofern die Wertung "
        "noch nicht zu weit vorangeschritten ist, kann Kalvor trotzdem versuchen, ");
    QString text;
    switch (operation) {
    case Operation::BildNeu:
        text = anfang + QStringLiteral("ein neues Bild anzulegen.  Falls bereits eine Reihenfolge "
                                       "generiert ist, wuerde dieses als letztes einsortiert.  "
                                       "\n\nWollen Sie fortfahren?");
        break;
    case Operation::BildBearbeiten:
        text = anfang + QStringLiteral("das Bild zu bearbeiten.\n\nWollen Sie fortfahren?");
        break;
    case Operation::BildLoeschen:
        text = anfang + QStringLiteral("das Bild zu loeschen.\n\nWollen Sie fortfahren?");
        break;
    default:
        return std::nullopt;
    }
    const QString titel = QStringLiteral("Annahmeschluss eigentlich schon verstrichen");
    return Meldung{titel, text, titel};
}

QString WettbewerbsStatus::ergebnisHinweis(Stufe stufe, bool ergebnisseVorhanden)
{
    if (stufe == WertungAbgeschlossen)
        return QStringLiteral(
            "Der Wettbewerb ist abgeschlossen mit den untenstehenden Ergebnissen.");
    if (!ergebnisseVorhanden)
        return QStringLiteral("Es sind noch keine Ergebnisse verfuegbar.");
    return QStringLiteral("Der Wettbewerb ist noch nicht abgeschlossen.  Daher ist unten lediglich "
                          "ein auf Basis der bereits durchgefuehrten Wertungen berechneter "
                          "Zwischenstand dargestellt.");
}
