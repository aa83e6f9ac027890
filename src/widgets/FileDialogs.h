#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

// Every file dialog of the program goes through this seam, so that tests can answer it.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // A file to read; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter) = 0;
    // A file to write; empty when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter) = 0;
    // A directory; empty when the user cancels.
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &directory) = 0;

    // The dialogs in use (QFileDialog unless a test installed others).
    static FileDialogs &current();
    // Installs dialogs that the caller keeps alive; nullptr restores QFileDialog.
    static void install(FileDialogs *dialogs);
};

// Answers from a queue (empty, a cancel, when it runs out) and records every caption.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &caption, const QString &,
                         const QString &) override
    {
        return next(caption);
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &,
                         const QString &) override
    {
        return next(caption);
    }
    QString existingDirectory(QWidget *, const QString &caption, const QString &) override
    {
        return next(caption);
    }

    void answer(const QString &path) { m_answers.push_back(path); }
    const QStringList &captions() const { return m_captions; }

private:
    QString next(const QString &caption)
    {
        m_captions << caption;
        if (m_answers.empty())
            return QString();
        const QString path = m_answers.front();
        m_answers.pop_front();
        return path;
    }

    std::deque<QString> m_answers;
    QStringList m_captions;
};
