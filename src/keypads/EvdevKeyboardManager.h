#pragma once

#include "InputDeviceSource.h"
#include "KeyboardManager.h"

#include <QByteArray>
#include <QSet>

#include <map>
#include <memory>

class QSocketNotifier;
class SimulatedKeypads;
struct libevdev;

// The keyboards of a Linux system: every keyboard-like event device is read (on the GUI thread
// through socket notifiers), keypads that come and go are followed, and keypads assigned to a
// juror are grabbed so that their keys type into no window. Key presses of the simulated
// keypads arrive beside them.
class EvdevKeyboardManager : public KeyboardManager
{
    Q_OBJECT
public:
    static constexpr const char *kSimulationVariable = "KALVOR_SIMULATED_KEYPADS";

    // `simulation`: the named pipe or file of simulated keypads; empty for none.
    EvdevKeyboardManager(DatabaseContext &ctx, std::unique_ptr<InputDeviceSource> source,
                         const QString &simulation = QString(), QObject *parent = nullptr);
    // Gives back every grab and closes every device.
    ~EvdevKeyboardManager() override;

    void printDeviceInformation() override;
    QString accessProblem() const override;

    // The identifiers of the devices being read now, and whether a device is grabbed.
    QList<qlonglong> openDevices() const;
    bool isGrabbed(qlonglong device) const;

protected:
    void registerPlatform() override;
    void assignmentsChanged() override;

private:
    struct Device
    {
        InputDevice info;
        qlonglong id = 0;
        int fd = -1;
        libevdev *evdev = nullptr; // null when the descriptor is no event device (tests)
        QSocketNotifier *notifier = nullptr;
        bool grabbed = false;
        QByteArray partial; // an incomplete event record read without libevdev
    };

    void add(const InputDevice &info);
    void remove(const QString &node);
    void close(Device &device);
    void read(const QString &node);
    bool readEvents(Device &device);
    void event(Device &device, int type, int code, int value);
    void setGrab(Device &device, bool on);
    static QString describe(const Device &device);

    std::unique_ptr<InputDeviceSource> m_source;
    std::map<QString, std::unique_ptr<Device>> m_devices; // by node
    QSet<QString> m_denied;                               // keyboards we may not read
    QString m_simulationPath;
    SimulatedKeypads *m_simulation = nullptr;
};
