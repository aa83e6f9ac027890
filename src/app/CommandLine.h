#pragma once

#include "DataImporter.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class DatabaseContext;
class DatenbankVerbindung;

// The command-line mode of Kalvor: "kalvor import -u USER -p PASSWORD -h SERVER -f FILE"
// imports one CSV file or ZIP archive without any window. Returns the exit code (0 or -1).
class CommandLine
{
public:
    // Imports the file with the context opened for the given login; throws the failure of
    // the import or of the database.
    using Importer = std::function<ImportResult(DatabaseContext &ctx, const QString &fileName)>;

    // The import of a data file: a CSV file as it is, a ZIP archive unpacked beside itself
    // (the temporary directory is removed afterwards, also after a failure).
    static ImportResult importiereDatei(DatabaseContext &ctx, const QString &fileName);

    explicit CommandLine(Importer importer = &CommandLine::importiereDatei);
    ~CommandLine();

    int run(const QStringList &arguments);

    // The parameters from the third argument on: name -> value (null when none).
    // Returns false (and the offending argument) when an argument is no parameter name.
    static bool parseParameters(const QStringList &arguments, QMap<QString, QString> &parameters,
                                QString &offending);

private:
    void log(int level, const QString &message);
    int fail(const QString &errorText, const QString &logText);

    Importer m_importer;
    std::unique_ptr<DatabaseContext> m_logContext;
};
