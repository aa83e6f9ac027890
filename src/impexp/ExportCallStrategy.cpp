#include "ExportCallStrategy.h"

#include "DatabaseContext.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

void DataSetExportCallStrategy::exportiere(DatabaseContext &ctx, const QString &fileName)
{
    DataSet dataSet;
    collect(ctx, dataSet);
    const std::optional<ExportBlock> options = block();
    CSVDataExporter().exportiere(ctx, fileName, dataSet, options ? &*options : nullptr,
                                 QFileInfo(fileName).dir());
}

void CompositeExportCallStrategy::add(const QString &name, std::unique_ptr<ExportCallStrategy> strategy)
{
    m_strategies.emplace_back(name, std::move(strategy));
}

void CompositeExportCallStrategy::exportiere(DatabaseContext &ctx, const QString &directory)
{
    m_fileNames.clear();
    QSet<QString> taken;
    const QDir target(directory);
    for (const auto &[name, strategy] : m_strategies) {
        const QString fileName = CSVDataExporter::blobFileName(name + QStringLiteral(".csv"), taken);
        strategy->exportiere(ctx, target.filePath(fileName));
        m_fileNames.append(fileName);
    }
}

namespace {

DataExportColumn column(const char *header, const char *path)
{
    return DataExportColumn{QString::fromLatin1(path).split(QLatin1Char('.')),
                            QString::fromLatin1(header), nullptr};
}

} // namespace

ListExportCallStrategy::ListExportCallStrategy(QString location, QString entity, QString what,
                                               QList<qlonglong> ids, QList<DataExportColumn> columns)
    : m_location(std::move(location)), m_entity(std::move(entity)), m_what(std::move(what)),
      m_ids(std::move(ids)), m_columns(std::move(columns))
{
}

void ListExportCallStrategy::collect(DatabaseContext &ctx, DataSet &dataSet)
{
    ctx.log(QStringLiteral("ImportExport"), m_location, 6,
            QStringLiteral("Exportiere ") + QString::number(m_ids.size()) + m_what);
    DataExporter::addStoredRows(ctx, dataSet, m_entity, m_ids);
}

std::optional<ExportBlock> ListExportCallStrategy::block() const
{
    return ExportBlock::listFile(m_entity, m_columns);
}

TeilnehmerWertungExportCallStrategy::TeilnehmerWertungExportCallStrategy(QList<qlonglong> ids)
    : ListExportCallStrategy(
          QStringLiteral("TeilnehmerWertungExportCallStrategy"), QStringLiteral("TeilnehmerWertung"),
          QStringLiteral(" TeilnehmerWertungen."), std::move(ids),
          {column("Titel", "wettbewerbsTeilnahme.mitglied.titel"),
           column("Vorname", "wettbewerbsTeilnahme.mitglied.vorname"),
           column("Nachname", "wettbewerbsTeilnahme.mitglied.nachname"),
           column("Mitgliedsnummer", "wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett"),
           column("Verein", "verein.name"), column("Sparte", "sparte.name"),
           column("Punkte", "punkte")})
{
}

VereinsWertungExportCallStrategy::VereinsWertungExportCallStrategy(QList<qlonglong> ids)
    : ListExportCallStrategy(QStringLiteral("VereinsWertungExportCallStrategy"),
                             QStringLiteral("VereinsWertung"), QStringLiteral(" VereinsWertungen."),
                             std::move(ids),
                             {column("Vereinsnummer", "verein.vereinsNummerKomplett"),
                              column("Verein", "verein.name"), column("Sparte", "sparte.name"),
                              column("Punkte", "punkte")})
{
}

TeilnehmerKombinationsWertungExportCallStrategy::TeilnehmerKombinationsWertungExportCallStrategy(
    QList<qlonglong> ids)
    : ListExportCallStrategy(
          QStringLiteral("TeilnehmerKombinationsWertungExportCallStrategy"),
          QStringLiteral("TeilnehmerKombinationsWertung"),
          QStringLiteral(" TeilnehmerKombinationsWertungen."), std::move(ids),
          {column("Verein", "verein.name"),
           column("Mitgliedsnummer", "wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett"),
           column("Vorname", "wettbewerbsTeilnahme.mitglied.vorname"),
           column("Nachname", "wettbewerbsTeilnahme.mitglied.nachname"),
           column("Punkte", "punkte")})
{
}

VereinsKombinationsWertungExportCallStrategy::VereinsKombinationsWertungExportCallStrategy(
    QList<qlonglong> ids)
    : ListExportCallStrategy(QStringLiteral("VereinsKombinationsWertungExportCallStrategy"),
                             QStringLiteral("VereinsKombinationsWertung"),
                             QStringLiteral(" VereinsKombinationsWertungen."), std::move(ids),
                             {column("Vereinsnummer", "verein.vereinsNummerKomplett"),
                              column("Verein", "verein.name"), column("Punkte", "punkte")})
{
}

BildNummernExportCallStrategy::BildNummernExportCallStrategy(QList<qlonglong> ids)
    : ListExportCallStrategy(
          QStringLiteral("BildNummernExportCallStrategy"), QStringLiteral("Wertung"),
          QStringLiteral(" Bilder."), std::move(ids),
          {column("Reihenfolge", "positionImDurchgang"),
           column("Bildnummer im Wettbewerb", "bild.bildDaten.nummerProWettbewerb"),
           column("Titel", "bild.titel"),
           column("Vorname", "bild.wettbewerbsTeilnahme.mitglied.vorname"),
           column("Nachname", "bild.wettbewerbsTeilnahme.mitglied.nachname"),
           column("Mitgliedsnummer", "bild.wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett")})
{
}

StatistikDataExportCallStrategy::StatistikDataExportCallStrategy(QList<qlonglong> ids)
    : ListExportCallStrategy(QStringLiteral("StatistikDataExportCallStrategy"),
                             QStringLiteral("StatistikData"), QStringLiteral(" Statistikbaeume."),
                             std::move(ids),
                             {DataExportColumn{{QStringLiteral("id")}, QStringLiteral("Id"),
                                               std::make_shared<StatistikConverter>()}})
{
}
