#include "ExportCallStrategy.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "ExportFortschritt.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

void DataSetExportCallStrategy::exportiere(DatabaseContext &ctx, const QString &fileName)
{
    DataSet dataSet;
    collect(ctx, dataSet);
    if (fortschritt()) {
        qint64 zeilen = 0;
        qint64 bilder = 0;
        for (const QString &name : dataSet.entityNames()) {
            const auto &rows = dataSet.tuples(name);
            zeilen += qint64(rows.size());
            const EntityDescription *entity = ctx.dataModel().entity(name);
            if (entity)
                for (const AttributeDescription *attribute : entity->allAttributes())
                    if (attribute->dbType() == QLatin1String("longblob"))
                        bilder += qint64(rows.size());
        }
        fortschritt()->umfang(zeilen, bilder);
    }
    const std::optional<ExportBlock> options = block();
    CSVDataExporter exporter;
    exporter.setzeFortschritt(fortschritt());
    exporter.exportiere(ctx, fileName, dataSet, options ? &*options : nullptr,
                        QFileInfo(fileName).dir());
}

void CompositeExportCallStrategy::add(const QString &name, std::unique_ptr<ExportCallStrategy> strategy)
{
    strategy->setzeFortschritt(fortschritt());
    m_strategies.emplace_back(name, std::move(strategy));
}

void CompositeExportCallStrategy::setzeFortschritt(ExportFortschritt *fortschritt)
{
    ExportCallStrategy::setzeFortschritt(fortschritt);
    for (const auto &part : m_strategies)
        part.second->setzeFortschritt(fortschritt);
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
        {"FunktionstraegerExportCallStrategy", "Funktionstraeger", " Funktionstraeger.",
         {column("Verein", "verein.name"), column("Mitgliedsnummer", "mitglied.mitgliedsNummerKomplett"),
          column("Vorname", "mitglied.vorname"), column("Nachname", "mitglied.nachname"),
          column("Anrede", "mitglied.anrede"), column("Titel", "mitglied.titel"),
          column("Mail", "mitglied.email"), column("Strasse", "mitglied.strasse"),
          column("Staat", "mitglied.staat.kurzText"), column("Funktion", "funktionsCode.kurzText"),
          column("Funktion (Freitext)", "funktion")}},
        {"AdressdatenExportCallStrategy", "Mitglied", " Mitgliedern.",
         {column("Geburtsdatum", "datumGeburt"), column("Anrede", "anrede"), column("Titel", "titel"),
          column("Vorname", "vorname"), column("Nachname", "nachname"),
          column("Mitgliedsnummer", "mitgliedsNummerKomplett"), column("Mail", "email"),
          column("Strasse", "strasse"), column("PLZ", "plz"), column("Ort", "ort"),
          column("Staat", "staat.kurzText"), column("Beitrag Bezahlt Bis", "beitragBezahltBis"),
          column("Hoechster Titel", "hoechsterTitel.titel")}},
    };
    return kinds[art];
}

} // namespace

ListExportCallStrategy::ListExportCallStrategy(Art art, QList<qlonglong> ids)
    : m_art(art), m_ids([ids = std::move(ids)](DatabaseContext &) { return ids; })
{
}

ListExportCallStrategy::ListExportCallStrategy(Art art, Ids ids) : m_art(art), m_ids(std::move(ids)) {}

void ListExportCallStrategy::collect(DatabaseContext &ctx, DataSet &dataSet)
{
    const ListKind &kind = listKind(m_art);
    const QList<qlonglong> ids = m_ids(ctx);
    ctx.log(QStringLiteral("ImportExport"), QString::fromLatin1(kind.strategy), 6,
            QStringLiteral("Exportiere ") + QString::number(ids.size()) +
                QString::fromLatin1(kind.what));
    DataExporter::addStoredRows(ctx, dataSet, QString::fromLatin1(kind.entity), ids);
}

std::optional<ExportBlock> ListExportCallStrategy::block() const
{
    const ListKind &kind = listKind(m_art);
    return ExportBlock::listFile(QString::fromLatin1(kind.entity), kind.columns);
}
