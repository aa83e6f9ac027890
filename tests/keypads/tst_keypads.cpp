#include "DatabaseContext.h"
#include "EvdevKeyboardManager.h"
#include "PipeKeypads.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "competitionfixture.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using Druck = QPair<qlonglong, int>;
using Drucke = QList<Druck>;

namespace {

const InputDevice kBediener =
    tastatur("/dev/input/event0", "platform-i8042-serio-0", "AT Translated Set 2 keyboard");
const InputDevice kA = tastatur("/dev/input/event3", "pci-0000:00:14.0-usb-0:1:1.0", "Keypad");
const InputDevice kB = tastatur("/dev/input/event4", "pci-0000:00:14.0-usb-0:2:1.0", "Keypad");
const InputDevice kMaus =
    tastatur("/dev/input/event5", "pci-0000:00:14.0-usb-0:3:1.0", "Mouse", InputDevice::Mouse);
const qlonglong kJ1 = 11;
const qlonglong kJ2 = 12;

} // namespace

// The Linux keyboard manager on pipes: translation, devices told apart, assignment and grabs,
// hot-plug, the foreground, access and the simulated keypads.
class KeypadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DatabaseContext> m_ctx;
    PipeDeviceSource *m_source = nullptr;
    std::unique_ptr<KeyboardManager> m_manager;
    Drucke m_drucke;

    EvdevKeyboardManager &evdev() { return static_cast<EvdevKeyboardManager &>(*m_manager); }

    void verbinde()
    {
        connect(m_manager.get(), &KeyboardManager::numericKeyPressed, this,
                [this](qlonglong device, int number) {
                    m_drucke.append({device, number});
                });
    }

    // The presses that arrived since the last call.
    Drucke gedrueckt()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        return std::exchange(m_drucke, {});
    }

    static QStringList gegriffen(const std::map<QString, bool> &griffe)
    {
        QStringList knoten;
        for (const auto &[node, an] : griffe)
            if (an)
                knoten << node;
        return knoten;
    }

private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
    }
    void init()
    {
        m_ctx = TestDatabase::openContext();
        auto source = std::make_unique<PipeDeviceSource>();
        m_source = source.get();
        m_source->present = {kBediener, kA, kB, kMaus};
        m_manager = std::make_unique<EvdevKeyboardManager>(*m_ctx, std::move(source));
        verbinde();
        m_manager->registerKeyboards();
    }
    void cleanup()
    {
        m_manager.reset();
        m_ctx.reset();
        m_drucke.clear();
    }

    // Every key of the table, pressed, released, pressed again after the keypad's NumLock
    // went the other way, held down: each key-down and auto-repeat counts, releases never.
    void codes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("wertung");
        const int hauptblock[] = {KEY_1, KEY_2, KEY_3, KEY_4, KEY_5,
                                  KEY_6, KEY_7, KEY_8, KEY_9, KEY_0};
        const int ziffernblock[] = {KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4, KEY_KP5,
                                    KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9, KEY_KP0};
        const int ohneNumLock[] = {KEY_END,   KEY_DOWN, KEY_PAGEDOWN, KEY_LEFT,   KEY_CLEAR,
                                   KEY_RIGHT, KEY_HOME, KEY_UP,       KEY_PAGEUP, KEY_INSERT};
        for (int i = 0; i < 10; ++i) {
            QTest::addRow("main block %d", i + 1) << hauptblock[i] << i + 1;
            QTest::addRow("keypad %d", i + 1) << ziffernblock[i] << i + 1;
            QTest::addRow("keypad %d without NumLock", i + 1) << ohneNumLock[i] << i + 1;
        }
        for (const int sonst : {KEY_KPPLUS, KEY_KPENTER, KEY_NUMLOCK, KEY_KPDOT, KEY_DELETE, KEY_A})
            QTest::addRow("no score: %d", sonst) << sonst << 0;
    }
    void codes()
    {
        QFETCH(int, code);
        QFETCH(int, wertung);
        const QString a = kA.node;
        m_source->key(a, code, 1);
        m_source->key(a, code, 0);
        m_source->key(a, KEY_NUMLOCK, 1);
        m_source->key(a, KEY_NUMLOCK, 0);
        m_source->send(a, EV_LED, LED_NUML, 1);
        m_source->key(a, code, 1);
        m_source->key(a, code, 2);
        m_source->key(a, code, 2);
        m_source->key(a, code, 0);
        const Druck druck{kA.identifier(), wertung};
        QCOMPARE(gedrueckt(), wertung ? Drucke({druck, druck, druck, druck}) : Drucke());
    }

    // Keypads are told apart by their port: two nodes on one port are one keypad; the
    // identifier of a port is the same in every run; mice are not read.
    void geraeteUnterschieden()
    {
        QCOMPARE(deviceIdentifier("pci-0000:00:14.0-usb-0:1:1.0"), Q_INT64_C(-6980910157044764623));
        const InputDevice zweiteSchnittstelle =
            tastatur("/dev/input/event9", "pci-0000:00:14.0-usb-0:1:1.0", "Keypad Consumer");
        m_source->plugIn(zweiteSchnittstelle);
        const QList<qlonglong> offen = evdev().openDevices();
        QCOMPARE(QSet<qlonglong>(offen.begin(), offen.end()),
                 QSet<qlonglong>({kBediener.identifier(), kA.identifier(), kB.identifier()}));
        // One press at a time: presses of several keypads at once arrive in any order.
        const QList<QPair<InputDevice, int>> drucke{
            {kA, KEY_KP1}, {kB, KEY_KP0}, {kBediener, KEY_5}, {zweiteSchnittstelle, KEY_KP7}};
        const QList<Druck> erwartet{{kA.identifier(), 1},
                                    {kB.identifier(), 10},
                                    {kBediener.identifier(), 5},
                                    {kA.identifier(), 7}};
        for (int i = 0; i < drucke.size(); ++i) {
            m_source->key(drucke[i].first.node, drucke[i].second);
            QCOMPARE(gedrueckt(), Drucke({erwartet[i]}));
        }
    }

    // Assigned keypads are grabbed, keyboards of nobody are not; a keypad taken by another
    // juror stays grabbed, one released by its juror is let go.
    void zuordnungUndGriff()
    {
        struct Schritt
        {
            bool zuordnen;
            qlonglong juror;
            InputDevice geraet;
            QStringList gegriffen;
            QMap<qlonglong, qlonglong> geraetVon; // juror -> device
        };
        const qlonglong a = kA.identifier(), b = kB.identifier();
        const QList<Schritt> schritte{
            {true, kJ1, kA, {kA.node}, {{kJ1, a}}},
            {true, kJ2, kA, {kA.node}, {{kJ2, a}}}, // taken from J1
            {true, kJ2, kB, {kB.node}, {{kJ2, b}}}, // J2's first keypad freed
            {true, kJ1, kA, {kA.node, kB.node}, {{kJ1, a}, {kJ2, b}}},
            {false, kJ2, {}, {kA.node}, {{kJ1, a}}},
            {false, kJ1, {}, {}, {}},
        };
        for (const Schritt &s : schritte) {
            if (s.zuordnen)
                m_manager->assign(s.juror, s.geraet.identifier());
            else
                m_manager->unassign(s.juror);
            QCOMPARE(gegriffen(*m_source->grabbed), s.gegriffen);
            for (const qlonglong juror : {kJ1, kJ2}) {
                QCOMPARE(m_ctx->hasKeyboard(juror), s.geraetVon.contains(juror));
                if (s.geraetVon.contains(juror))
                    QCOMPARE(m_ctx->jurorForDevice(s.geraetVon[juror]), juror);
            }
            for (const qlonglong geraet : {a, b})
                QCOMPARE(m_ctx->hasDevice(geraet), s.geraetVon.values().contains(geraet));
        }
        // A manager that goes (at a new login) gives its grabs back.
        m_manager->assign(kJ1, a);
        const auto griffe = m_source->grabbed;
        m_manager.reset();
        QCOMPARE(gegriffen(*griffe), QStringList());
    }

    // Unplugged (announced by udev or noticed by the end of its events first) and plugged into
    // the same port again, even under another node: the keypad keeps its identifier, its juror
    // and its grab, without any action of the operator; the log says what came and went.
    void wiederEingesteckt_data()
    {
        QTest::addColumn<bool>("udevMeldet");
        QTest::newRow("udev reports it") << true;
        QTest::newRow("events end first") << false;
    }
    void wiederEingesteckt()
    {
        QFETCH(bool, udevMeldet);
        CompetitionFixture::logInDatenbank(*m_ctx);
        TestDatabase::run("DELETE FROM EventLog");
        m_manager->assign(kJ1, kA.identifier());
        m_source->unplug(kA.node, udevMeldet);
        gedrueckt();
        QVERIFY(!evdev().openDevices().contains(kA.identifier()));
        QVERIFY(!evdev().isGrabbed(kA.identifier()));

        const InputDevice wieder =
            tastatur("/dev/input/event7", "pci-0000:00:14.0-usb-0:1:1.0", "Keypad");
        m_source->plugIn(wieder);
        QVERIFY(evdev().isGrabbed(kA.identifier()));
        m_source->key(wieder.node, KEY_KP8);
        QCOMPARE(gedrueckt(), Drucke({{kA.identifier(), 8}}));
        QCOMPARE(m_ctx->jurorForDevice(kA.identifier()), kJ1);

        const QString id = QString::number(kA.identifier());
        QStringList kommenUndGehen;
        for (const QString &zeile : CompetitionFixture::geloggt(*m_ctx, "EvdevKeyboardManager"))
            if (zeile.endsWith(" came.") || zeile.endsWith(" went."))
                kommenUndGehen << zeile;
        QCOMPARE(kommenUndGehen, QStringList({"Keyboard " + id +
                                                  " (/dev/input/event3, \"Keypad\", port "
                                                  "pci-0000:00:14.0-usb-0:1:1.0) went.",
                                              "Keyboard " + id + " came."}));
    }

    // Key presses count only while the program is the active application.
    void vordergrund()
    {
        m_manager->setApplicationActive(false);
        m_source->key(kA.node, KEY_KP3);
        QCOMPARE(gedrueckt(), Drucke());
        m_manager->setApplicationActive(true);
        m_source->key(kA.node, KEY_KP3);
        QCOMPARE(gedrueckt(), Drucke({{kA.identifier(), 3}}));
    }

    // Simulated keypads from the file or named pipe of KALVOR_SIMULATED_KEYPADS: names, codes,
    // key-down, repeat and release, bad lines skipped, lines written later followed. They type
    // into no window, so they count while another application is active.
    void simuliert_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<QString>("erwartet");
        for (const bool pipe : {true, false}) {
            const char *art = pipe ? "pipe" : "file";
            QTest::addRow("%s: names, codes, values", art)
                << pipe << "3 KEY_KP5\n3 kp0\n4 76\n4 KEY_KP9 0\n4  KEY_KP9\t2\n"
                << "3:5 3:10 4:5 4:9";
            QTest::addRow("%s: bad lines", art)
                << pipe << "# demo\n\n5 KEY_A\nx KEY_KP1\n5 KEY_NOPE\n5 KEY_KP1 7\n5\n5 KEY_KP2\n"
                << "5:2";
        }
    }
    void simuliert()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, zeilen);
        QFETCH(QString, erwartet);
        QTemporaryDir dir;
        const QByteArray pfad = QFile::encodeName(dir.filePath("tasten"));
        const auto schreibe = [&](const QByteArray &text) {
            const int fd = ::open(pfad.constData(), O_WRONLY | O_APPEND | O_CREAT, 0600);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, text.constData(), size_t(text.size())), ssize_t(text.size()));
            ::close(fd);
        };
        if (pipe)
            QCOMPARE(::mkfifo(pfad.constData(), 0600), 0);
        else
            schreibe(zeilen.toUtf8());
        qputenv(EvdevKeyboardManager::kSimulationVariable, pfad);
        m_manager = KeyboardManager::create(*m_ctx);
        qunsetenv(EvdevKeyboardManager::kSimulationVariable);
        verbinde();
        m_manager->setApplicationActive(false);
        m_manager->registerKeyboards();
        if (pipe)
            schreibe(zeilen.toUtf8());
        Drucke soll;
        for (const QString &druck : erwartet.split(' '))
            soll.append({druck.section(':', 0, 0).toLongLong(), druck.section(':', 1).toInt()});
        QTRY_COMPARE(m_drucke, soll);
        schreibe("6 KEY_KP3\n");
        soll.append({6, 3});
        QTRY_COMPARE(m_drucke, soll);
    }

    // Opening the assignment twice registers once: devices are listed and opened once.
    void einmalRegistriert()
    {
        const int aufzaehlungen = m_source->enumerations;
        m_manager->registerKeyboards();
        QCOMPARE(m_source->enumerations, aufzaehlungen);
        QCOMPARE(evdev().openDevices().size(), 3);
    }

    // Keyboards the user may not read are named in one line; the others are read.
    void keinZugriff()
    {
        QCOMPARE(m_manager->accessProblem(), QString());
        m_manager.reset();
        auto source = std::make_unique<PipeDeviceSource>();
        m_source = source.get();
        m_source->present = {kBediener, kA, kB};
        m_source->denied = {kA.node, kB.node};
        m_manager = std::make_unique<EvdevKeyboardManager>(*m_ctx, std::move(source));
        m_manager->registerKeyboards();
        QCOMPARE(m_manager->accessProblem(),
                 QString("Keine Leseberechtigung fuer 2 Tastatur(en) unter /dev/input: "
                         "Tastaturen koennen nicht zugeordnet werden, Wertungen lassen sich aber "
                         "von Hand eingeben."));
        QCOMPARE(evdev().openDevices(), QList<qlonglong>({kBediener.identifier()}));
    }
};

KALVOR_REGISTER_TEST(KeypadTest)

#include "tst_keypads.moc"
