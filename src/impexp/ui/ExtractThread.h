#pragma once

#include "Arbeitskontext.h"

#include <QString>
#include <QThread>

// Prepares the file the user chose for the import, away from the GUI thread: a CSV file is
// passed on as it is, a ZIP archive is extracted into a temporary directory beside it and its
// one CSV file is passed on. Works through a context of its own that takes over the main
// window's session; reports by signals (queued to the window) and deletes itself when done.
class ExtractThread : public QThread
{
    Q_OBJECT
public:
    ExtractThread(DatabaseContext &mainCtx, const QString &file, QObject *parent = nullptr);
    ~ExtractThread() override;

signals:
    void statusMessage(QString text);
    void extractionFailed(QString title, QString text);
    // `createdTempDir` and `tempDir` tell what must be deleted after the import;
    // `importFileName` is the CSV file to import.
    void extractionFinished(bool createdTempDir, QString tempDir, QString importFileName);

protected:
    void run() override;

private:
    Arbeitskontext m_arbeit;
    QString m_datei;
};
