#include "Exportdatei.h"

#include "AnwendungsFehler.h"
#include "ArchiveHelper.h"
#include "DataExporter.h"
#include "DatabaseContext.h"
#include "ExportCallStrategy.h"
#include "ExportFortschritt.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <optional>

namespace {

void log(DatabaseContext &ctx, const QString &message)
{
    ctx.log(QStringLiteral("Archive"), QStringLiteral("ArchiveHelper"), 5, message);
}

// The name of the CSV file in an archive: the archive's name up to its first ".", without
// umlauts.
QString csvName(const QString &archivName)
{
    return CSVDataExporter::replaceUmlauts(archivName.section(QLatin1Char('.'), 0, 0)) +
           QStringLiteral(".csv");
}

// The strategy writes into the temporary directory: a composite one file per part, any other
// strategy the one CSV file named after the archive.
void schreibeInVerzeichnis(DatabaseContext &ctx, ExportCallStrategy &strategy, const QDir &temp,
                           const QString &archivName)
{
    if (auto *composite = dynamic_cast<CompositeExportCallStrategy *>(&strategy)) {
        composite->exportiere(ctx, temp.absolutePath());
        return;
    }
    strategy.exportiere(ctx, temp.absoluteFilePath(csvName(archivName)));
}

// Hands the strategy a progress receiver for as long as it lives.
struct Angemeldet
{
    Angemeldet(ExportCallStrategy &strategy, ExportFortschritt *fortschritt) : strategy(strategy)
    {
        strategy.setzeFortschritt(fortschritt);
    }
    ~Angemeldet() { strategy.setzeFortschritt(nullptr); }
    ExportCallStrategy &strategy;
};

// Passes the progress of writing the files on and remembers the work announced, so that
// packing them can be announced as more of the same work.
class Zaehler : public ExportFortschritt
{
public:
    explicit Zaehler(ExportFortschritt &ziel) : m_ziel(ziel) {}
    bool zeile() override { return ++m_zeilen, m_ziel.zeile(); }
    bool bild(qint64 bytes) override { return ++m_bilder, m_ziel.bild(bytes); }
    void umfang(qint64 zeilen, qint64 bilder) override
    {
        m_umfangZeilen = zeilen;
        m_umfangBilder = bilder;
        m_ziel.umfang(zeilen, bilder);
    }
    // Each file of the directory is reported once more as it is packed.
    void kuendigePackenAn(const QDir &dir)
    {
        const qint64 dateien = dir.entryList(QDir::Files | QDir::Hidden | QDir::System).size();
        m_ziel.umfang(m_umfangZeilen >= 0 ? m_umfangZeilen : m_zeilen,
                      (m_umfangBilder >= 0 ? m_umfangBilder : m_bilder) + dateien);
    }

private:
    ExportFortschritt &m_ziel;
    qint64 m_zeilen = 0, m_bilder = 0, m_umfangZeilen = -1, m_umfangBilder = -1;
};

void schreibeArchiv(DatabaseContext &ctx, ExportCallStrategy &strategy, const QFileInfo &ziel,
                    ExportFortschritt *fortschritt)
{
    log(ctx, QStringLiteral("Exporting into zip file"));
    const QDir temp = ArchiveHelper::erstelleTempVerzeichnis(ctx, ziel.absoluteFilePath());
    try {
        log(ctx, QStringLiteral("Exporting csv data and images into temporary directory"));
        std::optional<Zaehler> zaehler;
        if (fortschritt)
            zaehler.emplace(*fortschritt);
        {
            const Angemeldet angemeldet(strategy, zaehler ? &*zaehler : nullptr);
            schreibeInVerzeichnis(ctx, strategy, temp, ziel.fileName());
        }
        if (zaehler)
            zaehler->kuendigePackenAn(temp);
        ArchiveHelper::schreibeArchiv(ctx, temp, ziel.absolutePath(), ziel.completeBaseName(), true,
                                      fortschritt);
    } catch (...) {
        if (temp.exists()) {
            try {
                ArchiveHelper::loescheTempVerzeichnis(ctx, temp);
            } catch (const AnwendungsFehler &) {
                // the failure of the export is the one to report
            }
        }
        throw;
    }
}

} // namespace

namespace Exportdatei {

double schreibe(DatabaseContext &ctx, ExportCallStrategy &strategy, const QString &ziel,
                ExportFortschritt *fortschritt)
{
    QElapsedTimer uhr;
    uhr.start();
    const QString kategorie = QStringLiteral("ImportExport");
    const QString ort = QStringLiteral("ExportHelper");
    ctx.log(kategorie, ort, 6, QStringLiteral("Exportiere in Datei"));
    const QFileInfo datei(ziel);
    if (ziel.endsWith(QLatin1String(".csv"))) {
        log(ctx, QStringLiteral("Exporting into csv file"));
        const Angemeldet angemeldet(strategy, fortschritt);
        strategy.exportiere(ctx, datei.absoluteFilePath());
    } else if (ziel.endsWith(QLatin1String(".zip"))) {
        schreibeArchiv(ctx, strategy, datei, fortschritt);
    } else {
        throw AnwendungsFehler(
            QStringLiteral("Archive"), QStringLiteral("ArchiveHelper"),
            QStringLiteral("Dateiformat nicht unterstuetzt"),
            QStringLiteral("Es kann nur in die Dateiformate csv und zip exportiert werden.  Bitte "
                           "waehlen Sie eine Datei aus, die entweder die Endung .csv oder die "
                           "Endung .zip hat."));
    }
    ctx.log(kategorie, ort, 6, QStringLiteral("Export beendet."));
    return double(uhr.elapsed()) / 1000.0;
}

} // namespace Exportdatei
