#pragma once

// Keyboards without /dev/input: every device is a pipe whose write end the test holds and
// into which it writes the event records a kernel would deliver; plugging in and unplugging
// are scripted. Shared by the keypad tests and the keypad benchmark.

#include "InputDeviceSource.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/input.h>
#include <map>
#include <memory>
#include <unistd.h>

class PipeDeviceSource : public InputDeviceSource
{
public:
    ~PipeDeviceSource() override
    {
        for (const auto &writer : m_writers)
            ::close(writer.second);
    }

    std::vector<InputDevice> devices() override
    {
        ++enumerations;
        return present;
    }
    bool startMonitor() override { return true; }
    int open(const InputDevice &device) override
    {
        if (denied.contains(device.node))
            return -EACCES;
        int ends[2];
        if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
            return -errno;
        m_writers[device.node] = ends[1];
        m_nodes[ends[0]] = device.node;
        return ends[0];
    }
    void close(int fd) override
    {
        ::close(fd);
        m_nodes.erase(fd);
    }
    bool grab(int fd, bool on) override
    {
        (*grabbed)[m_nodes.at(fd)] = on;
        return true;
    }

    void plugIn(const InputDevice &device)
    {
        present.push_back(device);
        emit deviceAdded(device);
    }
    // The device's events end; udev reports it unless `announce` is false.
    void unplug(const QString &node, bool announce = true)
    {
        present.erase(std::remove_if(present.begin(), present.end(),
                                     [&](const InputDevice &d) { return d.node == node; }),
                      present.end());
        ::close(m_writers.at(node));
        m_writers.erase(node);
        if (announce)
            emit deviceRemoved(node);
    }
    void send(const QString &node, int type, int code, int value)
    {
        input_event event{};
        event.type = quint16(type);
        event.code = quint16(code);
        event.value = value;
        (void)!::write(m_writers.at(node), &event, sizeof event);
    }
    // A key event between its scan code and the report that ends it, written at once as the
    // kernel delivers them.
    void key(const QString &node, int code, int value = 1)
    {
        input_event events[3] = {};
        const int parts[3][3] = {
            {EV_MSC, MSC_SCAN, 0x70000 + code}, {EV_KEY, code, value}, {EV_SYN, SYN_REPORT, 0}};
        for (int i = 0; i < 3; ++i) {
            events[i].type = quint16(parts[i][0]);
            events[i].code = quint16(parts[i][1]);
            events[i].value = parts[i][2];
        }
        (void)!::write(m_writers.at(node), events, sizeof events);
    }

    std::vector<InputDevice> present;
    QSet<QString> denied;
    // By node; shared, so that a test sees the grabs given back when the manager goes.
    std::shared_ptr<std::map<QString, bool>> grabbed = std::make_shared<std::map<QString, bool>>();
    int enumerations = 0;

private:
    std::map<QString, int> m_writers; // by node
    std::map<int, QString> m_nodes;   // by read end
};

inline InputDevice tastatur(const char *node, const char *idPath, const char *name,
                            InputDevice::Kind kind = InputDevice::Keyboard)
{
    return {QString::fromLatin1(node), QString::fromLatin1(idPath), QString::fromLatin1(name),
            kind};
}
