#pragma once

#include "InputDeviceSource.h"

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

// The event devices of the running system, from udev; its monitor reports hot-plug.
class UdevDeviceSource : public InputDeviceSource
{
    Q_OBJECT
public:
    explicit UdevDeviceSource(QObject *parent = nullptr);
    ~UdevDeviceSource() override;

    std::vector<InputDevice> devices() override;
    bool startMonitor() override;
    int open(const InputDevice &device) override;
    void close(int fd) override;
    bool grab(int fd, bool on) override;

private:
    void receive();
    static bool isEventNode(udev_device *device);
    static InputDevice describe(udev_device *device);

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
