#include "CompositeTableModel.h"
#include "EvdevKeyboardManager.h"
#include "JurorService.h"
#include "JurorenListen.h"
#include "PipeKeypads.h"
#include "TastaturZuordnungsDialog.h"
#include "TestRegistry.h"
#include "WettbewerbJurorenWidget.h"
#include "wettbewerbsdialoge.h"

#include <QLabel>
#include <QLineEdit>

using namespace wettbewerbsdialoge;

namespace {
const InputDevice kA = tastatur("/dev/input/event3", "pci-0000:00:14.0-usb-0:1:1.0", "Keypad");
const InputDevice kB = tastatur("/dev/input/event4", "pci-0000:00:14.0-usb-0:2:1.0", "Keypad");
const InputDevice kC = tastatur("/dev/input/event6", "pci-0000:00:14.0-usb-0:4:1.0", "Keypad");

void verarbeite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
} // namespace

// Assigning keypads to jurors: the dialog, the jurors tab with its "Hat Tastatur" column, and
// the manager of each login in the main window.
class TastaturZuordnungTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<DatabaseContext> m_ctx;
    PipeDeviceSource *m_source = nullptr;
    std::unique_ptr<EvdevKeyboardManager> m_manager;

private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        auto source = std::make_unique<PipeDeviceSource>();
        m_source = source.get();
        m_source->present = {kA, kB, kC};
        m_manager = std::make_unique<EvdevKeyboardManager>(*m_ctx, std::move(source));
    }
    void cleanup()
    {
        m_manager.reset();
        m_ctx.reset();
    }
    void cleanupTestCase() { MessageBoxes::install(nullptr); }

    // The dialog registers the manager, shows the score of each press, remembers the keyboard
    // pressed last, and returns it only when confirmed; unreadable keyboards are named.
    void dialog_data()
    {
        QTest::addColumn<bool>("bestaetigen");
        QTest::addColumn<bool>("verweigert");
        QTest::newRow("confirmed") << true << false;
        QTest::newRow("cancelled") << false << false;
        QTest::newRow("confirmed, a keyboard unreadable") << true << true;
    }
    void dialog()
    {
        QFETCH(bool, bestaetigen);
        QFETCH(bool, verweigert);
        if (verweigert)
            m_source->denied = {kC.node};
        TastaturZuordnungsDialog dialog(*m_ctx, *m_manager, "Eva", "Mayr");
        QVERIFY(m_manager->isRegistered());
        QVERIFY(!dialog.bestaetigenButton()->isEnabled());
        QCOMPARE(dialog.zugriffsHinweis()->isVisibleTo(&dialog), verweigert);
        if (verweigert)
            QCOMPARE(dialog.zugriffsHinweis()->text(), m_manager->accessProblem());
        m_source->key(kA.node, KEY_KP5);
        verarbeite();
        QCOMPARE(dialog.wertungsFeld()->text(), QString("5"));
        QVERIFY(dialog.bestaetigenButton()->isEnabled());
        if (verweigert) {
            dialog.resize(560, 380);
            bild(dialog, "tastatur_zuordnen");
        }
        m_source->key(kB.node, KEY_INSERT);
        verarbeite();
        QCOMPARE(dialog.wertungsFeld()->text(), QString("10"));
        klicke(&dialog, bestaetigen ? "bestaetigen" : "abbrechen");
        QCOMPARE(dialog.result(), int(bestaetigen ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(dialog.geraet(),
                 bestaetigen ? std::optional<qlonglong>(kB.identifier()) : std::nullopt);
    }

    // Through the jurors tab: a keypad assigned to one juror and then to another leaves the
    // first without ("Hat Tastatur" "Nein"); the keypad is grabbed; without a manager the
    // button stays greyed.
    void jurorenReiter()
    {
        auto verein = wettbewerbsdialoge::verein(*m_ctx);
        auto w = wettbewerb(*m_ctx, *verein);
        WettbewerbService::geheWeiter(*m_ctx, *w);
        auto eva = mitglied(*m_ctx, *verein, "Eva", "Mayr", "12");
        auto otto = mitglied(*m_ctx, *verein, "Otto", "Zeller", "13");
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, *w, *eva));
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, *w, *otto));
        WettbewerbJurorenWidget tab(*m_ctx, *w, true);
        QVERIFY(!tab.tastaturButton()->isEnabled());
        tab.setzeKeyboardManager(m_manager.get());
        const auto ordneZu = [&](int zeile, const InputDevice &geraet) {
            tab.liste()->selectRow(zeile);
            bool gesehen = false;
            imNaechstenDialog<TastaturZuordnungsDialog>(
                [&](TastaturZuordnungsDialog &d) {
                    m_source->key(geraet.node, KEY_KP7);
                    verarbeite();
                    klicke(&d, "bestaetigen");
                },
                &gesehen);
            tab.tastaturButton()->click();
            QVERIFY(gesehen);
        };
        const auto hatTastatur = [&] {
            const CompositeTableModel &model = *tab.liste()->model();
            return QStringList{model.displayValue(0, 5).toString(),
                               model.displayValue(1, 5).toString()};
        };
        QCOMPARE(hatTastatur(), QStringList({"Nein", "Nein"}));
        ordneZu(0, kA);
        QCOMPARE(hatTastatur(), QStringList({"Ja", "Nein"}));
        QVERIFY(m_manager->isGrabbed(kA.identifier()));
        ordneZu(1, kA);
        QCOMPARE(hatTastatur(), QStringList({"Nein", "Ja"}));
        QCOMPARE(tab.liste()->selectedRow(), 1);
        tab.resize(900, 420);
        bild(tab, "juroren_tastatur");
        QVERIFY(m_manager->isGrabbed(kA.identifier()));
        QVERIFY(!m_manager->isGrabbed(kB.identifier()));
    }

    // Every login gets a manager of its own; the previous one goes with its login.
    void nachAnmeldung()
    {
        MainWindow fenster(alsAdministrator());
        QPointer<KeyboardManager> erster = fenster.tastaturen();
        QVERIFY(erster);
        QVERIFY(fenster.meldeNeuAn());
        QVERIFY(erster.isNull());
        QVERIFY(fenster.tastaturen());
    }
};

KALVOR_REGISTER_TEST(TastaturZuordnungTest)

#include "tst_tastaturzuordnung.moc"
