#pragma once

#include <QObject>
#include <QString>

#include <vector>

// An event device under /dev/input as the device manager describes it.
struct InputDevice
{
    enum Kind
    {
        Unknown,
        Keyboard,
        Mouse
    };

    QString node;   // "/dev/input/event5"
    QString idPath; // the port it hangs on ("pci-0000:00:14.0-usb-0:2:1.0"); may be empty
    QString name;
    Kind kind = Unknown;

    // The identifier of the keyboard: derived from the port, so that a keypad plugged into the
    // same port again keeps it; devices without a port are told apart by their node.
    qlonglong identifier() const;
};

// The 64-bit identifier of a port path (FNV-1a of its UTF-8 bytes): the same in every run.
qlonglong deviceIdentifier(const QString &idPath);

// Where the devices come from: lists them, reports their coming and going, opens, closes and
// grabs them. The real one asks udev and opens the nodes; tests script it with pipes.
class InputDeviceSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The input event devices present now.
    virtual std::vector<InputDevice> devices() = 0;
    // Starts reporting devices that come and go; false when that is impossible.
    virtual bool startMonitor() = 0;
    // A non-blocking descriptor of the device's events, or -errno.
    virtual int open(const InputDevice &device) = 0;
    virtual void close(int fd) = 0;
    // Takes the device for this program alone (its keys reach no window) or gives it back.
    virtual bool grab(int fd, bool on) = 0;

signals:
    void deviceAdded(const InputDevice &device);
    void deviceRemoved(const QString &node);
};
