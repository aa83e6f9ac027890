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

DataExportColumn column(const char *header, const char *path,
                        std::shared_ptr<ExportConverter> converter = nullptr)
{
    return DataExportColumn{QString::fromLatin1(path).split(QLatin1Char('.')),
                            QString::fromLatin1(header), std::move(converter)};
}

struct ListKind
{
    const char *strategy;
    const char *entity;
    const char *what;
    QList<DataExportColumn> columns;
};

const ListKind &listKind(ListExportCallStrategy::Art art)
{
    static const ListKind kinds[] = {
        {"TeilnehmerWertungExportCallStrategy", "TeilnehmerWertung", " TeilnehmerWertungen.",
         {column("Titel", "wettbewerbsTeilnahme.mitglied.titel"),
          column("Vorname", "wettbewerbsTeilnahme.mitglied.vorname"),
          column("Nachname", "wettbewerbsTeilnahme.mitglied.nachname"),
          column("Mitgliedsnummer", "wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett"),
          column("Verein", "verein.name"), column("Sparte", "sparte.name"),
          column("Punkte", "punkte")}},
        {"TeilnehmerKombinationsWertungExportCallStrategy", "TeilnehmerKombinationsWertung",
         " TeilnehmerKombinationsWertungen.",
         {column("Verein", "verein.name"),
          column("Mitgliedsnummer", "wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett"),
          column("Vorname", "wettbewerbsTeilnahme.mitglied.vorname"),
          column("Nachname", "wettbewerbsTeilnahme.mitglied.nachname"), column("Punkte", "punkte")}},
        {"VereinsWertungExportCallStrategy", "VereinsWertung", " VereinsWertungen.",
         {column("Vereinsnummer", "verein.vereinsNummerKomplett"), column("Verein", "verein.name"),
          column("Sparte", "sparte.name"), column("Punkte", "punkte")}},
        {"VereinsKombinationsWertungExportCallStrategy", "VereinsKombinationsWertung",
         " VereinsKombinationsWertungen.",
         {column("Vereinsnummer", "verein.vereinsNummerKomplett"), column("Verein", "verein.name"),
          column("Punkte", "punkte")}},
        {"BildNummernExportCallStrategy", "Wertung", " Bilder.",
         {column("Reihenfolge", "positionImDurchgang"),
          column("Bildnummer im Wettbewerb", "bild.bildDaten.nummerProWettbewerb"),
          column("Titel", "bild.titel"),
          column("Vorname", "bild.wettbewerbsTeilnahme.mitglied.vorname"),
          column("Nachname", "bild.wettbewerbsTeilnahme.mitglied.nachname"),
          column("Mitgliedsnummer", "bild.wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett")}},
        {"StatistikDataExportCallStrategy", "StatistikData", " Statistikbaeume.",
         {column("Id", "id", std::make_shared<StatistikConverter>())}},
    };
    return kinds[art];
}

} // namespace

ListExportCallStrategy::ListExportCallStrategy(Art art, QList<qlonglong> ids)
    : m_art(art), m_ids(std::move(ids))
{
}

void ListExportCallStrategy::collect(DatabaseContext &ctx, DataSet &dataSet)
{
    const ListKind &kind = listKind(m_art);
    ctx.log(QStringLiteral("ImportExport"), QString::fromLatin1(kind.strategy), 6,
            QStringLiteral("Exportiere ") + QString::number(m_ids.size()) +
                QString::fromLatin1(kind.what));
    DataExporter::addStoredRows(ctx, dataSet, QString::fromLatin1(kind.entity), m_ids);
}

std::optional<ExportBlock> ListExportCallStrategy::block() const
{
    const ListKind &kind = listKind(m_art);
    return ExportBlock::listFile(QString::fromLatin1(kind.entity), kind.columns);
}
