#include "ExportInDatei.h"

#include "AnwendungsFehler.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "ExportCallStrategy.h"
#include "ExportFortschrittsDialog.h"
#include "Exportdatei.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString kOrt = QStringLiteral("ArchiveHelper");

struct Texte
{
    Q_DECLARE_TR_FUNCTIONS(ExportInDatei)
};

QString schluss()
{
    return Texte::tr("\n\nDaher konnten die Daten NICHT exportiert werden.Bitte beheben Sie den "
                     "Fehler und versuchen Sie es nochmals.");
}

void zeigeFehler(DatabaseContext &ctx, QWidget *parent, const QString &datei,
                 const QString &titel, const QString &text)
{
    showError(ctx, parent, kOrt, titel,
              Texte::tr("Fehler beim Exportieren in die Datei %1: \n\n").arg(datei) + text +
                  schluss());
}

} // namespace

namespace ExportFilter {

QString zip()
{
    return Texte::tr("ZIP-Archive *.zip");
}

QString csv()
{
    return Texte::tr("CSV-Dateien *.csv");
}

} // namespace ExportFilter

namespace {

// The chosen file; empty when the user cancelled.
QString waehleDatei(QWidget *parent, DatabaseContext &ctx, const QStringList &filter)
{
    const QString datei = FileDialogs::current().saveFileName(
        parent, Texte::tr("Dateiname fuer Export waehlen"), ctx.exportDirectory().absolutePath(),
        filter.join(QStringLiteral(";;")));
    if (datei.isEmpty())
        return datei;
    ctx.setExportDirectory(QFileInfo(datei).absoluteDir());
    ctx.log(QStringLiteral("Archive"), kOrt, 7,
            QStringLiteral("Chose file ") + datei + QStringLiteral(" for export."));
    return datei;
}

std::optional<double> schreibe(QWidget *parent, DatabaseContext &ctx,
                               ExportCallStrategy &strategie, const QString &datei)
{
    ExportFortschrittsDialog fortschritt(parent);
    try {
        return Exportdatei::schreibe(ctx, strategie, datei, &fortschritt);
    } catch (const ExportAbgebrochen &) {
        ctx.log(QStringLiteral("Archive"), kOrt, 7,
                QStringLiteral("Export into ") + datei + QStringLiteral(" cancelled by the user."));
        fortschritt.hide();
        MessageBoxes::current().information(parent, Texte::tr("Export abgebrochen"),
                                            Texte::tr("Der Export wurde abgebrochen."));
    } catch (const AnwendungsFehler &fehler) {
        fortschritt.hide();
        zeigeFehler(ctx, parent, datei, fehler.meldung.titel, fehler.meldung.text);
    } catch (const PersistenceException &fehler) {
        fortschritt.hide();
        zeigeFehler(ctx, parent, datei, fehler.shortText(), fehler.longText());
    }
    return std::nullopt;
}

} // namespace

std::optional<double> exportiereInDatei(QWidget *parent, DatabaseContext &ctx,
                                        ExportCallStrategy &strategie, const QStringList &filter)
{
    const QString datei = waehleDatei(parent, ctx, filter);
    if (datei.isEmpty())
        return std::nullopt;
    return schreibe(parent, ctx, strategie, datei);
}

std::optional<double> exportiereInDatei(QWidget *parent, DatabaseContext &ctx,
                                        const ExportStrategieFabrik &fabrik,
                                        const QStringList &filter)
{
    const QString datei = waehleDatei(parent, ctx, filter);
    if (datei.isEmpty())
        return std::nullopt;
    std::unique_ptr<ExportCallStrategy> strategie;
    try {
        strategie = fabrik();
    } catch (const AnwendungsFehler &fehler) {
        showError(ctx, parent, kOrt, fehler.meldung.titel,
                  Texte::tr("Fehler beim Export: \n\n") + fehler.meldung.text + schluss());
        return std::nullopt;
    } catch (const PersistenceException &fehler) {
        showError(ctx, parent, kOrt, fehler.shortText(),
                  Texte::tr("Fehler beim Export: \n\n") + fehler.longText() + schluss());
        return std::nullopt;
    }
    return schreibe(parent, ctx, *strategie, datei);
}

void zeigeExportErfolg(QWidget *parent)
{
    MessageBoxes::current().information(parent, Texte::tr("Export erfolgreich beendet"),
                                        Texte::tr("Der Export wurde erfolgreich beendet."));
}

QString zeitspanne(int sekunden)
{
    const int stunden = sekunden / 3600;
    const int minuten = (sekunden % 3600) / 60;
    const int rest = sekunden % 60;
    if (stunden > 0)
        return Texte::tr("%1 Stunden, %2 Minuten, %3 Sekunden").arg(stunden).arg(minuten).arg(rest);
    if (minuten > 0)
        return Texte::tr("%1 Minuten, %2 Sekunden").arg(minuten).arg(rest);
    return Texte::tr("%1 Sekunden").arg(rest);
}
