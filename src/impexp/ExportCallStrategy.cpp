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
