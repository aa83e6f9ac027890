#include "EvdevKeyboardManager.h"

#include "DatabaseContext.h"
#include "LinuxKeys.h"
#include "SimulatedKeypads.h"

#include <QSocketNotifier>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <unistd.h>

#include <vector>

namespace {

struct KeyEvent
{
    int type;
    int code;
    int value;
};

QString kindText(InputDevice::Kind kind)
{
    switch (kind) {
    case InputDevice::Keyboard:
        return QStringLiteral(" is a keyboard.");
    case InputDevice::Mouse:
        return QStringLiteral(" is a mouse.");
    default:
        return QStringLiteral(" is unknown.");
    }
}

} // namespace

EvdevKeyboardManager::EvdevKeyboardManager(DatabaseContext &ctx,
                                           std::unique_ptr<InputDeviceSource> source,
                                           const QString &simulation, QObject *parent)
    : KeyboardManager(ctx, QStringLiteral("EvdevKeyboardManager"), parent),
      m_source(std::move(source)), m_simulationPath(simulation)
{
    connect(m_source.get(), &InputDeviceSource::deviceAdded, this, [this](const InputDevice &d) {
        if (d.kind != InputDevice::Keyboard)
            return;
        log(6, QStringLiteral("Keyboard %1 came.").arg(d.identifier()));
        add(d);
    });
    connect(m_source.get(), &InputDeviceSource::deviceRemoved, this, &EvdevKeyboardManager::remove);
}

EvdevKeyboardManager::~EvdevKeyboardManager()
{
    for (auto &entry : m_devices)
        close(*entry.second);
}

void EvdevKeyboardManager::registerPlatform()
{
    if (m_source->startMonitor())
        log(4, QStringLiteral("Hot-plug monitor started."));
    else
        log(9, QStringLiteral("Hot-plug monitor failed; keyboards plugged in later are not read."));
    for (const InputDevice &device : m_source->devices())
        if (device.kind == InputDevice::Keyboard)
            add(device);
    log(m_denied.isEmpty() ? 4 : 9,
        QStringLiteral("Registration %1: %2 keyboards read, %3 not readable.")
            .arg(m_denied.isEmpty() ? QStringLiteral("succeeded") : QStringLiteral("incomplete"))
            .arg(m_devices.size())
            .arg(m_denied.size()));
    if (!m_simulationPath.isEmpty()) {
        m_simulation = new SimulatedKeypads(m_simulationPath, this);
        connect(m_simulation, &SimulatedKeypads::key, this,
                [this](qlonglong device, int code, int value) {
                    if (value == 0)
                        return;
                    log(4, QStringLiteral("Received some simulated key event."));
                    keyDown(device, code, LinuxKeys::score(code), true);
                });
        connect(m_simulation, &SimulatedKeypads::invalidLine, this, [this](const QString &line) {
            log(6, QStringLiteral("Ignoring the simulated key press \"%1\".").arg(line));
        });
        if (m_simulation->start())
            log(4, QStringLiteral("Reading simulated keypads from %1.").arg(m_simulationPath));
        else
            log(9, QStringLiteral("Cannot read simulated keypads from %1: %2")
                       .arg(m_simulationPath, m_simulation->error()));
    }
    printDeviceInformation();
}

QString EvdevKeyboardManager::describe(const Device &device)
{
    return QStringLiteral("%1 (%2, \"%3\", port %4)")
        .arg(device.id)
        .arg(device.info.node, device.info.name,
             device.info.idPath.isEmpty() ? QStringLiteral("none") : device.info.idPath);
}

void EvdevKeyboardManager::add(const InputDevice &info)
{
    remove(info.node); // a node reported twice is opened afresh
    const int fd = m_source->open(info);
    if (fd < 0) {
        if (fd == -EACCES || fd == -EPERM)
            m_denied.insert(info.node);
        log(9, QStringLiteral("Cannot read keyboard %1 (%2): %3")
                   .arg(info.identifier())
                   .arg(info.node, QString::fromLocal8Bit(std::strerror(-fd))));
        return;
    }
    auto device = std::make_unique<Device>();
    device->info = info;
    device->id = info.identifier();
    device->fd = fd;
    libevdev *evdev = nullptr;
    if (libevdev_new_from_fd(fd, &evdev) == 0) {
        device->evdev = evdev;
        if (device->info.name.isEmpty())
            device->info.name = QString::fromUtf8(libevdev_get_name(evdev));
    }
    device->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    const QString node = info.node;
    connect(device->notifier, &QSocketNotifier::activated, this, [this, node] { read(node); });
    log(6, QStringLiteral("Reading keyboard %1.").arg(describe(*device)));
    Device &added = *device;
    m_devices[node] = std::move(device);
    if (context().hasDevice(added.id))
        setGrab(added, true);
}

void EvdevKeyboardManager::remove(const QString &node)
{
    m_denied.remove(node);
    const auto it = m_devices.find(node);
    if (it == m_devices.end())
        return;
    log(6, QStringLiteral("Keyboard %1 went.").arg(describe(*it->second)));
    close(*it->second);
    m_devices.erase(it);
}

void EvdevKeyboardManager::close(Device &device)
{
    device.notifier->setEnabled(false);
    device.notifier->deleteLater(); // it may be the sender of the running slot
    if (device.grabbed)
        m_source->grab(device.fd, false);
    if (device.evdev)
        libevdev_free(device.evdev);
    m_source->close(device.fd);
}

void EvdevKeyboardManager::read(const QString &node)
{
    const auto it = m_devices.find(node);
    if (it == m_devices.end())
        return;
    Device &device = *it->second;
    const qlonglong id = device.id;
    std::vector<KeyEvent> events;
    bool ended = false;
    if (device.evdev) {
        input_event ev;
        for (;;) {
            int rc = libevdev_next_event(device.evdev, LIBEVDEV_READ_FLAG_NORMAL, &ev);
            if (rc == LIBEVDEV_READ_STATUS_SUCCESS) {
                events.push_back({ev.type, ev.code, ev.value});
            } else if (rc == LIBEVDEV_READ_STATUS_SYNC) {
                // Events were dropped; the resynchronised state is no key press.
                while (rc == LIBEVDEV_READ_STATUS_SYNC)
                    rc = libevdev_next_event(device.evdev, LIBEVDEV_READ_FLAG_SYNC, &ev);
                log(6, QStringLiteral("Keyboard %1 dropped events.").arg(id));
            } else {
                ended = rc != -EAGAIN;
                break;
            }
        }
    } else {
        char buffer[sizeof(input_event) * 64];
        for (;;) {
            const ssize_t n = ::read(device.fd, buffer, sizeof buffer);
            if (n > 0) {
                device.partial.append(buffer, int(n));
                continue;
            }
            ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        const int size = int(sizeof(input_event));
        int at = 0;
        for (; at + size <= device.partial.size(); at += size) {
            input_event ev;
            std::memcpy(&ev, device.partial.constData() + at, sizeof ev);
            events.push_back({ev.type, ev.code, ev.value});
        }
        device.partial.remove(0, at);
    }
    if (ended) // unplugged before udev said so
        remove(node);
    // Handled after reading: a slot may run an event loop that closes the device.
    for (const KeyEvent &ev : events) {
        if (ev.type != EV_KEY || ev.value == 0) // releases, reports, scan codes, LEDs
            continue;
        log(4, QStringLiteral("Received some key event."));
        keyDown(id, ev.code, LinuxKeys::score(ev.code));
    }
}

void EvdevKeyboardManager::setGrab(Device &device, bool on)
{
    if (device.grabbed == on)
        return;
    if (!m_source->grab(device.fd, on)) {
        log(9, QStringLiteral("Cannot %1 keyboard %2.")
                   .arg(on ? QStringLiteral("grab") : QStringLiteral("release"), describe(device)));
        return;
    }
    device.grabbed = on;
    log(6, on ? QStringLiteral("Grabbed keyboard %1 for its juror.").arg(describe(device))
              : QStringLiteral("Released keyboard %1.").arg(describe(device)));
}

void EvdevKeyboardManager::assignmentsChanged()
{
    for (auto &entry : m_devices)
        setGrab(*entry.second, context().hasDevice(entry.second->id));
}

QList<qlonglong> EvdevKeyboardManager::openDevices() const
{
    QList<qlonglong> ids;
    for (const auto &entry : m_devices)
        ids.append(entry.second->id);
    return ids;
}

bool EvdevKeyboardManager::isGrabbed(qlonglong device) const
{
    for (const auto &entry : m_devices)
        if (entry.second->id == device && entry.second->grabbed)
            return true;
    return false;
}

QString EvdevKeyboardManager::accessProblem() const
{
    if (m_denied.isEmpty())
        return QString();
    return tr("Keine Leseberechtigung fuer %1 Tastatur(en) unter /dev/input: Tastaturen koennen "
              "nicht zugeordnet werden, Wertungen lassen sich aber von Hand eingeben.")
        .arg(m_denied.size());
}

void EvdevKeyboardManager::printDeviceInformation()
{
    log(4, QStringLiteral("Starting to print device information."));
    log(4, QStringLiteral("  Note: Running under version %1, kernel %2")
               .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion()));
    const std::vector<InputDevice> devices = m_source->devices();
    log(4, QStringLiteral("  We have found %1 devices.").arg(devices.size()));
    for (const InputDevice &device : devices)
        log(4, QStringLiteral("  Device %1 (%2, \"%3\")")
                       .arg(device.identifier())
                       .arg(device.node, device.name) +
                   kindText(device.kind));
    if (m_simulation)
        log(4, QStringLiteral("  Simulated keypads are read from %1.").arg(m_simulationPath));
    log(4, QStringLiteral("Finished printing device information."));
}
