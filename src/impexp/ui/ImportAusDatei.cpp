#include "ImportAusDatei.h"

#include "DataImporter.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "ExportInDatei.h"
#include "FileDialogs.h"
#include "ImportException.h"
#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString kOrt = QStringLiteral("MainWindow");

struct Texte
{
    Q_DECLARE_TR_FUNCTIONS(ImportAusDatei)
};

} // namespace

namespace ImportAusDatei {

QString waehleDatei(QWidget *parent, DatabaseContext &ctx)
{
    const QString datei = FileDialogs::current().openFileName(
        parent, Texte::tr("Datei auswaehlen, aus der Daten importiert werden sollen"),
        ctx.exportDirectory().absolutePath(),
        Texte::tr("Ggf. komprimierte CSV-Dateien (*.zip *.csv)"));
    if (datei.isEmpty())
        return datei;
    ctx.setExportDirectory(QFileInfo(datei).absoluteDir());
    ctx.log(QStringLiteral("ImportExport"), kOrt, 7,
            QStringLiteral("Chose file ") + datei + QStringLiteral(" for import."));
    return datei;
}

bool pruefeMetaInformationen(QWidget *parent, DatabaseContext &ctx, const QString &csvDatei,
                             const std::function<void(const QString &)> &status)
{
    CSVDataImporter::MetaInformation meta;
    try {
        meta = CSVDataImporter::leseMetaInformationen(csvDatei);
    } catch (const ImportException &fehler) {
        showError(ctx, parent, kOrt, fehler.meldung.titel, fehler.meldungFuer(csvDatei));
        return false;
    }
    try {
        CSVDataImporter::pruefeDatenmodellVersion(ctx, meta);
        return true;
    } catch (const ImportException &fehler) {
        status(Texte::tr("Rueckfrage"));
        ctx.log(QStringLiteral("ImportExport"), kOrt, 7, fehler.meldung.text);
        return MessageBoxes::current().question(
            parent, fehler.meldung.titel,
            fehler.meldung.text +
                Texte::tr("\n\nKalvor kann versuchen, die Datei trotzdem zu importieren.  Da "
                          "Importdateien mit veraltetem Datenformat nicht unbegrenzt "
                          "unterstuetzt werden, koennte es dabei zu Fehlermeldungen kommen.  "
                          "Falls dies der Fall ist, wenden Sie sich bitte an den "
                          "Administrator. \n\nWollen Sie mit dem Import fortfahren?"));
    }
}

void zeigeErgebnis(QWidget *parent, const ImportResult &ergebnis, int sekunden)
{
    if (ergebnis.abgebrochen) {
        MessageBoxes::current().information(
            parent, Texte::tr("Import abgebrochen"),
            Texte::tr("Der Import wurde abgebrochen. Es wurden keine Daten geaendert."));
        return;
    }
    MessageBoxes::current().information(
        parent, Texte::tr("Import erfolgreich beendet"),
        Texte::tr("Die Daten wurden erfolgreich importiert: %1 Datensaetze gelesen, davon %2 neu "
                  "eingefuegt, %3 ueberschrieben und %4 uebergangen.\n\nDauer: %5")
            .arg(ergebnis.gelesen)
            .arg(ergebnis.eingefuegt)
            .arg(ergebnis.ueberschrieben)
            .arg(ergebnis.ignoriert)
            .arg(zeitspanne(sekunden)));
}

} // namespace ImportAusDatei
