#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// Keypads without hardware: reads lines "DEVICE KEY [VALUE]" from a named pipe or a file
// (DEVICE a number that serves as the keypad's identifier, KEY a Linux key name such as
// KEY_KP5 or KP5 or a decimal key code, VALUE 1 for a key-down (default), 2 for an
// auto-repeat, 0 for a release). Lines that are empty or start with "#" are skipped. A named
// pipe is read as lines arrive; a file is read from its start and then followed as it grows.
class SimulatedKeypads : public QObject
{
    Q_OBJECT
public:
    explicit SimulatedKeypads(const QString &path, QObject *parent = nullptr);
    ~SimulatedKeypads() override;

    // Starts reading; false (with the reason in error()) when the path cannot be read.
    bool start();
    QString error() const { return m_error; }
    const QString &path() const { return m_path; }

signals:
    void key(qlonglong device, int code, int value);
    void invalidLine(const QString &line);

private:
    void readAvailable();
    void takeLines();

    QString m_path;
    QString m_error;
    int m_fd = -1;
    bool m_pipe = false;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_follow = nullptr;
    QByteArray m_pending;
};
