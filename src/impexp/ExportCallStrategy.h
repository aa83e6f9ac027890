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
