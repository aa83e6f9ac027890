#pragma once

#include <QObject>
#include <QString>

#include <memory>

class DatabaseContext;

// The source of the jurors' key presses: tells the keyboards apart and turns key-downs into
// scores 1 to 10. One manager lives per login; it registers for input once in its life (the
// assignment dialog asks for it whenever it opens). Key presses count only while the program
// is the active application; the frame of the program reports that.
class KeyboardManager : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kCategory = "Keyboards";

    // The manager of this platform for the context (which must outlive it). On Linux the
    // keyboards under /dev/input, and the simulated keypads when the environment variable
    // KALVOR_SIMULATED_KEYPADS names a named pipe or file.
    static std::unique_ptr<KeyboardManager> create(DatabaseContext &ctx, QObject *parent = nullptr);

    ~KeyboardManager() override;

    // Starts listening; only the first call in the manager's life does more than log.
    virtual void registerKeyboards();
    // Writes the list of input devices to the log.
    virtual void printDeviceInformation() = 0;

    bool isRegistered() const { return m_registered; }
    // One line for the user when keyboards exist that the program may not read; else empty.
    virtual QString accessProblem() const { return QString(); }

    // Links juror seat and device (taking the device from another seat, releasing the seat's
    // previous device) or releases the seat, in the context's assignment, and lets the
    // platform follow (assigned keypads are kept from other windows).
    void assign(qlonglong juror, qlonglong device);
    void unassign(qlonglong juror);

    // Whether the program is the active application; key presses of real keyboards count
    // only then. Starts true.
    void setApplicationActive(bool active) { m_active = active; }
    bool isApplicationActive() const { return m_active; }

signals:
    void numericKeyPressed(qlonglong device, int number);

protected:
    KeyboardManager(DatabaseContext &ctx, const QString &location, QObject *parent);

    // The platform's registration, called once by registerKeyboards(); logs its steps.
    virtual void registerPlatform() = 0;
    // The assignment of the context has changed.
    virtual void assignmentsChanged() {}

    // A key-down (or auto-repeat) of a device: `score` is its translation (0: none). Logs it
    // and emits numericKeyPressed for a score. `evenInBackground` lets sources that type into
    // no window count while another application is active.
    void keyDown(qlonglong device, int code, int score, bool evenInBackground = false);
    void log(int level, const QString &message);
    DatabaseContext &context() const { return m_ctx; }

private:
    DatabaseContext &m_ctx;
    QString m_location;
    bool m_registered = false;
    bool m_active = true;
};
