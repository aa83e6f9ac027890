#include "FileDialogs.h"

#include <QFileDialog>

namespace {

class QtFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, directory, filter);
    }
    QString existingDirectory(QWidget *parent, const QString &caption,
                              const QString &directory) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, directory);
    }
};

FileDialogs *g_installed = nullptr;

} // namespace

FileDialogs &FileDialogs::current()
{
    static QtFileDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void FileDialogs::install(FileDialogs *dialogs)
{
    g_installed = dialogs;
}
