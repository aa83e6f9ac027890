#pragma once

#include <QString>

#include <functional>

class DatabaseContext;

// The file an import reads: a CSV file as it is, or the one CSV file of a ZIP archive
// extracted into a temporary directory beside it.
struct ImportDatei
{
    QString csvDatei;          // the data file to import
    bool tempAngelegt = false; // a temporary directory was created
    QString tempVerzeichnis;   // its path (empty when none)

    // Checks the ending first ("Falsches Dateiformat"), extracts a ZIP archive (status texts
    // through `status`), finds its one CSV file. AnwendungsFehler on failure; a temporary
    // directory created before the failure is deleted again.
    static ImportDatei bereiteVor(DatabaseContext &ctx, const QString &datei,
                                  const std::function<void(const QString &)> &status = {});

    // Deletes the temporary directory, if one was created (never throws; logs a failure).
    void raeumeAuf(DatabaseContext &ctx) const;
};
