#pragma once

#include "ImpExpSchema.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <vector>

class DatabaseContext;

// One row of a data set. Per path key it holds a plain value, a reference known as a
// database id, or a reference to another row of the same data set.
class DataTuple
{
public:
    struct Datum
    {
        enum Kind { Value, ForeignKey, Tuple };
        Kind kind = Value;
        QVariant value;
        qlonglong foreignKey = 0;
        const DataTuple *tuple = nullptr;
    };

    DataTuple(const QString &entityName, int number, int line = -1)
        : m_entityName(entityName), m_number(number), m_line(line)
    {
    }

    const QString &entityName() const { return m_entityName; }
    int number() const { return m_number; }
    int line() const { return m_line; }

    void setValue(const QString &pathKey, const QVariant &value);
    void setForeignKey(const QString &pathKey, qlonglong id);
    void setTuple(const QString &pathKey, const DataTuple &tuple);
    const Datum *datum(const QString &pathKey) const;
    const QMap<QString, Datum> &data() const { return m_data; }

    bool isFinished() const { return m_finished; }
    void setFinished(bool finished) { m_finished = finished; }
    bool hasDatabaseId() const { return m_databaseId >= 0; }
    qlonglong databaseId() const { return m_databaseId; }
    void setDatabaseId(qlonglong id) { m_databaseId = id; }

    QString describe() const;

private:
    QString m_entityName;
    int m_number;
    int m_line;
    QMap<QString, Datum> m_data;
    bool m_finished = false;
    qlonglong m_databaseId = -1;
};

// The rows of one export or import, per entity, with the entities' schemas and the meta
// information of the file. Entities are kept in the order of their names.
class DataSet
{
public:
    static const QString kDatenmodellVersion;
    static const QString kGeneratorVersion;
    static const QString kGeschriebenAm;
    static const QString kSchema;
    static const QString kDaten;

    DataSet() = default;
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    DataTuple &addTuple(const QString &entityName, int line = -1);
    // The rows of an entity in the order they were added (empty when none).
    const std::vector<std::unique_ptr<DataTuple>> &tuples(const QString &entityName) const;
    QStringList entityNames() const; // ascending, every entity with rows or a schema

    ImpExpSchema *schema(const QString &entityName) const;
    void setSchema(const QString &entityName, std::unique_ptr<ImpExpSchema> schema);

    QString version;
    QString generatorVersion;
    QDateTime writtenAt;

    // The rows of the entity whose data match every given path key: values equal, foreign
    // keys the same database id, tuple references the same row.
    QList<DataTuple *> getTuplesByContent(DatabaseContext &ctx, const QString &entityName,
                                          const QMap<QString, QVariant> &pathKeyToValue,
                                          const QMap<QString, qlonglong> &pathKeyToForeignKey,
                                          const QMap<QString, const DataTuple *> &pathKeyToTuple) const;

    void printStructure(DatabaseContext &ctx) const;
    void printData(DatabaseContext &ctx) const;

private:
    std::map<QString, std::vector<std::unique_ptr<DataTuple>>> m_tuples;
    std::map<QString, std::unique_ptr<ImpExpSchema>> m_schemas;
    int m_count = 0;
};
