#include "WettbewerbLoeschen.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "ExportInDatei.h"
#include "ExportStrategien.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "WettbewerbLoeschung.h"
#include "entities/Wettbewerb.h"

#include <QCoreApplication>

namespace {

struct Texte
{
    Q_DECLARE_TR_FUNCTIONS(WettbewerbLoeschen)
};

bool abgebrochen(QWidget *parent)
{
    MessageBoxes::current().information(parent, Texte::tr("Loeschung abgebrochen"),
                                        Texte::tr("Der Wettbewerb wird nicht geloescht."));
    return false;
}

} // namespace

bool loescheWettbewerbMitSicherung(QWidget *parent, DatabaseContext &ctx,
                                   const Wettbewerb &wettbewerb)
{
    MessageBoxes &boxen = MessageBoxes::current();
    const QString nummer = wettbewerb.hasNummer() ? wettbewerb.getNummer() : QString();
    const QString name = wettbewerb.hasName() ? wettbewerb.getName() : QString();
    if (!boxen.question(parent, Texte::tr("Wettbewerb wirklich loeschen?"),
                        Texte::tr("Moechten Sie den Wettbewerb mit der Nummer %1 und dem Namen %2 "
                                  "wirklich loeschen? \n\n Falls Sie mit Ja antworten, werden die "
                                  "Wettbewerbsdaten zunaechst automatisch exportiert. Danach "
                                  "werden sie unwiderbringlich geloescht! ")
                            .arg(nummer, name)))
        return abgebrochen(parent);

    // Without a complete backup nothing is deleted.
    const qlonglong id = wettbewerb.getId();
    if (!exportiereInDatei(
            parent, ctx, [id] { return ExportStrategien::wettbewerbAlleine(id); },
            {ExportFilter::zip()}))
        return abgebrochen(parent);

    if (!boxen.question(parent, Texte::tr("Bitte die exportierten Daten kontrollieren"),
                        Texte::tr("Eine Sicherheitskopie des zu loeschenden Wettbewerbs wurde "
                                  "exportiert.Sie koennen diese jetzt auf Vollstaendigkeit "
                                  "pruefen.  Sie sollte aus einer zip-Datei bestehen, die in einer "
                                  "csv-Datei die Wettbewerbsdaten, sowie saemtliche Bilder des "
                                  "Wettbewerbs enthaelt.\n\nMoechten Sie mit dem Loeschen "
                                  "fortfahren?")))
        return abgebrochen(parent);

    try {
        WettbewerbLoeschung::loesche(ctx, wettbewerb);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(ctx, parent, QStringLiteral("MainWindow"), fehler);
        return false;
    }
    boxen.information(parent, Texte::tr("Loeschung erfolgreiche abgeschlossen"),
                      Texte::tr("Der Wettbewerb wurde erfolgreich geloescht."));
    return true;
}
