#include "MitgliedService.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "DateText.h"
#include "MitgliedsPruefer.h"
#include "RecordSnapshot.h"
#include "Transaction.h"
#include "controllers/BenutzerController.h"
#include "controllers/FotographischerTitelController.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

namespace {

Meldung meldung(const QString &titel, const QString &text)
{
    return Meldung{titel, text, titel};
}

QString text(const Record &record, int row)
{
    return record.isSetAt(row) ? record.rawValueAt(row).toString() : QString();
}

struct Datumsfeld
{
    int inputRow;
    int dateRow;
    const char *name; // as the messages name the field
};

} // namespace

QDate MitgliedService::parseDatum(const QString &text)
{
    return parseDate(text);
}

std::optional<Meldung> MitgliedService::pruefe(DatabaseContext &ctx, Mitglied &mitglied)
{
    if (!mitglied.hasVerein())
        return meldung(QStringLiteral("Kein Verein ausgewaehlt"),
                       QStringLiteral("Bitte waehlen Sie einen Verein fuer das Mitglied aus."));
    if (!MitgliedsPruefer::nummerVorhanden(mitglied))
        return meldung(QString::fromUtf8("Mussfeld nicht ausgefüllt"),
                       QString::fromUtf8("Das Feld Mitgliedsnummer muss immer ausgefüllt werden."));
    if (!MitgliedsPruefer::interneNummerEindeutig(ctx, mitglied))
        return Meldung{QStringLiteral("Vereinsinterne Nummer schon vergeben"),
                       QStringLiteral("Bitte waehlen Sie eine andere Nummer aus, oder lassen Sie "
                                      "sich eine noch freie vorschlagen."),
                       QStringLiteral("Mitgliedsnummer schon vergeben")};
    if (!mitglied.hasMitgliedsNummerImVerein())
        return meldung(QStringLiteral("Vereinsinterne Nummer nicht angegeben"),
                       QStringLiteral("Bitte geben Sie eine Mitgliedsnummer an, die innerhalb des "
                                      "Vereins eindeutig ist."));
    if (!mitglied.hasMitgliedsArt())
        return meldung(QStringLiteral("Mitgliedsart nicht angegeben"),
                       QStringLiteral("Bitte geben Sie eine Mitgliedsart an"));
    const bool nichtmitglied = ctx.codeManager().isCodeValue(
        mitglied.getMitgliedsArt(), QStringLiteral("Mitgliedsart"), QStringLiteral("Nichtmitglied"));
    if (!nichtmitglied && mitglied.getMitgliedsNummerImVerein().size() >= 4)
        return meldung(QStringLiteral("Mitgliedsnummer zu lang"),
                       QStringLiteral("Der vereinsinterne Teil der Mitgliedsnummer darf bei Club-, "
                                      "Landesverbands- und Dachverbandsmitgliedern hoechstens drei "
                                      "Stellen umfassen.\n\nBitte korrigieren Sie die "
                                      "Mitgliedsnummer."));
    if (!MitgliedsPruefer::nummerEindeutig(ctx, mitglied))
        return meldung(QStringLiteral("Mitgliedsnummer bereits vorhanden"),
                       QStringLiteral("Die Mitgliedsnummer, die Sie gerade vergeben wollen, gibt "
                                      "es bereits in der Datenbank.\n\n  Bitte vergeben Sie eine "
                                      "andere Mitgliedsnummer."));
    if (!MitgliedsPruefer::mailGueltig(text(mitglied, Mitglied::emailRow)))
        return meldung(QStringLiteral("Mailadresse nicht korrekt angegeben."),
                       QStringLiteral("Die Mailadresse muss ein @-Zeichen enthalten."));
    if (!MitgliedsPruefer::telefonGueltig(text(mitglied, Mitglied::telefonRow)))
        return meldung(QStringLiteral("Format der Telefonnummer"),
                       QStringLiteral("Die Telefonnummer muss nach dem Muster +43-512-123456 "
                                      "aufgebaut sein"));
    if (!MitgliedsPruefer::telefonGueltig(text(mitglied, Mitglied::mobilRow)))
        return meldung(QStringLiteral("Format der Mobilfunknummer"),
                       QStringLiteral("Die Mobilfunknummer muss nach dem Muster +43-676-123456 "
                                      "aufgebaut sein"));

    const Datumsfeld felder[] = {
        {Mitglied::datumAustrittInputRow, Mitglied::datumAustrittRow, "Austrittsdatum"},
        {Mitglied::datumEintrittInputRow, Mitglied::datumEintrittRow, "Eintrittsdatum"},
        {Mitglied::datumGeburtInputRow, Mitglied::datumGeburtRow, "Geburtsdatum"},
        {Mitglied::beitragBezahltBisInputRow, Mitglied::beitragBezahltBisRow, nullptr},
    };
    for (const Datumsfeld &feld : felder) {
        const QString eingabe = text(mitglied, feld.inputRow);
        if (eingabe.trimmed().isEmpty() || parseDatum(eingabe).isValid())
            continue;
        const QString textHinweis =
            QStringLiteral(" ist kein korrektes Datum. \n\nDatumsangaben muessen in der Form "
                           "dd.mm.yyyy getaetigt werden.");
        if (!feld.name)
            return Meldung{QStringLiteral("Beitrag bezahlt bis nicht korrekt angegeben"),
                           QStringLiteral("Der im Feld Beitrag bezahlt bis angegebene Text %1")
                                   .arg(eingabe) +
                               textHinweis,
                           QStringLiteral("Beitrag bezahlt bis nicht korrekt angegeben.")};
        const QString name = QString::fromLatin1(feld.name);
        return Meldung{name + QStringLiteral(" nicht korrekt angegeben"),
                       QStringLiteral("Der als %1 angegebene Text %2").arg(name, eingabe) +
                           textHinweis,
                       name + QStringLiteral(" nicht korrekt angegeben.")};
    }
    // All checks passed: the typed dates follow their texts.
    for (const Datumsfeld &feld : felder) {
        if (!mitglied.isSetAt(feld.inputRow))
            continue;
        const QString eingabe = text(mitglied, feld.inputRow);
        mitglied.setValueAt(feld.dateRow,
                            eingabe.trimmed().isEmpty() ? QVariant() : QVariant(parseDatum(eingabe)));
    }
    return std::nullopt;
}

void MitgliedService::speichere(DatabaseContext &ctx, Mitglied &mitglied,
                                const std::vector<FotographischerTitel *> &titel,
                                const std::vector<const FotographischerTitel *> &entfernteTitel)
{
    RecordSnapshot snapshot;
    snapshot.take(mitglied);
    for (FotographischerTitel *einTitel : titel)
        snapshot.take(*einTitel);
    try {
        Transaction transaction(ctx);
        MitgliedController mitglieder;
        mitglieder.insertOrUpdate(ctx, mitglied);
        FotographischerTitelController titelController;
        for (const FotographischerTitel *einTitel : entfernteTitel) {
            if (einTitel->hasId())
                titelController.remove(ctx, *einTitel);
        }
        const FotographischerTitel *hoechster = nullptr;
        for (FotographischerTitel *einTitel : titel) {
            einTitel->setMitglied(mitglied.getId());
            titelController.insertOrUpdate(ctx, *einTitel);
            if (!hoechster && einTitel->hasHoechsterTitel() && einTitel->getHoechsterTitel())
                hoechster = einTitel;
        }
        const QVariant bisher = mitglied.rawValueAt(Mitglied::hoechsterTitelRow);
        const QVariant neu = hoechster ? QVariant(hoechster->getId()) : QVariant();
        if (bisher != neu) {
            mitglied.setValueAt(Mitglied::hoechsterTitelRow, neu);
            mitglieder.insertOrUpdate(ctx, mitglied);
        }
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

std::optional<Meldung> MitgliedService::loeschVerbot(DatabaseContext &ctx, const Mitglied &mitglied)
{
    if (!mitglied.hasId())
        return std::nullopt;
    const QString vorname = text(mitglied, Mitglied::vornameRow);
    const QString nachname = text(mitglied, Mitglied::nachnameRow);
    const auto benutzer = BenutzerController().readByMitglied(ctx, mitglied);
    if (!benutzer.empty())
        return meldung(QStringLiteral("Loeschen nicht moeglich"),
                       QStringLiteral("Das Mitglied %1 %2 kann nicht geloescht werden. Es ist als "
                                      "Mitglied des Benutzers %3 eingetragen.  Daher muss "
                                      "zunaechst diese Verknuepfung ueber die Benutzerverwaltung "
                                      "geloest oder der Benutzer geloescht werden.")
                           .arg(vorname, nachname,
                                benutzer.front()->hasBenutzername()
                                    ? benutzer.front()->getBenutzername()
                                    : QStringLiteral("(ohne Benutzername)")));

    std::optional<qlonglong> wettbewerbId;
    for (const auto &juror : JuriertBeiController().readByMitglied(ctx, mitglied)) {
        if (juror->hasWettbewerb())
            wettbewerbId = juror->getWettbewerb();
    }
    for (const auto &teilnahme : WettbewerbsTeilnahmeController().readByMitglied(ctx, mitglied)) {
        if (teilnahme->hasWettbewerb())
            wettbewerbId = teilnahme->getWettbewerb();
    }
    if (!wettbewerbId)
        return std::nullopt;
    const auto wettbewerb = WettbewerbController().readById(ctx, *wettbewerbId, true);
    return meldung(QStringLiteral("Loeschen nicht moeglich"),
                   QStringLiteral("Das Mitglied %1 %2 kann nicht geloescht werden. Es ist im "
                                  "Wettbewerb %3 mit der Nummer %4 entweder als Teilnehmer oder "
                                  "als Juror taetig (gewesen).")
                       .arg(vorname, nachname,
                            wettbewerb ? text(*wettbewerb, Wettbewerb::nameRow) : QString(),
                            wettbewerb ? text(*wettbewerb, Wettbewerb::nummerRow) : QString()));
}

void MitgliedService::loesche(DatabaseContext &ctx, const Mitglied &mitglied)
{
    Transaction transaction(ctx);
    FotographischerTitelController titel;
    titel.removeAll(ctx, titel.readByMitglied(ctx, mitglied));
    FunktionstraegerController funktionen;
    funktionen.removeAll(ctx, funktionen.readByMitglied(ctx, mitglied));
    MitgliedController().remove(ctx, mitglied);
    transaction.commit();
}
