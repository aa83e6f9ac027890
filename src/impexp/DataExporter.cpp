#include "DataExporter.h"

#include "AnwendungsFehler.h"
#include "CodeManager.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "ExportFortschritt.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "entities/Persistent.h"

#include <mysql++/mysql++.h>

#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

#include <functional>

namespace {

const QString kKategorie = QStringLiteral("ImportExport");
const QString kSeparator = QStringLiteral(";");
const QString kDateTime = QStringLiteral("dd.MM.yyyy hh:mm:ss");

[[noreturn]] void fehler(const QString &ort, const QString &titel, const QString &text)
{
    throw AnwendungsFehler(kKategorie, ort, titel, text);
}

bool isBlob(const AttributeDescription &attribute)
{
    return attribute.dbType() == QLatin1String("longblob");
}

// Runs a reading statement and hands each row with its lengths to `row`; reported to the
// query log like the controllers' statements; a database failure becomes PersistenceException.
void readRows(DatabaseContext &ctx, const QString &entity, const SqlStatement &statement,
              const std::function<void(MYSQL_ROW, const unsigned long *)> &row)
{
    int count = 0;
    try {
        mysqlpp::Query query = ctx.connection().query();
        mysqlpp::UseQueryResult result =
            query.use(statement.text().data(), statement.text().size());
        while (const MYSQL_ROW raw = result.fetch_raw_row()) {
            row(raw, result.fetch_lengths());
            ++count;
        }
    } catch (const mysqlpp::Exception &failure) {
        ctx.logQuery(QStringLiteral("DataExporter"), 0, QStringLiteral("SELECT"),
                     QStringLiteral("Database error: ") + QString::fromUtf8(failure.what()),
                     statement.logCopy(), entity, true);
        throw PersistenceException::databaseError(QString::fromUtf8(failure.what()));
    }
    ctx.logStatement("DataExporter", count, "SELECT", QString(), statement, entity, true);
}

// The non-BLOB columns of stored rows of `entity` matching `condition` (SQL text, values
// already escaped), read with one statement; hands each row by attribute name to `row`.
void readStoredRows(DatabaseContext &ctx, const EntityDescription &entity,
                    const std::string &condition,
                    const std::function<void(QMap<QString, QVariant> &)> &row)
{
    std::vector<const ColumnInfo *> columns;
    SqlStatement statement;
    statement << "SELECT ";
    for (const ColumnInfo &column : entity.columns()) {
        if (isBlob(*column.attribute))
            continue;
        statement << (columns.empty() ? "" : ", ") << column.name;
        columns.push_back(&column);
    }
    statement << " FROM " << entity.dbName() << " WHERE " << condition << " ORDER BY id";
    readRows(ctx, entity.dbName(), statement, [&](MYSQL_ROW raw, const unsigned long *lengths) {
        QMap<QString, QVariant> values;
        for (size_t i = 0; i < columns.size(); ++i)
            if (raw[i])
                values.insert(
                    columns[i]->attribute->codeName(),
                    EntityController::fromColumnText(raw[i], lengths[i], columns[i]->metaType));
        row(values);
    });
}

// "id IN (...)" over the ids, each through the connection's escaping.
std::string idIn(const SqlWriter &sql, const QList<qlonglong> &ids)
{
    std::string text = "id IN (";
    for (int i = 0; i < ids.size(); ++i) {
        if (i)
            text += ", ";
        sql.appendLiteral(text, ids[i], QMetaType::LongLong);
    }
    return text + ")";
}

constexpr int kBatch = 500;

// The values of referenced rows that the key columns need. Before a column is converted the
// rows it reaches are read level by level, a batch of ids per statement; each row once.
class ReferenceReader
{
public:
    explicit ReferenceReader(DatabaseContext &ctx) : m_ctx(ctx), m_sql(ctx.connection()) {}

    // Reads the referenced rows that `path` reaches from the tuples.
    void prefetch(const std::vector<std::unique_ptr<DataTuple>> &tuples,
                  const EntityDescription &entity, const QStringList &path)
    {
        if (path.size() < 2)
            return;
        const AttributeDescription *attribute = entity.attribute(path[0]);
        if (!attribute || !attribute->referencedEntity())
            return;
        QList<qlonglong> ids;
        for (const auto &tuple : tuples) {
            const DataTuple::Datum *datum = tuple->datum(path[0]);
            if (datum && datum->kind == DataTuple::Datum::ForeignKey)
                ids.append(datum->foreignKey);
            else if (datum && datum->kind == DataTuple::Datum::Value && datum->value.isValid())
                ids.append(datum->value.toLongLong());
        }
        const EntityDescription *level = attribute->referencedEntity();
        for (int from = 1; level && !ids.isEmpty(); ++from) {
            read(*level, ids);
            if (from == path.size() - 1)
                return;
            const AttributeDescription *next = level->attribute(path[from]);
            if (!next || !next->referencedEntity())
                return;
            QList<qlonglong> nextIds;
            for (const qlonglong id : std::as_const(ids)) {
                const QVariant value = m_rows.value(key(*level, id)).value(path[from]);
                if (value.isValid())
                    nextIds.append(value.toLongLong());
            }
            ids = nextIds;
            level = next->referencedEntity();
        }
    }

    QVariant valueAlong(const DataTuple &tuple, const QStringList &path, int from)
    {
        const DataTuple::Datum *datum = tuple.datum(path[from]);
        if (!datum)
            return {};
        const bool last = from == path.size() - 1;
        if (datum->kind == DataTuple::Datum::Tuple)
            return last ? QVariant() : valueAlong(*datum->tuple, path, from + 1);
        if (last)
            return datum->kind == DataTuple::Datum::Value ? datum->value
                                                          : QVariant(datum->foreignKey);
        const qlonglong id = datum->kind == DataTuple::Datum::ForeignKey
                                 ? datum->foreignKey
                                 : datum->value.toLongLong();
        if (datum->kind == DataTuple::Datum::Value && !datum->value.isValid())
            return {};
        const EntityDescription *entity = m_ctx.dataModel().entity(tuple.entityName());
        const AttributeDescription *attribute = entity ? entity->attribute(path[from]) : nullptr;
        if (!attribute || !attribute->referencedEntity())
            return {};
        return storedAlong(*attribute->referencedEntity(), id, path, from + 1);
    }

private:
    static QString key(const EntityDescription &entity, qlonglong id)
    {
        return entity.codeName() + QLatin1Char('#') + QString::number(id);
    }

    // Reads the rows not yet known, a batch per statement; ids without a row are remembered
    // as empty rows.
    void read(const EntityDescription &entity, const QList<qlonglong> &ids)
    {
        QList<qlonglong> missing;
        QSet<qlonglong> seen;
        for (const qlonglong id : ids)
            if (!m_rows.contains(key(entity, id)) && !seen.contains(id)) {
                seen.insert(id);
                missing.append(id);
            }
        for (int start = 0; start < missing.size(); start += kBatch) {
            const QList<qlonglong> batch = missing.mid(start, kBatch);
            for (const qlonglong id : batch)
                m_rows.insert(key(entity, id), {});
            readStoredRows(m_ctx, entity, idIn(m_sql, batch), [&](QMap<QString, QVariant> &row) {
                m_rows.insert(key(entity, row.value(QStringLiteral("id")).toLongLong()), row);
            });
        }
    }

    QVariant storedAlong(const EntityDescription &entity, qlonglong id, const QStringList &path,
                         int from)
    {
        if (!m_rows.contains(key(entity, id)))
            read(entity, {id});
        const QVariant value = m_rows.value(key(entity, id)).value(path[from]);
        if (from == path.size() - 1 || !value.isValid())
            return value;
        const AttributeDescription *attribute = entity.attribute(path[from]);
        if (!attribute || !attribute->referencedEntity())
            return {};
        return storedAlong(*attribute->referencedEntity(), value.toLongLong(), path, from + 1);
    }

    DatabaseContext &m_ctx;
    SqlWriter m_sql;
    QHash<QString, QMap<QString, QVariant>> m_rows;
};

} // namespace

QString CSVDataExporter::replaceUmlauts(QString text)
{
    static const std::pair<QChar, const char *> umlauts[] = {
        {QChar(0xe4), "ae"}, {QChar(0xf6), "oe"}, {QChar(0xfc), "ue"}, {QChar(0xc4), "Ae"},
        {QChar(0xd6), "Oe"}, {QChar(0xdc), "Ue"}, {QChar(0xdf), "ss"}};
    for (const auto &umlaut : umlauts)
        text.replace(umlaut.first, QLatin1String(umlaut.second));
    return text;
}

namespace {

// Writes the BLOB cells of one column: each value into a file of its own beside the CSV.
// Files written are removed again unless the export completes (`keep`).
class BlobWriter
{
public:
    BlobWriter(DatabaseContext &ctx, const QDir &directory, ExportFortschritt *fortschritt)
        : m_ctx(ctx), m_directory(directory), m_fortschritt(fortschritt)
    {}
    ~BlobWriter()
    {
        if (!m_kept)
            for (const QString &path : std::as_const(m_written))
                QFile::remove(path);
    }
    void keep() { m_kept = true; }

    QString write(const EntityDescription &entity, const AttributeDescription &attribute,
                  const DataTuple &tuple)
    {
        const DataTuple::Datum *datum = tuple.datum(attribute.codeName());
        if (datum && datum->kind == DataTuple::Datum::Value && datum->value.isValid()) {
            const QByteArray bytes = datum->value.toByteArray();
            return reported(
                store(wantedName(entity, attribute, tuple), bytes.constData(), bytes.size()),
                bytes.size());
        }
        if (!tuple.hasDatabaseId())
            return {};
        QString name;
        qint64 size = 0;
        SqlStatement statement;
        statement << "SELECT " << attribute.dbName() << " FROM " << entity.dbName()
                  << " WHERE id = "
                  << SqlWriter(m_ctx.connection()).literal(tuple.databaseId(), QMetaType::LongLong);
        readRows(m_ctx, entity.dbName(), statement,
                 [&](MYSQL_ROW raw, const unsigned long *lengths) {
                     if (!raw[0])
                         return;
                     size = qint64(lengths[0]);
                     name = store(wantedName(entity, attribute, tuple), raw[0], size);
                 });
        return name.isEmpty() ? name : reported(name, size);
    }

private:
    static QString text(const DataTuple &tuple, const QString &attribute)
    {
        const DataTuple::Datum *datum = tuple.datum(attribute);
        return datum && datum->kind == DataTuple::Datum::Value ? datum->value.toString()
                                                               : QString();
    }

    static QString wantedName(const EntityDescription &entity,
                              const AttributeDescription &attribute, const DataTuple &tuple)
    {
        if (entity.codeName() == QLatin1String("BildDaten")) {
            const QString nummer = text(tuple, QStringLiteral("nummer"));
            const QString dateiname = text(tuple, QStringLiteral("dateiname"));
            if (nummer.isEmpty() || dateiname.isEmpty())
                return QStringLiteral("InternalError");
            return CSVDataExporter::replaceUmlauts(nummer + QLatin1Char('_') + dateiname);
        }
        return CSVDataExporter::replaceUmlauts(entity.codeName() + QLatin1Char('_') +
                                               QString::number(tuple.databaseId()) +
                                               QLatin1Char('_') + attribute.codeName());
    }

    QString store(const QString &wanted, const char *data, qint64 size)
    {
        const QString name = CSVDataExporter::blobFileName(wanted, m_taken);
        const QString path = m_directory.filePath(name);
        m_ctx.log(kKategorie, QStringLiteral("CSVDataExporter"), 1,
                  QStringLiteral("Writing BLOB to file ") + path);
        QFile file(path);
        const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        if (opened)
            m_written.append(path);
        if (!opened || file.write(data, size) != size)
            fehler(QStringLiteral("DataExporter"), QStringLiteral("Kann Datei nicht oeffnen"),
                   QStringLiteral("Die Datei %1 kann leider nicht geoeffnet bzw. angelegt werden.")
                       .arg(path));
        return name;
    }

    // Tells the progress receiver of a file written (after the statement that read it ended).
    QString reported(const QString &name, qint64 size)
    {
        if (m_fortschritt && !m_fortschritt->bild(size))
            throw ExportAbgebrochen();
        return name;
    }

    DatabaseContext &m_ctx;
    QDir m_directory;
    ExportFortschritt *m_fortschritt;
    QSet<QString> m_taken;
    QStringList m_written;
    bool m_kept = false;
};

// Reads the one row of the data model information.
void readMetaInformation(DatabaseContext &ctx, DataSet &dataSet)
{
    const QString titel = QStringLiteral("Datenmodell-Information fehlerhaft");
    int rows = 0;
    SqlStatement statement;
    statement << "SELECT version, generatorVersion FROM DataModelInfo";
    readRows(ctx, QStringLiteral("DataModelInfo"), statement,
             [&](MYSQL_ROW raw, const unsigned long *lengths) {
                 ++rows;
                 dataSet.version = raw[0] ? QString::fromUtf8(raw[0], int(lengths[0])) : QString();
                 dataSet.generatorVersion =
                     raw[1] ? QString::fromUtf8(raw[1], int(lengths[1])) : QString();
             });
    const QString ort = QStringLiteral("DataExporter");
    if (rows != 1)
        fehler(ort, titel,
               QStringLiteral("Die Datenmodell-Informationen (Version etc.) konnten nicht sauber "
                              "geladen werden. \n\nBitte kontaktieren Sie den Administrator."));
    if (dataSet.version.isEmpty())
        fehler(ort, titel,
               QStringLiteral("Die Datenmodellversion fehlt auf der Datenbank. Bitte kontaktieren "
                              "Sie den Administrator."));
    if (dataSet.generatorVersion.isEmpty())
        fehler(
            ort, titel,
            QStringLiteral("Die Generatorversion fehlt auf der Datenbank. Bitte kontaktieren Sie "
                           "den Administrator."));
    dataSet.writtenAt = ctx.now();
}

} // namespace

const char *ExportAbgebrochen::what() const noexcept
{
    return "Export abgebrochen";
}

QStringList ConstantValueFillConverter::convert(DatabaseContext &, const QList<QVariant> &values)
{
    QStringList cells;
    for (int i = 0; i < values.size(); ++i)
        cells.append(m_constant);
    return cells;
}

QStringList RangConverter::convert(DatabaseContext &ctx, const QList<QVariant> &values)
{
    const QString ort = QStringLiteral("RangConverter");
    ctx.log(kKategorie, ort, 4, QStringLiteral("RangWertungConverter gestartet."));
    QSet<qlonglong> seen;
    QStringList cells;
    for (const QVariant &value : values) {
        const qlonglong id = value.toLongLong();
        if (!value.isValid() || seen.contains(id)) {
            cells.append(QString());
            continue;
        }
        seen.insert(id);
        cells.append(QString::number(seen.size()));
    }
    ctx.log(kKategorie, ort, 4, QStringLiteral("RangWertungConverter fertig."));
    return cells;
}

ConvertedColumns ExportConverter::convertBlock(DatabaseContext &ctx, const QList<QVariant> &values)
{
    ConvertedColumns block;
    for (const QString &cell : convert(ctx, values))
        block.rows.append({{0, cell}});
    return block;
}

QStringList ExportBlockConverter::convert(DatabaseContext &ctx, const QList<QVariant> &values)
{
    QStringList cells;
    for (const QMap<int, QString> &row : convertBlock(ctx, values).rows)
        cells.append(row.value(0));
    return cells;
}

ConvertedColumns StatistikConverter::convertBlock(DatabaseContext &ctx,
                                                  const QList<QVariant> &values)
{
    const QString ort = QStringLiteral("StatistikConverter");
    ctx.log(kKategorie, ort, 6, QStringLiteral("StatistikConverter gestartet."));
    const SqlWriter sql(ctx.connection());
    const QString table = QStringLiteral("StatistikData");
    ConvertedColumns block;
    block.title = QStringLiteral("Statistik");
    // The nodes whose `column` holds `id`: id and text (a null QString when unset).
    const auto nodes = [&](const char *column, qlonglong id) {
        QList<std::pair<qlonglong, QString>> found;
        SqlStatement statement;
        statement << "SELECT id, text FROM StatistikData WHERE " << column << " = "
                  << sql.literal(id, QMetaType::LongLong) << " ORDER BY id";
        readRows(ctx, table, statement, [&](MYSQL_ROW raw, const unsigned long *lengths) {
            found.append({QByteArray(raw[0], int(lengths[0])).toLongLong(),
                          raw[1] ? QString::fromUtf8(raw[1], int(lengths[1])) : QString()});
        });
        return found;
    };
    const std::function<void(const std::pair<qlonglong, QString> &, int)> walk =
        [&](const std::pair<qlonglong, QString> &node, int depth) {
            while (block.headers.size() <= depth)
                block.headers.append(QString::number(block.headers.size()));
            block.rows.append(
                {{depth, node.second.isNull() ? QStringLiteral("(keine Daten") : node.second}});
            for (const auto &child : nodes("parent", node.first))
                walk(child, depth + 1);
        };
    for (const QVariant &value : values) {
        bool number = false;
        const qlonglong id = value.toString().toLongLong(&number);
        if (!number)
            continue;
        for (const auto &node : nodes("id", id))
            walk(node, 0);
    }
    ctx.log(kKategorie, ort, 6, QStringLiteral("StatistikConverter fertig."));
    return block;
}

ConvertedColumns EinzelWertungenConverter::convertBlock(DatabaseContext &ctx,
                                                        const QList<QVariant> &values)
{
    const QString ort = QStringLiteral("EinzelWertungenConverter");
    ctx.log(kKategorie, ort, 4, QStringLiteral("EinzelWertungenConverter gestartet."));
    const CodeManager &codes = ctx.codeManager();
    const QString art = QStringLiteral("DurchgangsArt");
    const auto kindOf = [&](qlonglong code) {
        if (codes.isCodeValue(code, art, QStringLiteral("ERSTER_DURCHGANG")))
            return 0;
        for (const char *second : {"ZWEITER_DURCHGANG_SCHLECHTE", "ZWEITER_DURCHGANG_MITTLERE",
                                   "ZWEITER_DURCHGANG_BESTE"})
            if (codes.isCodeValue(code, art, QString::fromLatin1(second)))
                return 1;
        return -1;
    };
    // Per round kind: the jurors in id order with their headers; per (picture, kind) the
    // points and the single scores by juror.
    struct Kind
    {
        QMap<qlonglong, QString> jurors;
        QHash<qlonglong, QString> sums;
        QHash<qlonglong, QHash<qlonglong, QString>> scores;
    } kinds[2];
    const SqlWriter sql(ctx.connection());
    SqlStatement statement;
    statement << "SELECT w.bild, d.art, w.bewertung, e.juror, e.bewertung, "
                 "COALESCE(m.vorname, x.vorname), COALESCE(m.nachname, x.nachname) "
                 "FROM Wertung w JOIN Durchgang d ON w.durchgang = d.id "
                 "LEFT JOIN EinzelWertung e ON e.wertung = w.id "
                 "LEFT JOIN JuriertBei j ON e.juror = j.id "
                 "LEFT JOIN Mitglied m ON j.mitglied = m.id "
                 "LEFT JOIN ExternerJuror x ON j.externerJuror = x.id WHERE w.bild IN (";
    bool any = false;
    for (const QVariant &value : values) {
        bool number = false;
        const qlonglong id = value.toString().toLongLong(&number);
        if (!number)
            continue;
        statement << (any ? ", " : "") << sql.literal(id, QMetaType::LongLong);
        any = true;
    }
    statement << ")";
    const auto text = [](MYSQL_ROW raw, const unsigned long *lengths, int i) {
        return raw[i] ? QString::fromUtf8(raw[i], int(lengths[i])) : QString();
    };
    if (any)
        readRows(ctx, QStringLiteral("Wertung"), statement,
                 [&](MYSQL_ROW raw, const unsigned long *lengths) {
                     const int kind = raw[1] ? kindOf(text(raw, lengths, 1).toLongLong()) : -1;
                     if (kind < 0)
                         return;
                     Kind &k = kinds[kind];
                     const qlonglong bild = text(raw, lengths, 0).toLongLong();
                     if (raw[2])
                         k.sums.insert(bild, text(raw, lengths, 2));
                     if (!raw[3])
                         return;
                     const qlonglong juror = text(raw, lengths, 3).toLongLong();
                     const QString vorname = text(raw, lengths, 5);
                     const QString nachname = text(raw, lengths, 6);
                     k.jurors.insert(
                         juror,
                         (vorname.isEmpty() ? QStringLiteral("(kein Vorname)") : vorname) +
                             QLatin1Char(' ') +
                             (nachname.isEmpty() ? QStringLiteral("(kein Nachname)") : nachname));
                     if (raw[4])
                         k.scores[bild].insert(juror, text(raw, lengths, 4));
                 });
    ConvertedColumns block;
    block.title = QStringLiteral("Einzelwertungen der Juroren in den Durchgaengen");
    const QString unset = QStringLiteral("-");
    for (const Kind &k : kinds)
        block.headers += k.jurors.values() + QStringList{QStringLiteral("Summe")};
    for (const QVariant &value : values) {
        const qlonglong bild = value.toString().toLongLong();
        QMap<int, QString> row;
        for (const Kind &k : kinds) {
            const QHash<qlonglong, QString> scores = k.scores.value(bild);
            for (auto juror = k.jurors.cbegin(); juror != k.jurors.cend(); ++juror)
                row.insert(row.size(), scores.value(juror.key(), unset));
            row.insert(row.size(), k.sums.value(bild, unset));
        }
        block.rows.append(row);
    }
    ctx.log(kKategorie, ort, 4, QStringLiteral("EinzelWertungenConverter fertig."));
    return block;
}

QStringList SummenWertungConverter::convert(DatabaseContext &ctx, const QList<QVariant> &values)
{
    const QString ort = QStringLiteral("SummenWertungConverter");
    ctx.log(kKategorie, ort, 4, QStringLiteral("SummenWertungConverter gestartet."));
    const SqlWriter sql(ctx.connection());
    QHash<qlonglong, QString> punkte;
    SqlStatement statement;
    statement << "SELECT t.mitglied, SUM(w.punkte) FROM TeilnehmerWertung w JOIN "
                 "WettbewerbsTeilnahme t ON w.wettbewerbsTeilnahme = t.id WHERE w.wettbewerb = "
              << sql.literal(m_wettbewerb, QMetaType::LongLong);
    if (m_sparte)
        statement << " AND w.sparte = " << sql.literal(m_sparte, QMetaType::LongLong);
    statement << " GROUP BY t.mitglied";
    readRows(ctx, QStringLiteral("TeilnehmerWertung"), statement,
             [&](MYSQL_ROW raw, const unsigned long *lengths) {
                 if (raw[0] && raw[1])
                     punkte.insert(QByteArray(raw[0], int(lengths[0])).toLongLong(),
                                   QString::fromUtf8(raw[1], int(lengths[1])));
             });
    QSet<qlonglong> seen;
    QStringList cells;
    for (const QVariant &value : values) {
        const qlonglong id = value.toLongLong();
        const bool first = value.isValid() && !seen.contains(id);
        seen.insert(id);
        cells.append(first ? punkte.value(id) : QString());
    }
    ctx.log(kKategorie, ort, 4, QStringLiteral("SummenWertungConverter fertig."));
    return cells;
}

ExportBlock ExportBlock::listFile(const QString &entity, const QList<DataExportColumn> &columns)
{
    ExportBlock block;
    block.lineSpecifiers = false;
    block.entityNames = false;
    block.metaInformation = false;
    block.columns.insert(entity, columns);
    return block;
}

void DataExporter::exportiere(DatabaseContext &ctx, const QString &fileName, DataSet &dataSet,
                              const ExportBlock *options, const QDir &blobDirectory)
{
    const QString ort = QStringLiteral("DataExporter");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        fehler(ort, QStringLiteral("Kann Datei nicht oeffnen"),
               QStringLiteral("Die Datei %1 kann leider nicht geoeffnet bzw. angelegt werden.")
                   .arg(fileName));
    ctx.log(kKategorie, ort, 7, QStringLiteral("Starting to export data"));
    for (const QString &name : dataSet.entityNames()) {
        if (dataSet.schema(name))
            continue;
        const EntityDescription *entity = ctx.dataModel().entity(name);
        if (!entity)
            fehler(ort, QStringLiteral("Interner Fehler"),
                   QStringLiteral("Erwartete Spalte nicht vorhanden: %1").arg(name));
        dataSet.setSchema(name, ImpExpSchema::construct(ctx, *entity));
    }
    const ExportBlock defaults;
    const ExportBlock &block = options ? *options : defaults;
    if (block.metaInformation)
        readMetaInformation(ctx, dataSet);
    write(ctx, file, dataSet, block, blobDirectory);
    if (!file.commit())
        fehler(ort, QStringLiteral("Kann Datei nicht oeffnen"),
               QStringLiteral("Die Datei %1 kann leider nicht geoeffnet bzw. angelegt werden.")
                   .arg(fileName));
    ctx.log(kKategorie, ort, 7, QStringLiteral("Finished exporting data"));
}

DataTuple &DataExporter::addInstance(DatabaseContext &ctx, DataSet &dataSet,
                                     const Persistent &object)
{
    const QString name = object.getEntityName();
    const EntityDescription *entity = ctx.dataModel().entity(name);
    const int idRow = object.classInfo().rowOf(QStringLiteral("id"));
    const bool hasId = idRow >= 0 && object.isSetAt(idRow);
    ctx.log(kKategorie, QStringLiteral("DataExporter"), 1,
            QStringLiteral("Adding instance of entity ") + name + QStringLiteral(" with id ") +
                (hasId ? QString::number(object.rawValueAt(idRow).toLongLong())
                       : QStringLiteral("(none)")) +
                QStringLiteral(" to DataSet"));
    DataTuple &tuple = dataSet.addTuple(name);
    if (hasId)
        tuple.setDatabaseId(object.rawValueAt(idRow).toLongLong());
    if (!entity)
        return tuple;
    for (const AttributeDescription *attribute : entity->allAttributes()) {
        const int row = object.classInfo().rowOf(attribute->codeName());
        if (row < 0 || !object.isSetAt(row))
            continue;
        if (attribute->isForeignKey())
            tuple.setForeignKey(attribute->codeName(), object.rawValueAt(row).toLongLong());
        else
            tuple.setValue(attribute->codeName(), object.rawValueAt(row));
    }
    return tuple;
}

namespace {

void addRow(DataSet &dataSet, const EntityDescription &entity, const QMap<QString, QVariant> &row)
{
    DataTuple &tuple = dataSet.addTuple(entity.codeName());
    tuple.setDatabaseId(row.value(QStringLiteral("id")).toLongLong());
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        const AttributeDescription *attribute = entity.attribute(it.key());
        if (attribute && attribute->isForeignKey())
            tuple.setForeignKey(it.key(), it.value().toLongLong());
        else
            tuple.setValue(it.key(), it.value());
    }
}

const EntityDescription &knownEntity(DatabaseContext &ctx, const QString &name)
{
    const EntityDescription *entity = ctx.dataModel().entity(name);
    if (!entity)
        fehler(QStringLiteral("DataExporter"), QStringLiteral("Interner Fehler"),
               QStringLiteral("Erwartete Spalte nicht vorhanden: %1").arg(name));
    return *entity;
}

} // namespace

void DataExporter::addStoredRows(DatabaseContext &ctx, DataSet &dataSet, const QString &name,
                                 const QList<qlonglong> &ids)
{
    const EntityDescription &entity = knownEntity(ctx, name);
    const SqlWriter sql(ctx.connection());
    QHash<qlonglong, QMap<QString, QVariant>> rows;
    for (int start = 0; start < ids.size(); start += kBatch)
        readStoredRows(ctx, entity, idIn(sql, ids.mid(start, kBatch)),
                       [&](QMap<QString, QVariant> &row) {
                           rows.insert(row.value(QStringLiteral("id")).toLongLong(), row);
                       });
    for (const qlonglong id : ids) {
        const auto found = rows.constFind(id);
        if (found != rows.cend())
            addRow(dataSet, entity, *found);
    }
}

QList<qlonglong> DataExporter::storedIds(DatabaseContext &ctx, const QString &name,
                                         const QString &condition, const QString &column,
                                         const QString &order)
{
    const EntityDescription &entity = knownEntity(ctx, name);
    QList<qlonglong> ids;
    SqlStatement statement;
    statement << "SELECT " << column << " FROM " << entity.dbName() << " WHERE " << condition
              << " ORDER BY " << order;
    readRows(ctx, entity.dbName(), statement, [&](MYSQL_ROW raw, const unsigned long *lengths) {
        if (raw[0])
            ids.append(QByteArray(raw[0], int(lengths[0])).toLongLong());
    });
    return ids;
}

int DataExporter::addStoredRowsWhere(DatabaseContext &ctx, DataSet &dataSet, const QString &name,
                                     const std::string &condition)
{
    const EntityDescription &entity = knownEntity(ctx, name);
    int count = 0;
    readStoredRows(ctx, entity, condition, [&](QMap<QString, QVariant> &row) {
        addRow(dataSet, entity, row);
        ++count;
    });
    return count;
}

QString CSVDataExporter::encodeToken(const QString &text)
{
    QString token = text;
    token.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    token.remove(QLatin1Char('\n'));
    if (token.contains(kSeparator))
        token = QLatin1Char('"') + token + QLatin1Char('"');
    return token;
}

QString CSVDataExporter::cellText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("d.M.yyyy"));
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? value.toDateTime().toString(kDateTime) : QString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return value.toString();
    }
}

QString CSVDataExporter::blobFileName(const QString &wanted, QSet<QString> &taken)
{
    QStringList parts = wanted.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    for (QString &part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            part.fill(QLatin1Char('_'));
        for (QChar &c : part)
            if (c.unicode() < 0x20 || c == QLatin1Char(':'))
                c = QLatin1Char('_');
    }
    QString name = parts.join(QLatin1Char('_'));
    if (name.isEmpty())
        name = QStringLiteral("_");
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    QString candidate = name;
    for (int n = 2; taken.contains(candidate.toLower()); ++n)
        candidate = stem + QLatin1Char('_') + QString::number(n) + suffix;
    taken.insert(candidate.toLower());
    return candidate;
}

void CSVDataExporter::write(DatabaseContext &ctx, QIODevice &file, DataSet &dataSet,
                            const ExportBlock &options, const QDir &blobDirectory)
{
    const QString ort = QStringLiteral("CSVDataExporter");
    int lineNumber = 0;
    const bool logLines = ctx.logs(kKategorie, ort, 1);
    auto writeLine = [&](const QMap<int, QString> &cells) {
        const int count = cells.isEmpty() ? 0 : cells.lastKey() + 1;
        ++lineNumber;
        if (logLines)
            ctx.log(kKategorie, ort, 1,
                    QStringLiteral("Writing line ") + QString::number(lineNumber) +
                        QStringLiteral(" containing ") + QString::number(count) +
                        QStringLiteral(" tokens"));
        QStringList tokens;
        for (int i = 0; i < count; ++i)
            tokens.append(encodeToken(cells.value(i)));
        file.write((tokens.join(kSeparator) + QLatin1Char('\n')).toUtf8());
        if (m_fortschritt && !m_fortschritt->zeile())
            throw ExportAbgebrochen();
    };
    file.write("\xEF\xBB\xBF");
    if (options.metaInformation) {
        ctx.log(kKategorie, ort, 6, QStringLiteral("Writing meta information"));
        ctx.log(kKategorie, ort, 6, QStringLiteral("Data model version: ") + dataSet.version);
        ctx.log(kKategorie, ort, 6,
                QStringLiteral("Generator version: ") + dataSet.generatorVersion);
        ctx.log(kKategorie, ort, 6,
                QStringLiteral("Time stamp:") + dataSet.writtenAt.toString(kDateTime));
        const std::pair<QString, QString> meta[] = {
            {DataSet::kDatenmodellVersion, dataSet.version},
            {DataSet::kGeneratorVersion, dataSet.generatorVersion},
            {DataSet::kGeschriebenAm, dataSet.writtenAt.toString(kDateTime)}};
        for (const auto &line : meta) {
            QMap<int, QString> cells;
            if (options.lineSpecifiers)
                cells.insert(0, line.first);
            cells.insert(cells.size(), line.second);
            writeLine(cells);
        }
    }
    ReferenceReader references(ctx);
    BlobWriter blobs(ctx, blobDirectory, m_fortschritt);
    for (const QString &name : dataSet.entityNames()) {
        const auto &rows = dataSet.tuples(name);
        if (rows.empty())
            continue;
        ctx.log(kKategorie, ort, 6, QStringLiteral("Writing data for entity ") + name);
        const ImpExpSchema &schema = *dataSet.schema(name);
        const EntityDescription &entity = schema.entity();
        QList<DataExportColumn> columns = options.columns.value(name);
        if (!options.columns.contains(name))
            for (const QStringList &path : schema.allPaths())
                columns.append(DataExportColumn{path, QString(), nullptr});
        QList<DataExportColumn> prefix;
        if (options.lineSpecifiers)
            prefix.append({{},
                           DataSet::kSchema,
                           std::make_shared<ConstantValueFillConverter>(DataSet::kDaten)});
        if (options.entityNames)
            prefix.append({{}, name, std::make_shared<ConstantValueFillConverter>(name)});
        columns = prefix + columns;

        // Lines of this block: the schema line (when wanted) and one per row; a block-shaped
        // column may add lines and takes as many columns as it has.
        const int first = options.schemaLine ? 1 : 0;
        std::vector<QMap<int, QString>> grid(size_t(first) + rows.size());
        ctx.log(kKategorie, ort, 4,
                QStringLiteral("Starting to convert columns for entity ") + name);
        int c = 0;
        for (const DataExportColumn &column : columns) {
            const AttributeDescription *attribute =
                column.path.isEmpty() ? nullptr : entity.attribute(column.path.first());
            if (!column.path.isEmpty() && !attribute)
                fehler(ort, QStringLiteral("Interner Fehler"),
                       QStringLiteral("Erwartete Spalte nicht vorhanden: %1")
                           .arg(column.path.join(QLatin1Char('.'))));
            ConvertedColumns converted;
            if (attribute && isBlob(*attribute) && column.path.size() == 1) {
                for (const auto &tuple : rows)
                    converted.rows.append({{0, blobs.write(entity, *attribute, *tuple)}});
            } else {
                references.prefetch(rows, entity, column.path);
                QList<QVariant> values;
                for (const auto &tuple : rows)
                    values.append(column.path.isEmpty()
                                      ? QVariant()
                                      : references.valueAlong(*tuple, column.path, 0));
                if (column.converter)
                    converted = column.converter->convertBlock(ctx, values);
                else
                    for (const QVariant &value : values)
                        converted.rows.append({{0, cellText(value)}});
            }
            if (options.schemaLine) {
                if (converted.headers.isEmpty())
                    grid[0].insert(c, column.headerText());
                for (int k = 0; k < converted.headers.size(); ++k)
                    grid[0].insert(c + k, converted.headers[k]);
            }
            if (grid.size() < size_t(first + converted.rows.size()))
                grid.resize(size_t(first + converted.rows.size()));
            for (int r = 0; r < converted.rows.size(); ++r)
                for (auto cell = converted.rows[r].cbegin(); cell != converted.rows[r].cend();
                     ++cell)
                    grid[size_t(first + r)].insert(c + cell.key(), cell.value());
            c += converted.width();
        }
        ctx.log(kKategorie, ort, 4,
                QStringLiteral("Finished column conversions for entity ") + name);
        for (const auto &line : grid)
            writeLine(line);
    }
    blobs.keep();
}
