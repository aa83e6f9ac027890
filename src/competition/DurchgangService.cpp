#include "DurchgangService.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "RecordSnapshot.h"
#include "controllers/DurchgangController.h"

using Fehlermeldung::melde;

namespace {

constexpr const char *kOrt = "DurchgangBearbeitenDialog";

bool istArt(DatabaseContext &ctx, const Durchgang &durchgang, const char *art)
{
    return durchgang.hasArt() &&
           ctx.codeManager().isCodeValue(durchgang.getArt(), QStringLiteral("DurchgangsArt"),
                                         QString::fromLatin1(art));
}

} // namespace

std::optional<Meldung> DurchgangService::pruefe(DatabaseContext &ctx, const Durchgang &durchgang)
{
    const bool rang = durchgang.hasMinRang() || durchgang.hasMaxRang();
    const QString nichtAusfuellen = QStringLiteral("Feld darf nicht ausgefuellt werden");
    if (rang && istArt(ctx, durchgang, "ERSTER_DURCHGANG"))
        return melde(ctx, kOrt, nichtAusfuellen,
                     QStringLiteral("Im ersten Durchgang duerfen die Felder \"Von Prozent der "
                                    "Rangliste\" bzw. \"Bis Prozent der Rangliste\" nicht "
                                    "ausgefuellt werden."),
                     QStringLiteral("Feld darf nicht ausgefuellt werden (Erster Durchgang)"));
    const bool gesamt = istArt(ctx, durchgang, "GESAMTWERTUNG");
    if (gesamt && (rang || durchgang.hasMinBewertung() || durchgang.hasMaxBewertung()))
        return melde(ctx, kOrt, nichtAusfuellen,
                     QStringLiteral("In der Zeile fuer die Gesamtwertung duerfen die Felder "
                                    "\"Von Prozent der Rangliste\", \"Bis Prozent der "
                                    "Rangliste\", \"Minimal erlaubte Bewertung\", \"Maximale "
                                    "erlaubte Bewertung\" nicht ausgefuellt werden."),
                     QStringLiteral("Feld darf nicht ausgefuellt werden (Gesamtwertung)"));
    const auto ausserhalb = [](double wert, double von, double bis) {
        return wert < von || wert > bis;
    };
    if ((durchgang.hasMinRang() && ausserhalb(durchgang.getMinRang(), 0, 100)) ||
        (durchgang.hasMaxRang() && ausserhalb(durchgang.getMaxRang(), 0, 100)))
        return melde(ctx, kOrt, QStringLiteral("Wert nicht erlaubt"),
                     QStringLiteral("Die Felder \"Von Prozent der Rangliste\" und \"Bis Prozent "
                                    "der Rangliste\", muessen jeweils einen Wert zwischen 0 und "
                                    "100 haben."),
                     QStringLiteral("Wert nicht erlaubt (Prozent der Rangliste)"));
    if (!gesamt) {
        if (!durchgang.hasMinBewertung())
            return melde(ctx, kOrt, QStringLiteral("Minimal erlaubte Bewertung fehlt"),
                         QStringLiteral("Bitte geben Sie die minimal erlaubte Bewertung an."));
        if (!durchgang.hasMaxBewertung())
            return melde(ctx, kOrt, QStringLiteral("Maximal erlaubte Bewertung fehlt"),
                         QStringLiteral("Bitte geben Sie die maximal erlaubte Bewertung an."));
        if (ausserhalb(durchgang.getMinBewertung(), 1, 10) ||
            ausserhalb(durchgang.getMaxBewertung(), 1, 10))
            return melde(ctx, kOrt, QStringLiteral("Wert nicht erlaubt"),
                         QStringLiteral("Die Felder \"Minimal erlaubte Bewertung\" und \"Maximale "
                                        "erlaubte Bewertung\" muessen jeweils einen Wert zwischen "
                                        "1 und 10 haben."),
                         QStringLiteral("Wert nicht erlaubt (erlaubte Bewertung)"));
    }
    if (!durchgang.hasSortierModus())
        return melde(ctx, kOrt, QStringLiteral("Keine Sortierung angegeben"),
                     QStringLiteral("Bitte geben Sie eine Sortierung an."));
    Fehlermeldung::erfolg(ctx, kOrt, QStringLiteral("==> Pruefung erfolgreich"));
    return std::nullopt;
}

void DurchgangService::speichere(DatabaseContext &ctx, Durchgang &durchgang)
{
    RecordSnapshot snapshot;
    snapshot.take(durchgang);
    try {
        DurchgangController().insertOrUpdate(ctx, durchgang);
    } catch (...) {
        snapshot.restore();
        throw;
    }
}
