#pragma once

#include "DataExporter.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class DatabaseContext;
class ExportFortschritt;

// Decides which data goes into one export file and writes it. Failures are
// AnwendungsFehler (category "ImportExport").
class ExportCallStrategy
{
public:
    virtual ~ExportCallStrategy() = default;
    virtual void exportiere(DatabaseContext &ctx, const QString &fileName) = 0;

    // Receives the progress of the next exports and may cancel them (nullptr: none).
    virtual void setzeFortschritt(ExportFortschritt *fortschritt) { m_fortschritt = fortschritt; }
    ExportFortschritt *fortschritt() const { return m_fortschritt; }

private:
    ExportFortschritt *m_fortschritt = nullptr;
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
// columns of its kind. Logs "Exportiere " + count + what under the kind's strategy name
// (e.g. "TeilnehmerWertungExportCallStrategy").
class ListExportCallStrategy : public DataSetExportCallStrategy
{
public:
    enum Art {
        TeilnehmerWertung,             // TeilnehmerWertung ids
        TeilnehmerKombinationsWertung, // TeilnehmerKombinationsWertung ids
        VereinsWertung,                // VereinsWertung ids
        VereinsKombinationsWertung,    // VereinsKombinationsWertung ids
        BildNummern,                   // the Wertung ids of a round in its order
        StatistikData,                 // top-level StatistikData ids, flattened
        Funktionstraeger,              // Funktionstraeger ids
        Adressdaten,                   // Mitglied ids
    };
    // The ids, read when the file is written.
    using Ids = std::function<QList<qlonglong>(DatabaseContext &)>;

    ListExportCallStrategy(Art art, QList<qlonglong> ids);
    ListExportCallStrategy(Art art, Ids ids);

protected:
    void collect(DatabaseContext &ctx, DataSet &dataSet) override;
    std::optional<ExportBlock> block() const override;

private:
    Art m_art;
    Ids m_ids;
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
    void setzeFortschritt(ExportFortschritt *fortschritt) override;

    // The file names written by the last export, in the order the strategies were added.
    const QStringList &fileNames() const { return m_fileNames; }

private:
    std::vector<std::pair<QString, std::unique_ptr<ExportCallStrategy>>> m_strategies;
    QStringList m_fileNames;
};
