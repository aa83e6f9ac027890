#pragma once

#include "Arbeitskontext.h"

#include <QString>
#include <QThread>

#include <atomic>

class DatabaseContext;
struct ImportResult;

// Runs the import of one CSV file away from the GUI thread, through a context of its own that
// takes over the main window's session. Status texts, the progress of each phase and the end
// travel by signals (queued to the window); brecheAb() asks the import to stop before its
// commit, which then writes nothing. Deletes itself when done.
class ImportThread : public QThread
{
    Q_OBJECT
public:
    ImportThread(DatabaseContext &mainCtx, const QString &file, bool createdTempDir,
                 const QString &tempDir, QObject *parent = nullptr);
    ~ImportThread() override;

public slots:
    // Callable from any thread.
    void brecheAb() { m_abbrechen = true; }

signals:
    void statusMessage(QString text);
    // Rows done of the phase; `gesamt` 0 when unknown.
    void fortschritt(QString phase, qint64 erledigt, qint64 gesamt);
    // The text names the file and, where known, the line.
    void importFailed(QString title, QString text);
    // The receiver owns the worker's context and the result (which says whether the import
    // was cancelled); the flag and the directory are those handed in.
    void importFinished(DatabaseContext *context, ImportResult *importResult, bool createdTempDir,
                        QString tempDir);

protected:
    void run() override;

private:
    Arbeitskontext m_arbeit;
    QString m_datei;
    bool m_tempAngelegt;
    QString m_tempVerzeichnis;
    std::atomic<bool> m_abbrechen{false};
};
