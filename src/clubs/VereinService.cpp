#include "VereinService.h"

#include "DatabaseContext.h"
#include "MitgliedsPruefer.h"
#include "RecordSnapshot.h"
#include "Transaction.h"
#include "VereinsNummernManager.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "controllers/VereinsDatenBerechtigungController.h"
#include "controllers/WettbewerbController.h"

#include <QSet>

namespace {

Meldung meldung(const QString &titel, const QString &text)
{
    return Meldung{titel, text, titel};
}

bool leer(const Verein &verein, int row)
{
    return !verein.isSetAt(row) || verein.rawValueAt(row).toString().isEmpty();
}

} // namespace

std::optional<Meldung> VereinService::pruefe(DatabaseContext &ctx, const Verein &verein)
{
    if (leer(verein, Verein::vereinsNummerKomplettRow))
        return meldung(QStringLiteral("Vereinsnummer nicht angegeben"),
                       QStringLiteral("Bitte fuellen Sie das Feld Eigene Vereinsnummer aus.  Das "
                                      "Feld Gesamte Vereinsnummer wird dann automatisch "
                                      "berechnet."));
    // Every club counts, also those the user may not read.
    const auto gleich = VereinController().select(
        ctx, {{QStringLiteral("vereinsNummerKomplett"), verein.getVereinsNummerKomplett()}}, true,
        false);
    for (const auto &anderer : gleich) {
        if (!verein.hasId() || anderer->getId() != verein.getId())
            return meldung(QStringLiteral("Vereinsnummer schon vergeben"),
                           QStringLiteral("Es gibt schon einen Verein mit dieser Vereinsnummer.  "
                                          "Bitte waehlen Sie eine andere."));
    }
    if (leer(verein, Verein::nameRow))
        return meldung(QStringLiteral("Vereinsname nicht angegeben"),
                       QStringLiteral("Bitte geben Sie einen Namen fuer den Verein an."));
    if (verein.hasEmail() && !MitgliedsPruefer::mailGueltig(verein.getEmail()))
        return Meldung{QStringLiteral("Mailadresse nicht korrekt angegeben."),
                       QStringLiteral("Die Mailadresse muss ein @-Zeichen enthalten."),
                       QStringLiteral("Mailadresse nicht korrekt angegeben")};
    // The parent must not be the club itself nor lie below it: the tree would become a cycle.
    if (verein.hasId() && verein.hasDachverband()) {
        QSet<qlonglong> gesehen;
        std::optional<qlonglong> oben = verein.getDachverband();
        while (oben && !gesehen.contains(*oben)) {
            if (*oben == verein.getId())
                return meldung(QStringLiteral("Uebergeordneter Verein nicht moeglich"),
                               QStringLiteral("Ein Verein kann weder sich selbst noch einem "
                                              "seiner untergeordneten Vereine untergeordnet "
                                              "werden.\n\nBitte waehlen Sie einen anderen "
                                              "Verein aus."));
            gesehen.insert(*oben);
            const auto parent = VereinController().readById(ctx, *oben, true);
            oben = parent && parent->hasDachverband() ? std::optional<qlonglong>(
                                                            parent->getDachverband())
                                                      : std::nullopt;
        }
    }
    return std::nullopt;
}

void VereinService::speichere(DatabaseContext &ctx, Verein &verein,
                              const std::vector<Funktionstraeger *> &geaenderteFunktionstraeger,
                              const std::vector<const Funktionstraeger *> &entfernteFunktionstraeger,
                              bool nummerGeaendert)
{
    RecordSnapshot snapshot;
    snapshot.take(verein);
    for (Funktionstraeger *funktionstraeger : geaenderteFunktionstraeger)
        snapshot.take(*funktionstraeger);
    try {
        Transaction transaction(ctx);
        VereinController().insertOrUpdate(ctx, verein);
        FunktionstraegerController funktionen;
        for (Funktionstraeger *funktionstraeger : geaenderteFunktionstraeger) {
            if (!funktionstraeger->hasVerein())
                funktionstraeger->setVerein(verein.getId());
            funktionen.insertOrUpdate(ctx, *funktionstraeger);
        }
        for (const Funktionstraeger *funktionstraeger : entfernteFunktionstraeger) {
            if (funktionstraeger->hasId())
                funktionen.remove(ctx, *funktionstraeger);
        }
        if (nummerGeaendert)
            VereinsNummernManager::nummeriereUntervereine(ctx, verein);
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

std::optional<Meldung> VereinService::loeschVerbot(DatabaseContext &ctx, const Verein &verein)
{
    if (!verein.hasId())
        return std::nullopt;
    const QVariant id = verein.getId();
    if (!MitgliedController().select(ctx, {{QStringLiteral("verein"), id}}, true, false).empty())
        return meldung(QStringLiteral("Noch Mitglieder vorhanden."),
                       QStringLiteral("Dem Verein sind noch Mitglieder zugeordnet.  Daher kann er "
                                      "nicht geloescht werden.\n\nBitte ordnen Sie die Mitglieder "
                                      "zunaechst einem anderen Verein zu."));
    WettbewerbController wettbewerbe;
    if (!wettbewerbe.select(ctx, {{QStringLiteral("verein"), id}}, true, false).empty() ||
        !wettbewerbe.select(ctx, {{QStringLiteral("berechtigterVerein"), id}}, true, false).empty())
        return meldung(QStringLiteral("Noch Wettbewerbe vorhanden."),
                       QStringLiteral("Dem Verein sind noch Wettbewerbe zugeordnet.  Daher kann er "
                                      "nicht geloescht werden.\n\nBitte ordnen Sie die Wettbewerbe "
                                      "zunaechst einem anderen Verein zu."));
    if (!VereinController().select(ctx, {{QStringLiteral("dachverband"), id}}, true, false).empty())
        return meldung(QStringLiteral("Noch untergeordnete Vereine vorhanden."),
                       QStringLiteral("Der Verein ist anderen Vereinen noch als uebergeordneter "
                                      "Verein zugeordnet. Er kann daher nicht geloescht "
                                      "werden.\n\nBitte ordnen Sie den entsprechenden Vereinen "
                                      "zunaechst einen anderen Verein als uebergeordneten Verein "
                                      "zu."));
    return std::nullopt;
}

void VereinService::loesche(DatabaseContext &ctx, const Verein &verein)
{
    Transaction transaction(ctx);
    VereinsDatenBerechtigungController berechtigungen;
    berechtigungen.removeAll(ctx, berechtigungen.readByVerein(ctx, verein));
    FunktionstraegerController funktionen;
    funktionen.removeAll(ctx, funktionen.select(ctx, {{QStringLiteral("verein"), verein.getId()}},
                                                true, false));
    VereinController().remove(ctx, verein);
    transaction.commit();
}
