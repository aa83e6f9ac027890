#pragma once

#include "DataExporter.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class DatabaseContext;

// Decides which data goes into one export file and writes it. Failures are
// AnwendungsFehler (category "ImportExport").
class ExportCallStrategy
{
public:
    virtual ~ExportCallStrategy() = default;
    virtual void exportiere(DatabaseContext &ctx, const QString &fileName) = 0;
};

// A strategy that collects a data set and writes it with the CSV writer: a data file without
// block options, a list file with them. BLOB files go into the file's directory.
class DataSetExportCallStrategy : public ExportCallStrategy
{
public:
    void exportiere(DatabaseContext &ctx, const QString &fileName) override;

protected:
    virtual void collect(DatabaseContext &ctx, DataSet &dataSet) = 0;
    virtual std::optional<ExportBlock> block() const { return std::nullopt; }
};

// A list file of stored rows of one entity, in the order given: a header line and the
// strategy's columns. Logs "Exportiere " + count + what under the strategy's name.
class ListExportCallStrategy : public DataSetExportCallStrategy
{
public:
    ListExportCallStrategy(QString location, QString entity, QString what, QList<qlonglong> ids,
                           QList<DataExportColumn> columns);

protected:
    void collect(DatabaseContext &ctx, DataSet &dataSet) override;
    std::optional<ExportBlock> block() const override;

private:
    QString m_location;
    QString m_entity;
    QString m_what;
    QList<qlonglong> m_ids;
    QList<DataExportColumn> m_columns;
};

// Participant results (TeilnehmerWertung ids).
class TeilnehmerWertungExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit TeilnehmerWertungExportCallStrategy(QList<qlonglong> ids);
};

// Club results (VereinsWertung ids).
class VereinsWertungExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit VereinsWertungExportCallStrategy(QList<qlonglong> ids);
};

// Participant combination results (TeilnehmerKombinationsWertung ids).
class TeilnehmerKombinationsWertungExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit TeilnehmerKombinationsWertungExportCallStrategy(QList<qlonglong> ids);
};

// Club combination results (VereinsKombinationsWertung ids).
class VereinsKombinationsWertungExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit VereinsKombinationsWertungExportCallStrategy(QList<qlonglong> ids);
};

// The picture order of a round (its Wertung ids in the order of the round).
class BildNummernExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit BildNummernExportCallStrategy(QList<qlonglong> ids);
};

// The statistics of a competition (the ids of its top-level StatistikData rows), flattened.
class StatistikDataExportCallStrategy : public ListExportCallStrategy
{
public:
    explicit StatistikDataExportCallStrategy(QList<qlonglong> ids);
};

// Several named strategies, each written into its own file name + ".csv" in one directory.
// A name is reduced to a plain file name inside that directory; names that would give the
// same file get distinct ones.
class CompositeExportCallStrategy : public ExportCallStrategy
{
public:
    void add(const QString &name, std::unique_ptr<ExportCallStrategy> strategy);

    // `directory` is the directory the files are written into.
    void exportiere(DatabaseContext &ctx, const QString &directory) override;

    // The file names written by the last export, in the order the strategies were added.
    const QStringList &fileNames() const { return m_fileNames; }

private:
    std::vector<std::pair<QString, std::unique_ptr<ExportCallStrategy>>> m_strategies;
    QStringList m_fileNames;
};
