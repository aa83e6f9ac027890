#include "UdevDeviceSource.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <libudev.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QString udevProperty(udev_device *device, const char *name)
{
    return QString::fromUtf8(udev_device_get_property_value(device, name));
}

} // namespace

UdevDeviceSource::UdevDeviceSource(QObject *parent) : InputDeviceSource(parent), m_udev(udev_new())
{}

UdevDeviceSource::~UdevDeviceSource()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevDeviceSource::isEventNode(udev_device *device)
{
    const char *node = udev_device_get_devnode(device);
    return node && QByteArray(node).startsWith("/dev/input/event");
}

InputDevice UdevDeviceSource::describe(udev_device *device)
{
    InputDevice result;
    result.node = QString::fromUtf8(udev_device_get_devnode(device));
    result.idPath = udevProperty(device, "ID_PATH");
    if (udev_device *parent =
            udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr))
        result.name = QString::fromUtf8(udev_device_get_sysattr_value(parent, "name"));
    if (udevProperty(device, "ID_INPUT_KEY") == QLatin1String("1") ||
        udevProperty(device, "ID_INPUT_KEYBOARD") == QLatin1String("1"))
        result.kind = InputDevice::Keyboard;
    else if (udevProperty(device, "ID_INPUT_MOUSE") == QLatin1String("1"))
        result.kind = InputDevice::Mouse;
    return result;
}

std::vector<InputDevice> UdevDeviceSource::devices()
{
    std::vector<InputDevice> result;
    if (!m_udev)
        return result;
    udev_enumerate *enumerate = udev_enumerate_new(m_udev);
    udev_enumerate_add_match_subsystem(enumerate, "input");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry *entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (device && isEventNode(device))
            result.push_back(describe(device));
        if (device)
            udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
    return result;
}

bool UdevDeviceSource::startMonitor()
{
    if (m_monitor)
        return true;
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor)
        return false;
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "input", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0) {
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevDeviceSource::receive);
    return true;
}

void UdevDeviceSource::receive()
{
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        if (isEventNode(device)) {
            const QByteArray action = udev_device_get_action(device);
            if (action == "add")
                emit deviceAdded(describe(device));
            else if (action == "remove")
                emit deviceRemoved(QString::fromUtf8(udev_device_get_devnode(device)));
        }
        udev_device_unref(device);
    }
}

int UdevDeviceSource::open(const InputDevice &device)
{
    const int fd = ::open(device.node.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return fd >= 0 ? fd : -errno;
}

void UdevDeviceSource::close(int fd)
{
    ::close(fd);
}

bool UdevDeviceSource::grab(int fd, bool on)
{
    return ioctl(fd, EVIOCGRAB, on ? 1 : 0) == 0;
}
