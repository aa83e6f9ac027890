#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

class QtMessageBoxes : public MessageBoxes
{
public:
    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    }
    void information(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
    }
    bool question(QWidget *parent, const QString &title, const QString &text,
                  bool defaultYes) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                     defaultYes ? QMessageBox::Yes : QMessageBox::No) ==
               QMessageBox::Yes;
    }
};

MessageBoxes *g_installed = nullptr;

} // namespace

MessageBoxes &MessageBoxes::current()
{
    static QtMessageBoxes qtBoxes;
    return g_installed ? *g_installed : qtBoxes;
}

void MessageBoxes::install(MessageBoxes *boxes)
{
    g_installed = boxes;
}

void RecordingMessageBoxes::critical(QWidget *, const QString &title, const QString &text)
{
    m_shown.push_back({QStringLiteral("critical"), title, text});
}

void RecordingMessageBoxes::information(QWidget *, const QString &title, const QString &text)
{
    m_shown.push_back({QStringLiteral("information"), title, text});
}

bool RecordingMessageBoxes::question(QWidget *, const QString &title, const QString &text, bool)
{
    m_shown.push_back({QStringLiteral("question"), title, text});
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}
