#include "JurorService.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "DateText.h"
#include "Fehlermeldung.h"
#include "MitgliedsPruefer.h"
#include "RecordSnapshot.h"
#include "Transaction.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/ExternerJurorController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/SpartenJurierungController.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

#include <algorithm>

using Fehlermeldung::melde;
using Fehlermeldung::text;

namespace {

constexpr const char *kJuroren = "WettbewerbJurorenWidget";
constexpr const char *kJurorDialog = "JurorBearbeitenDialog";

std::vector<std::unique_ptr<SpartenJurierung>> zuordnungen(DatabaseContext &ctx,
                                                           const QString &attribut, qlonglong id)
{
    auto gefunden = SpartenJurierungController().select(ctx, {{attribut, id}}, true, false);
    std::sort(gefunden.begin(), gefunden.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
    return gefunden;
}

// Inserts a new seat unless the person has one; `attribut` names the person's reference.
std::optional<Meldung> fuegeSitzHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                      const Person &person, const char *attribut, const char *art,
                                      const QString &titel, const QString &vorlage)
{
    JuriertBeiController sitze;
    const QString referenz = QString::fromLatin1(attribut);
    if (!sitze
             .select(
                 ctx,
                 {{QStringLiteral("wettbewerb"), wettbewerb.getId()}, {referenz, person.getId()}},
                 true, false)
             .empty())
        return melde(
            ctx, kJuroren, titel,
            vorlage.arg(text(person, Person::vornameRow), text(person, Person::nachnameRow)));
    JuriertBei juror;
    juror.setWettbewerb(wettbewerb.getId());
    juror.setArt(ctx.codeManager().idOf(QStringLiteral("JuriertBeiArt"), QString::fromLatin1(art)));
    juror.setValueAt(juror.classInfo().rowOf(referenz), person.getId());
    juror.setAlleSparten(true);
    juror.setSpartenString(JurorService::spartenString(ctx, juror));
    sitze.insertOrUpdate(ctx, juror);
    return std::nullopt;
}

// Recomputes the categories text; updates the seat when it changed.
void aktualisiere(DatabaseContext &ctx, JuriertBei &juror)
{
    const QString neu = JurorService::spartenString(ctx, juror);
    if (juror.hasSpartenString() && juror.getSpartenString() == neu)
        return;
    juror.setSpartenString(neu);
    JuriertBeiController().insertOrUpdate(ctx, juror);
}

} // namespace

std::optional<Meldung> JurorService::fuegeHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                                const Mitglied &mitglied)
{
    return fuegeSitzHinzu(ctx, wettbewerb, mitglied, "mitglied", "MITGLIED",
                          QStringLiteral("Mitglied schon zugeordnet"),
                          QStringLiteral("Das Mitglied %1 %2 ist dem Wettbewerb bereits als Juror "
                                         "zugeordnet.  Bitte waehlen Sie eine andere Person aus."));
}

std::optional<Meldung> JurorService::fuegeHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                                const ExternerJuror &juror)
{
    return fuegeSitzHinzu(ctx, wettbewerb, juror, "externerJuror", "EXTERNER_JUROR",
                          QStringLiteral("Externer Juror schon zugeordnet"),
                          QStringLiteral("Der externe Juror %1 %2 ist dem Wettbewerb bereits "
                                         "zugeordnet.  Bitte waehlen Sie eine andere Person aus."));
}

std::unique_ptr<Person> JurorService::person(DatabaseContext &ctx, const JuriertBei &juror)
{
    if (juror.hasMitglied())
        return MitgliedController().readById(ctx, juror.getMitglied(), true);
    if (juror.hasExternerJuror())
        return ExternerJurorController().readById(ctx, juror.getExternerJuror(), true);
    return nullptr;
}

std::vector<std::unique_ptr<JuriertBei>>
JurorService::jurorenDerSparte(DatabaseContext &ctx, qlonglong wettbewerb, qlonglong sparte)
{
    const QString ort = QStringLiteral("WertungsHelper");
    ctx.log(QStringLiteral("Wertung"), ort, 7, QStringLiteral("Lade Juroren..."));
    QSet<qlonglong> zugeordnet;
    for (const auto &zuordnung : zuordnungen(ctx, QStringLiteral("sparte"), sparte)) {
        if (zuordnung->hasJuriertBei())
            zugeordnet.insert(zuordnung->getJuriertBei());
    }
    auto sitze = JuriertBeiController().select(ctx, {{QStringLiteral("wettbewerb"), wettbewerb}},
                                               true, false);
    std::vector<std::unique_ptr<JuriertBei>> juroren;
    for (auto &sitz : sitze) {
        if ((sitz->hasAlleSparten() && sitz->getAlleSparten()) ||
            zugeordnet.contains(sitz->getId()))
            juroren.push_back(std::move(sitz));
    }
    std::sort(juroren.begin(), juroren.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
    ctx.log(QStringLiteral("Wertung"), ort, 7, QStringLiteral("Juroren geladen."));
    return juroren;
}

QString JurorService::spartenString(DatabaseContext &ctx, const JuriertBei &juror)
{
    if (juror.hasAlleSparten() && juror.getAlleSparten())
        return QCoreApplication::translate("JurorService", "Alle");
    if (!juror.hasId())
        return QString();
    QStringList namen;
    SparteController sparten;
    for (const auto &zuordnung : zuordnungen(ctx, QStringLiteral("juriertBei"), juror.getId())) {
        const auto sparte =
            zuordnung->hasSparte() ? sparten.readById(ctx, zuordnung->getSparte(), true) : nullptr;
        QString name;
        if (sparte) {
            name = text(*sparte, Sparte::abkuerzungRow);
            if (name.isEmpty())
                name = text(*sparte, Sparte::nameRow);
        }
        namen.append(name);
    }
    return namen.join(QStringLiteral(", "));
}

void JurorService::aktualisiereSpartenStrings(DatabaseContext &ctx, qlonglong sparte)
{
    QSet<qlonglong> erledigt;
    JuriertBeiController sitze;
    for (const auto &zuordnung : zuordnungen(ctx, QStringLiteral("sparte"), sparte)) {
        if (!zuordnung->hasJuriertBei() || erledigt.contains(zuordnung->getJuriertBei()))
            continue;
        erledigt.insert(zuordnung->getJuriertBei());
        if (const auto juror = sitze.readById(ctx, zuordnung->getJuriertBei(), true))
            aktualisiere(ctx, *juror);
    }
}

void JurorService::toggleAlleSparten(DatabaseContext &ctx, JuriertBei &juror)
{
    RecordSnapshot snapshot;
    snapshot.take(juror);
    try {
        juror.setAlleSparten(!(juror.hasAlleSparten() && juror.getAlleSparten()));
        juror.setSpartenString(spartenString(ctx, juror));
        JuriertBeiController().insertOrUpdate(ctx, juror);
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

std::optional<Meldung> JurorService::ordneSparteZu(DatabaseContext &ctx, JuriertBei &juror,
                                                   const Sparte &sparte)
{
    SpartenJurierungController controller;
    if (!controller
             .select(ctx,
                     {{QStringLiteral("juriertBei"), juror.getId()},
                      {QStringLiteral("sparte"), sparte.getId()}},
                     true, false)
             .empty())
        return melde(ctx, "JuriertBeiSparteWidget", QStringLiteral("Zuordnung schon vorhanden"),
                     QStringLiteral("Die Sparte ist dem Juror bereits zugeordnet."),
                     QStringLiteral("Sparte schon Juror zugeordnet"));
    RecordSnapshot snapshot;
    snapshot.take(juror);
    try {
        Transaction transaction(ctx);
        SpartenJurierung zuordnung;
        zuordnung.setJuriertBei(juror.getId());
        zuordnung.setSparte(sparte.getId());
        controller.insertOrUpdate(ctx, zuordnung);
        aktualisiere(ctx, juror);
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
    return std::nullopt;
}

void JurorService::entferneZuordnung(DatabaseContext &ctx, JuriertBei &juror,
                                     const SpartenJurierung &zuordnung)
{
    RecordSnapshot snapshot;
    snapshot.take(juror);
    try {
        Transaction transaction(ctx);
        SpartenJurierungController().remove(ctx, zuordnung);
        aktualisiere(ctx, juror);
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

std::optional<Meldung> JurorService::entfernVerbot(DatabaseContext &ctx, const JuriertBei &juror)
{
    if (EinzelWertungController()
            .select(ctx, {{QStringLiteral("juror"), juror.getId()}}, true, false)
            .empty())
        return std::nullopt;
    return melde(ctx, kJuroren, QStringLiteral("Entfernen nicht moeglich"),
                 QStringLiteral("Der Juror war bereits in die Wertung involviert und kann daher "
                                "nicht entfernt werden."));
}

Meldung JurorService::entfernFrage(DatabaseContext &ctx, const JuriertBei &juror)
{
    const auto wer = person(ctx, juror);
    QString vorname = wer ? text(*wer, Person::vornameRow) : QString();
    QString nachname = wer ? text(*wer, Person::nachnameRow) : QString();
    if (vorname.isEmpty())
        vorname = QStringLiteral("(ohne Vorname)");
    if (nachname.isEmpty())
        nachname = QStringLiteral("(ohne Nachname)");
    const QString titel = QStringLiteral("Juror wirklich entfernen?");
    return Meldung{titel,
                   QStringLiteral("Wollen Sie den Juror %1 %2 wirklich aus dem Wettbewerb "
                                  "entfernen?")
                       .arg(vorname, nachname),
                   titel};
}

void JurorService::entferne(DatabaseContext &ctx, const JuriertBei &juror)
{
    Transaction transaction(ctx);
    SpartenJurierungController controller;
    controller.removeAll(ctx, zuordnungen(ctx, QStringLiteral("juriertBei"), juror.getId()));
    JuriertBeiController().remove(ctx, juror);
    transaction.commit();
    ctx.unassignJuror(juror.getId());
}

QString JurorService::naechsteNummer(DatabaseContext &ctx)
{
    QSet<qlonglong> vergeben;
    const auto juroren =
        ExternerJurorController().select(ctx, {}, true, {QStringLiteral("nummer")}, true, false);
    for (const auto &juror : juroren) {
        bool zahl = false;
        const qlonglong nummer = text(*juror, ExternerJuror::nummerRow).toLongLong(&zahl);
        if (zahl && nummer >= 0)
            vergeben.insert(nummer);
    }
    qlonglong kandidat = 0;
    while (vergeben.contains(kandidat))
        ++kandidat;
    return QString::number(kandidat);
}

std::unique_ptr<ExternerJuror> JurorService::neuerExternerJuror(DatabaseContext &ctx)
{
    auto juror = std::make_unique<ExternerJuror>();
    juror->setStaat(ctx.codeManager().idOf(QStringLiteral("Staat"), QStringLiteral("AT")));
    juror->setNummer(naechsteNummer(ctx));
    return juror;
}

std::optional<Meldung> JurorService::pruefeExternenJuror(DatabaseContext &ctx, ExternerJuror &juror)
{
    if (!MitgliedsPruefer::mailGueltig(text(juror, ExternerJuror::emailRow)))
        return melde(ctx, kJurorDialog, QStringLiteral("Mailadresse nicht korrekt angegeben."),
                     QStringLiteral("Die Mailadresse muss ein @-Zeichen enthalten."));
    if (!MitgliedsPruefer::telefonGueltig(text(juror, ExternerJuror::telefonRow)))
        return melde(ctx, kJurorDialog, QStringLiteral("Format der Telefonnummer"),
                     QStringLiteral("Die Telefonnummer muss nach dem Muster +43-512-123456 "
                                    "aufgebaut sein"));
    if (!MitgliedsPruefer::telefonGueltig(text(juror, ExternerJuror::mobilRow)))
        return melde(ctx, kJurorDialog, QStringLiteral("Format der Mobilfunknummer"),
                     QStringLiteral("Die Mobilfunknummer muss nach dem Muster +43-676-123456 "
                                    "aufgebaut sein"));
    const QString nummer = text(juror, ExternerJuror::nummerRow);
    if (nummer.isEmpty())
        return melde(ctx, kJurorDialog, QStringLiteral("Nummer nicht angegeben"),
                     QStringLiteral("Das Feld Nummer muss ausgefuellt sein.  Normalerweise "
                                    "geschieht das automatisch beim Anlegen des Externen "
                                    "Jurors."),
                     QStringLiteral("Nummer nicht angegeben."));
    const QString geburt = text(juror, ExternerJuror::datumGeburtInputRow);
    if (!geburt.trimmed().isEmpty() && !parseDate(geburt).isValid())
        return melde(ctx, kJurorDialog, QStringLiteral("Geburtsdatum nicht korrekt angegeben"),
                     QStringLiteral("Der als Geburtsdatum angegebene Text %1 ist kein korrektes "
                                    "Datum. \n\nDatumsangaben muessen in der Form dd.mm.yyyy "
                                    "getaetigt werden.")
                         .arg(geburt));
    for (const auto &anderer :
         ExternerJurorController().select(ctx, {{QStringLiteral("nummer"), nummer}}, true, false)) {
        if (!juror.hasId() || anderer->getId() != juror.getId())
            return melde(ctx, kJurorDialog, QStringLiteral("Nummer schon vergeben"),
                         QStringLiteral("Es gibt schon einen Juror mit dieser Nummer.  Bitte "
                                        "waehlen Sie eine andere."));
    }
    Fehlermeldung::erfolg(ctx, kJurorDialog,
                          QStringLiteral("==> Pruefung erfolgreich, jurorSchonInDB = ") +
                              (juror.hasId() ? QLatin1Char('1') : QLatin1Char('0')));
    if (juror.isSetAt(ExternerJuror::datumGeburtInputRow)) {
        if (geburt.trimmed().isEmpty())
            juror.setDatumGeburtNull();
        else
            juror.setDatumGeburt(parseDate(geburt));
    }
    return std::nullopt;
}

void JurorService::speichereExternenJuror(DatabaseContext &ctx, ExternerJuror &juror)
{
    RecordSnapshot snapshot;
    snapshot.take(juror);
    try {
        ExternerJurorController().insertOrUpdate(ctx, juror);
    } catch (...) {
        snapshot.restore();
        throw;
    }
}
