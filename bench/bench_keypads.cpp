// Latency of a juror's key press: from the event records written into a keypad's descriptor
// (a pipe standing in for /dev/input) to numericKeyPressed delivered on the main thread, where
// the dialogs live. 10 000 presses from 7 keypads; a writer thread presses the next key once
// the previous one has arrived and the main thread has gone back to waiting.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_keypads [presses]

#include "BenchUtil.h"
#include "EvdevKeyboardManager.h"
#include "PipeKeypads.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {
const int kDigits[10] = {KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4, KEY_KP5,
                         KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9, KEY_KP0};
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int keypads = 7;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;

    auto source = std::make_unique<PipeDeviceSource>();
    PipeDeviceSource &pipes = *source;
    std::vector<InputDevice> devices;
    for (int i = 0; i < keypads; ++i) {
        const QByteArray node = "/dev/input/event" + QByteArray::number(10 + i);
        const QByteArray port = "pci-0000:00:14.0-usb-0:" + QByteArray::number(i + 1) + ":1.0";
        devices.push_back(tastatur(node.constData(), port.constData(), "Keypad"));
    }
    pipes.present = devices;
    EvdevKeyboardManager manager(*ctx, std::move(source));
    manager.registerKeyboards();

    using Steady = std::chrono::steady_clock;
    const size_t count = size_t(presses);
    std::vector<Steady::time_point> sent(count), received(count);
    std::atomic<int> arrived{0};
    int wrongDevice = 0;
    QObject::connect(&manager, &KeyboardManager::numericKeyPressed, &app,
                     [&](qlonglong device, int) {
                         const int k = arrived.load();
                         received[size_t(k)] = Steady::now();
                         if (device != devices[size_t(k % keypads)].identifier())
                             ++wrongDevice;
                         arrived.store(k + 1);
                         if (k + 1 == presses)
                             app.quit();
                     });

    std::thread writer([&] {
        for (int i = 0; i < presses; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            sent[size_t(i)] = Steady::now();
            pipes.key(devices[size_t(i % keypads)].node, kDigits[i % 10]);
            const auto limit = Steady::now() + std::chrono::seconds(5);
            while (arrived.load() <= i && Steady::now() < limit)
                std::this_thread::yield();
        }
    });
    app.exec();
    writer.join();
    if (arrived.load() != presses || wrongDevice) {
        std::fprintf(stderr, "arrived %d of %d presses, %d from the wrong keypad\n", arrived.load(),
                     presses, wrongDevice);
        return 1;
    }

    std::vector<double> latencies;
    for (int i = 0; i < presses; ++i)
        latencies.push_back(
            std::chrono::duration<double, std::milli>(received[size_t(i)] - sent[size_t(i)])
                .count());
    std::sort(latencies.begin(), latencies.end());
    std::printf("key to signal median: %.3f ms\n", latencies[latencies.size() / 2]);
    std::printf("key to signal p99: %.3f ms\n", latencies[latencies.size() * 99 / 100]);
    return 0;
}
