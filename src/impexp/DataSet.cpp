#include "DataSet.h"

#include "DatabaseContext.h"

#include <set>

const QString DataSet::kDatenmodellVersion = QStringLiteral("DatenmodellVersion");
const QString DataSet::kGeneratorVersion = QStringLiteral("GeneratorVersion");
const QString DataSet::kGeschriebenAm = QStringLiteral("GeschriebenAm");
const QString DataSet::kSchema = QStringLiteral("Schema");
const QString DataSet::kDaten = QStringLiteral("Daten");

namespace {

QString address(const void *pointer)
{
    return QStringLiteral("0x") + QString::number(quintptr(pointer), 16);
}

template <typename Map, typename Text> QString liste(const Map &map, Text text)
{
    QString result;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result += it.key() + QLatin1Char('=') + text(it.value()) + QStringLiteral(", ");
    return result;
}

} // namespace

void DataTuple::setValue(const QString &pathKey, const QVariant &value)
{
    Datum &datum = m_data[pathKey];
    datum = Datum();
    datum.value = value;
}

void DataTuple::setForeignKey(const QString &pathKey, qlonglong id)
{
    Datum &datum = m_data[pathKey];
    datum = Datum();
    datum.kind = Datum::ForeignKey;
    datum.foreignKey = id;
}

void DataTuple::setTuple(const QString &pathKey, const DataTuple &tuple)
{
    Datum &datum = m_data[pathKey];
    datum = Datum();
    datum.kind = Datum::Tuple;
    datum.tuple = &tuple;
}

const DataTuple::Datum *DataTuple::datum(const QString &pathKey) const
{
    const auto it = m_data.constFind(pathKey);
    return it == m_data.cend() ? nullptr : &it.value();
}

QString DataTuple::describe() const
{
    QString text = QStringLiteral("DataTuple ") + QString::number(m_number) +
                   QStringLiteral(" for entity ") + m_entityName + QStringLiteral(" containing ");
    for (auto it = m_data.cbegin(); it != m_data.cend(); ++it) {
        text += it.key() + QLatin1Char('=');
        switch (it->kind) {
        case Datum::Value:
            text += it->value.toString();
            break;
        case Datum::ForeignKey:
            text += QStringLiteral("FK ") + QString::number(it->foreignKey);
            break;
        case Datum::Tuple:
            text += address(it->tuple);
            break;
        }
        text += QStringLiteral(", ");
    }
    return text;
}

DataTuple &DataSet::addTuple(const QString &entityName, int line)
{
    auto &rows = m_tuples[entityName];
    rows.push_back(std::make_unique<DataTuple>(entityName, ++m_count, line));
    return *rows.back();
}

const std::vector<std::unique_ptr<DataTuple>> &DataSet::tuples(const QString &entityName) const
{
    static const std::vector<std::unique_ptr<DataTuple>> none;
    const auto it = m_tuples.find(entityName);
    return it == m_tuples.end() ? none : it->second;
}

QStringList DataSet::entityNames() const
{
    std::set<QString> names;
    for (const auto &entry : m_tuples)
        names.insert(entry.first);
    for (const auto &entry : m_schemas)
        names.insert(entry.first);
    return QStringList(names.begin(), names.end());
}

ImpExpSchema *DataSet::schema(const QString &entityName) const
{
    const auto it = m_schemas.find(entityName);
    return it == m_schemas.end() ? nullptr : it->second.get();
}

void DataSet::setSchema(const QString &entityName, std::unique_ptr<ImpExpSchema> schema)
{
    m_schemas[entityName] = std::move(schema);
}

QList<DataTuple *> DataSet::getTuplesByContent(
    DatabaseContext &ctx, const QString &entityName, const QMap<QString, QVariant> &pathKeyToValue,
    const QMap<QString, qlonglong> &pathKeyToForeignKey,
    const QMap<QString, const DataTuple *> &pathKeyToTuple) const
{
    QList<DataTuple *> found;
    for (const auto &tuple : tuples(entityName)) {
        bool matches = true;
        for (auto it = pathKeyToValue.cbegin(); matches && it != pathKeyToValue.cend(); ++it) {
            const DataTuple::Datum *datum = tuple->datum(it.key());
            matches = datum && datum->kind == DataTuple::Datum::Value && datum->value == it.value();
        }
        for (auto it = pathKeyToForeignKey.cbegin(); matches && it != pathKeyToForeignKey.cend(); ++it) {
            const DataTuple::Datum *datum = tuple->datum(it.key());
            matches = datum && datum->kind == DataTuple::Datum::ForeignKey &&
                      datum->foreignKey == it.value();
        }
        for (auto it = pathKeyToTuple.cbegin(); matches && it != pathKeyToTuple.cend(); ++it) {
            const DataTuple::Datum *datum = tuple->datum(it.key());
            matches = datum && datum->kind == DataTuple::Datum::Tuple && datum->tuple == it.value();
        }
        if (matches)
            found.append(tuple.get());
    }
    if (found.size() > 1) {
        QString text =
            QStringLiteral("Called getTuplesByContent with parameters entityDBName = ") + entityName +
            QStringLiteral(", pathKeyToValue = ") +
            liste(pathKeyToValue, [](const QVariant &v) { return v.toString(); }) +
            QStringLiteral(", pathKeyToForeignKey = ") +
            liste(pathKeyToForeignKey, [](qlonglong id) { return QString::number(id); }) +
            QStringLiteral(", pathKeyToTuple = ") +
            liste(pathKeyToTuple, [](const DataTuple *t) { return address(t); }) +
            QStringLiteral(" and found more than one tuple:");
        for (const DataTuple *tuple : found)
            text += QLatin1Char('\n') + tuple->describe();
        ctx.log(QStringLiteral("ImportExport"), QStringLiteral("DataSet"), 5, text);
    }
    return found;
}

void DataSet::printStructure(DatabaseContext &ctx) const
{
    const QString kategorie = QStringLiteral("ImportExport"), ort = QStringLiteral("DataSet");
    ctx.log(kategorie, ort, 4, QStringLiteral("Started printStructure(DatabaseContext*):"));
    for (const auto &entry : m_schemas)
        ctx.log(kategorie, ort, 4, entry.second->describe());
    ctx.log(kategorie, ort, 4, QStringLiteral("Finished printStructure(DatabaseContext*):"));
}

void DataSet::printData(DatabaseContext &ctx) const
{
    const QString kategorie = QStringLiteral("ImportExport"), ort = QStringLiteral("DataSet");
    ctx.log(kategorie, ort, 4, QStringLiteral("Started printData(DatabaseContext*):"));
    for (const auto &entry : m_tuples)
        for (const auto &tuple : entry.second)
            ctx.log(kategorie, ort, 4, tuple->describe());
    ctx.log(kategorie, ort, 4, QStringLiteral("Finished printData(DatabaseContext*):"));
}
