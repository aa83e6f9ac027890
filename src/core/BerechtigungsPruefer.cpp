#include "BerechtigungsPruefer.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "controllers/VereinController.h"
#include "controllers/VereinsDatenBerechtigungController.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "entities/VereinsDatenBerechtigung.h"
#include "entities/Wettbewerb.h"

namespace {

const QString kOrt = QStringLiteral("BerechtigungsPruefer");
const QString kKategorie = QStringLiteral("Permissions");

// The text of an attribute, or `ersatz` when it is null.
template <typename T>
QString oder(const T &objekt, bool (T::*has)() const, QString (T::*get)() const, const char *ersatz)
{
    return (objekt.*has)() ? (objekt.*get)() : QString::fromLatin1(ersatz);
}

} // namespace

BerechtigungsPruefer::BerechtigungsPruefer(DatabaseContext &ctx, qlonglong benutzerId) : m_ctx(ctx)
{
    auto alle = VereinsDatenBerechtigungController().select(
        ctx, {{QStringLiteral("benutzer"), benutzerId}});
    for (auto &berechtigung : alle) {
        if (!berechtigung->hasVerein())
            throw PersistenceException(
                QStringLiteral("Fehlerhaftes Berechtigungsobjekt"),
                QStringLiteral("Interner Fehler: Es wurde versucht, ein Berechtigungsobjekt ohne "
                               "Verein zu laden."));
        m_nachVerein.insert(berechtigung->getVerein(), berechtigung.get());
        m_berechtigungen.push_back(std::move(berechtigung));
    }
}

BerechtigungsPruefer::~BerechtigungsPruefer() = default;

void BerechtigungsPruefer::log(int level, const QString &text)
{
    m_ctx.log(kKategorie, kOrt, level, text);
}

// Every check says what it checks; a list of members is not checked while checks are off.
void BerechtigungsPruefer::logPruefung(bool nichtGeprueft, const QString &typ, Art art,
                                       size_t anzahl)
{
    if (!m_ctx.logs(kKategorie, kOrt, 5))
        return;
    log(5, (nichtGeprueft ? QStringLiteral("Explicitely do not check permissions for ")
                          : QStringLiteral("Checking permissions for ")) +
               (art == Art::Lesen ? QStringLiteral("reading ") : QStringLiteral("writing ")) +
               QString::number(anzahl) + QStringLiteral(" instances of type ") + typ);
}

bool BerechtigungsPruefer::darfLesen(const QString &typ, const Persistent &objekt)
{
    if (!m_ctx.permissionChecksActive()) { // the common case of every row read: no list made
        logPruefung(typ == QLatin1String("Mitglied"), typ, Art::Lesen, 1);
        return true;
    }
    return pruefe(typ, Art::Lesen, {&objekt}).value(0, true);
}

bool BerechtigungsPruefer::darfSchreiben(const QString &typ, const Persistent &objekt)
{
    return pruefe(typ, Art::LesenUndSchreiben, {&objekt}).value(0, true);
}

QVector<bool> BerechtigungsPruefer::pruefe(const QString &typ, Art art,
                                          const std::vector<const Persistent *> &objekte)
{
    QVector<bool> ergebnis(int(objekte.size()), true);
    if (!m_ctx.permissionChecksActive()) {
        logPruefung(typ == QLatin1String("Mitglied"), typ, art, objekte.size());
        return ergebnis;
    }
    logPruefung(false, typ, art, objekte.size());
    Cache cache;
    for (size_t i = 0; i < objekte.size(); ++i) {
        const Persistent *objekt = objekte[i];
        if (typ == QLatin1String("Verein"))
            ergebnis[int(i)] = pruefeVerein(static_cast<const Verein &>(*objekt), art, cache);
        else if (typ == QLatin1String("Mitglied"))
            ergebnis[int(i)] = pruefeMitglied(static_cast<const Mitglied &>(*objekt), art, cache);
        else if (typ == QLatin1String("Wettbewerb"))
            ergebnis[int(i)] =
                pruefeWettbewerb(static_cast<const Wettbewerb &>(*objekt), art, cache);
    }
    return ergebnis;
}

bool BerechtigungsPruefer::pruefeVerein(const Verein &verein, Art art, Cache &cache)
{
    log(4, QStringLiteral("Pruefe Berechtigung fuer Verein ") +
               oder<Verein>(verein, &Verein::hasName, &Verein::getName, "(ohne Name)") +
               QStringLiteral(" mit der Vereinsnummer ") +
               oder<Verein>(verein, &Verein::hasVereinsNummerKomplett, &Verein::getVereinsNummerKomplett,
                            "(ohne Vereinsnummer)"));
    if (!verein.hasId()) {
        if (verein.hasDachverband()) {
            log(3, QStringLiteral("Verein hat noch keine ID, aber einen Dachverband.  Damit Hoehe "
                                  "1 mit ID ") +
                       QString::number(verein.getDachverband()));
            return sucheNachOben(verein.getDachverband(), 1, QStringLiteral("Verein"), art,
                                 nullptr, cache);
        }
        log(3, QStringLiteral("Verein hat weder ID noch Dachverband, daher Anlage verweigert."));
        return false;
    }
    log(3, QStringLiteral("Starte mit Vereins-ID ") + QString::number(verein.getId()));
    if (!verein.hasDachverband() && !verein.hasName() && art == Art::Lesen) {
        log(3, QStringLiteral("Verein hat keinen Dachverband und keinen Namen, daher Lesen "
                              "erlaubt."));
        return true;
    }
    return sucheNachOben(verein.getId(), 0, QStringLiteral("Verein"), art, nullptr, cache);
}

bool BerechtigungsPruefer::pruefeMitglied(const Mitglied &mitglied, Art art, Cache &cache)
{
    log(4, QStringLiteral("Pruefe Berechtigung fuer Mitglied ") +
               oder<Person>(mitglied, &Person::hasVorname, &Person::getVorname, "(ohne Vorname)") +
               QLatin1Char(' ') +
               oder<Person>(mitglied, &Person::hasNachname, &Person::getNachname, "(ohne Nachname)") +
               QStringLiteral(" mit der Mitgliedsnummer ") +
               oder<Mitglied>(mitglied, &Mitglied::hasMitgliedsNummerKomplett,
                              &Mitglied::getMitgliedsNummerKomplett, "(ohne Mitgliedsnummer)"));
    if (!mitglied.hasVerein()) {
        log(3, QStringLiteral("Gestatte Zugriff, da das Mitglied keinen Verein hat."));
        return true;
    }
    log(3, QStringLiteral("Mitglied ist im Verein mit der ID ") +
               QString::number(mitglied.getVerein()));
    return sucheNachOben(mitglied.getVerein(), 0, QStringLiteral("Mitglied"), art, &mitglied,
                         cache);
}

bool BerechtigungsPruefer::pruefeWettbewerb(const Wettbewerb &wettbewerb, Art art, Cache &cache)
{
    log(4, QStringLiteral("Pruefe Berechtigung fuer Wettbewerb ") +
               oder<Wettbewerb>(wettbewerb, &Wettbewerb::hasName, &Wettbewerb::getName, "(ohne Name)") +
               QStringLiteral(" mit der Nummer ") +
               oder<Wettbewerb>(wettbewerb, &Wettbewerb::hasNummer, &Wettbewerb::getNummer,
                                "(ohne Nummer)"));
    if (!wettbewerb.hasVerein()) {
        if (art == Art::Lesen) {
            log(3, QStringLiteral("Wettbewerb hat keinen Verein, reiner Lese-Zugriff gestattet."));
            return true;
        }
        log(3, QStringLiteral("Wettbewerb hat keinen Verein, daher Zugriff verweigert."));
        return false;
    }
    return sucheNachOben(wettbewerb.getVerein(), 0, QStringLiteral("Wettbewerb"), art, nullptr,
                         cache);
}

bool BerechtigungsPruefer::passt(const VereinsDatenBerechtigung &berechtigung, int hoehe,
                                 const QString &typ, Art art, const Mitglied *mitglied) const
{
    const CodeManager &codes = m_ctx.codeManager();
    const auto ist = [&codes](bool gesetzt, qlonglong id, const char *codeTyp, const char *wert) {
        return gesetzt && codes.isCodeValue(id, QString::fromLatin1(codeTyp), QString::fromLatin1(wert));
    };
    if (art == Art::LesenUndSchreiben &&
        !ist(berechtigung.hasArt(), berechtigung.getArt(), "DatenBerechtigungsArt",
             "LESEN_UND_SCHREIBEN"))
        return false;
    if (!berechtigung.hasObjektTyp() ||
        !codes.isCodeValue(berechtigung.getObjektTyp(), QStringLiteral("DatenBerechtigungsObjektTyp"),
                           typ))
        return false;
    const bool aufVerein = ist(berechtigung.hasAusdehnung(), berechtigung.getAusdehnung(),
                               "VereinsDatenBerechtigungsAusdehnung", "VEREIN");
    const bool aufLandesverband = ist(berechtigung.hasAusdehnung(), berechtigung.getAusdehnung(),
                                      "VereinsDatenBerechtigungsAusdehnung", "LANDESVERBAND");
    const bool aufDachverband = ist(berechtigung.hasAusdehnung(), berechtigung.getAusdehnung(),
                                    "VereinsDatenBerechtigungsAusdehnung", "DACHVERBAND");
    if (!(aufVerein && hoehe == 0) && !aufLandesverband && !aufDachverband)
        return false;
    if (!mitglied || aufVerein)
        return true;
    if (!mitglied->hasMitgliedsArt())
        return true;
    const bool dachverbandsMitglied =
        ist(true, mitglied->getMitgliedsArt(), "Mitgliedsart", "Dachverband");
    if (aufDachverband)
        return dachverbandsMitglied;
    return dachverbandsMitglied || ist(true, mitglied->getMitgliedsArt(), "Mitgliedsart", "Landesverband");
}

bool BerechtigungsPruefer::sucheNachOben(qlonglong vereinId, int hoehe, const QString &typ, Art art,
                                         const Mitglied *mitglied, Cache &cache)
{
    log(3, QStringLiteral("Starte Suche entlang der Vereins-Hierarchie nach oben, um Verein mit "
                          "Berechtigung zu finden."));
    QSet<qlonglong> besucht; // a damaged hierarchy with a cycle ends the search
    for (;;) {
        besucht.insert(vereinId);
        for (auto it = m_nachVerein.constFind(vereinId);
             it != m_nachVerein.cend() && it.key() == vereinId; ++it) {
            if (passt(**it, hoehe, typ, art, mitglied)) {
                log(3, QStringLiteral("Zugriff ist auf Hoehe %1 gestattet.").arg(hoehe));
                return true;
            }
        }
        const qlonglong eltern = elternVerein(vereinId, cache);
        if (eltern <= 0 || besucht.contains(eltern)) {
            log(3, QStringLiteral("Keinen weiteren uebergeordneten Verein gefunden, daher ist der "
                                  "Zugriff nicht gestattet."));
            return false;
        }
        ++hoehe;
        log(3, QStringLiteral("Noch keine Berechtigung gefunden, Hoehe ist jetzt %1 mit "
                              "Vereins-ID %2")
                   .arg(hoehe)
                   .arg(eltern));
        vereinId = eltern;
    }
}

qlonglong BerechtigungsPruefer::elternVerein(qlonglong vereinId, Cache &cache)
{
    const auto gefunden = cache.constFind(vereinId);
    if (gefunden != cache.cend())
        return gefunden.value();
    // The hierarchy is read past the checks: it is not shown to the user.
    const auto verein = VereinController().readById(m_ctx, vereinId, true);
    const qlonglong eltern = verein && verein->hasDachverband() ? verein->getDachverband() : 0;
    cache.insert(vereinId, eltern);
    return eltern;
}
