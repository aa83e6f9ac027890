#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

// Every message box of the program goes through this seam, so that tests can read the exact
// titles and texts and answer questions from a script.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    // A yes/no question; true for yes. Destructive questions default to no.
    virtual bool question(QWidget *parent, const QString &title, const QString &text,
                          bool defaultYes = false) = 0;

    // The boxes in use (QMessageBox unless a test installed others).
    static MessageBoxes &current();
    // Installs boxes that the caller keeps alive; nullptr restores QMessageBox.
    static void install(MessageBoxes *boxes);
};

// Records every box; answers questions from a queue (no when it is empty).
class RecordingMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString kind; // "critical", "information" or "question"
        QString title;
        QString text;
    };

    void critical(QWidget *parent, const QString &title, const QString &text) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    bool question(QWidget *parent, const QString &title, const QString &text,
                  bool defaultYes = false) override;

    void answer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Shown> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
};
