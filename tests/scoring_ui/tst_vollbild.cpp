#include "EinzelwertungBearbeitenDialog.h"
#include "MessageBoxes.h"
#include "OutputCapture.h"
#include "PersistenceException.h"
#include "Screenshot.h"
#include "TestRegistry.h"
#include "VollbildAnsehenDialog.h"
#include "VollbildWertungsDialog.h"
#include "WertungsAblauf.h"
#include "WettbewerbBilderWidget.h"
#include "controllers/EinzelWertungController.h"
#include "entities/Wertung.h"
#include "vollbildfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace VollbildFixture;

namespace {

// Answers the score dialogs that open modally from now on, one input per turn: a text is
// entered and stored ("abbrechen" cancels). Records each dialog's title.
class Eingaben : public QObject
{
public:
    explicit Eingaben(QStringList eingaben) : m_eingaben(std::move(eingaben))
    {
        connect(&m_takt, &QTimer::timeout, this, &Eingaben::antworte);
        m_takt.start(5);
    }
    QStringList titel;
    bool uebrig() const { return !m_eingaben.isEmpty(); }

private:
    void antworte()
    {
        auto *dialog = qobject_cast<EinzelwertungBearbeitenDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        titel.append(dialog->windowTitle());
        const QString eingabe = m_eingaben.isEmpty() ? QStringLiteral("abbrechen")
                                                     : m_eingaben.takeFirst();
        if (eingabe == QLatin1String("abbrechen")) {
            dialog->reject();
            return;
        }
        dialog->feld()->setText(eingabe);
        dialog->speichern();
    }
    QStringList m_eingaben;
    QTimer m_takt;
};

const QString kSqlWert = QStringLiteral("SELECT GROUP_CONCAT(IFNULL(e.bewertung, '-') ORDER BY "
                                        "e.juror) FROM EinzelWertung e JOIN Wertung w ON "
                                        "e.wertung = w.id WHERE w.positionImDurchgang = %1");

} // namespace

// The full-screen scoring dialog with simulated keypads and the full-screen viewer, off screen.
class VollbildTest : public QObject
{
    Q_OBJECT

    RecordingMessageBoxes m_boxen;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<TestTastaturen> m_tastaturen;
    Runde m_runde;

    std::unique_ptr<VollbildWertungsDialog> dialog()
    {
        auto d = std::make_unique<VollbildWertungsDialog>(
            *m_ctx, *m_runde.daten.wettbewerb, *m_runde.durchgang, m_tastaturen.get(),
            WertungsHelper::juroren(*m_ctx, *m_runde.durchgang));
        d->setup();
        d->show();
        return d;
    }
    // Every juror presses; `werte` one score per juror.
    void alleDruecken(std::initializer_list<int> werte)
    {
        int juror = 0;
        for (const int wert : werte)
            m_tastaturen->druecke(geraet(juror++), wert);
    }
    static QString wertungen(int position)
    {
        return QString::fromStdString(TestDatabase::scalar(kSqlWert.arg(position).toStdString()));
    }
    static QStringList spalte(const VollbildWertungsDialog &d)
    {
        QStringList werte;
        for (int i = 0; i < d.liste()->rowCount(); ++i)
            werte.append(d.liste()->item(i, 2)->text());
        return werte;
    }

private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        MessageBoxes::install(&m_boxen);
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_tastaturen = std::make_unique<TestTastaturen>(*m_ctx);
        m_runde = legeRundeAn(*m_ctx, 3, 3, zeichneJpeg(480, 320));
    }
    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_boxen = RecordingMessageBoxes();
        m_runde = Runde();
        m_tastaturen.reset();
        m_ctx.reset();
    }

    // A whole round through the keypads: the panel hides while the jurors score and shows
    // when all have; a later press overwrites; "0" scores 10; a foreign keypad changes
    // nothing; each confirm shows the next picture at once (decoded ahead); the last one
    // finishes the round.
    void ganzeRunde()
    {
        auto d = dialog();
        QTest::keyClick(d.get(), Qt::Key_V);
        QCOMPARE(d->ablauf().position(), 0);
        d->vorlader().warte();
        QCOMPARE(d->flaeche()->bildDaten(), d->ablauf().aktuellesBild()->getBildDaten());
        QVERIFY(!d->flaeche()->bild().isNull());
        QVERIFY(!d->kontrollWidgetSichtbar());
        for (int nr = 0; nr < 3; ++nr) {
            m_tastaturen->druecke(geraet(0), 3);
            m_tastaturen->druecke(geraet(0), 4); // overwrites
            m_tastaturen->druecke(geraet(7), 9); // nobody's keypad
            m_tastaturen->druecke(geraet(1), 10);
            QCOMPARE(spalte(*d), QStringList({"4", "10", ""}));
            QVERIFY(!d->kontrollWidgetSichtbar());
            if (nr == 1) {
                QTest::keyClick(d.get(), Qt::Key_Escape);
                QVERIFY(d->isVisible());
                d->vorlader().warte();
                bild(*d, QStringLiteral("vollbild-wertung-mit-kontrolle"));
                QTest::keyClick(d.get(), Qt::Key_V);
                bild(*d, QStringLiteral("vollbild-wertung-ohne-kontrolle"));
            }
            m_tastaturen->druecke(geraet(2), 1 + nr);
            QVERIFY(d->kontrollWidgetSichtbar());
            QCOMPARE(d->ablauf().aktuelleWertung()->getBewertung(), 15 + nr);
            d->vorlader().warte();
            QTest::keyClick(d.get(), Qt::Key_N);
            if (nr < 2) {
                // The next picture is there in the same turn of the event loop.
                QCOMPARE(d->ablauf().position(), nr + 1);
                QCOMPARE(d->flaeche()->bildDaten(), d->ablauf().aktuellesBild()->getBildDaten());
                QVERIFY(!d->flaeche()->bild().isNull());
                QVERIFY(!d->kontrollWidgetSichtbar());
            }
        }
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Wertung abgeschlossen"));
        QCOMPARE(m_boxen.shown().back().text,
                 QStringLiteral("Es wurden alle Bilder bewertet. Damit kann die Jurierung des "
                                "Durchgangs jetzt beendet werden."));
        QCOMPARE(m_boxen.shown().size(), size_t(1));
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(wertungen(3), QStringLiteral("4,10,3"));
        QCOMPARE(TestDatabase::scalar("SELECT GROUP_CONCAT(bewertung ORDER BY "
                                      "positionImDurchgang) FROM Wertung"),
                 std::string("15,16,17"));
        QVERIFY(WertungsHelper::istStatus(
            *m_ctx, *DurchgangController().readById(*m_ctx, m_runde.durchgang->getId()), "BEENDET"));
    }

    void tasten_data()
    {
        QTest::addColumn<QList<int>>("tasten");
        QTest::addColumn<bool>("alleGewertet");
        QTest::addColumn<bool>("verbergenVorher");
        QTest::addColumn<QString>("erwartet");
        const QList<int> ignoriert{Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_Home,
                                   Qt::Key_End, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                                   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        QTest::newRow("N unvollstaendig") << QList<int>{Qt::Key_N} << false << true
                                          << "information:Wertung nicht vollstaendig";
        QTest::newRow("N vollstaendig") << QList<int>{Qt::Key_N} << true << true << "weiter";
        QTest::newRow("Return vollstaendig") << QList<int>{Qt::Key_Return} << true << true
                                             << "weiter";
        QTest::newRow("Return ohne Summe") << QList<int>{Qt::Key_Return} << false << true
                                           << "manuell:Neue Bewertung anlegen";
        QTest::newRow("B") << QList<int>{Qt::Key_B} << true << true
                           << "manuell:Bewertung bearbeiten";
        QTest::newRow("U") << QList<int>{Qt::Key_U} << false << true
                           << "question:Wirklich unterbrechen?";
        QTest::newRow("V") << QList<int>{Qt::Key_V} << false << false << "verborgen";
        QTest::newRow("Z") << QList<int>{Qt::Key_Z} << false << true << "sichtbar";
        QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << false << true << "sichtbar";
        QTest::newRow("Tastenfeld") << ignoriert << false << true << "ignoriert";
    }
    // The keys of the ordinary keyboard in the scoring dialog.
    void tasten()
    {
        QFETCH(QList<int>, tasten);
        QFETCH(bool, alleGewertet);
        QFETCH(bool, verbergenVorher);
        QFETCH(QString, erwartet);
        auto d = dialog();
        if (verbergenVorher)
            d->kontrollWidgetVerbergen();
        if (alleGewertet)
            alleDruecken({5, 6, 7});
        else
            m_tastaturen->druecke(geraet(1), 6);
        QVERIFY(d->kontrollWidgetSichtbar() == (alleGewertet || !verbergenVorher));
        Eingaben eingaben({QStringLiteral("abbrechen")});
        OutputCapture fehlerstrom(2);
        QStringList ignoriertZeilen;
        for (const int taste : tasten) {
            QTest::keyClick(d.get(), Qt::Key(taste));
            ignoriertZeilen.append(QStringLiteral("Ignoring key %1").arg(taste));
        }
        const bool ignoriert = erwartet == QLatin1String("ignoriert");
        QCOMPARE(fehlerstrom.lines().filter(QStringLiteral("Ignoring key")),
                 ignoriert ? ignoriertZeilen : QStringList());
        QVERIFY(d->isVisible()); // no key closes the dialog without a question
        QCOMPARE(d->ablauf().position(), erwartet == QLatin1String("weiter") ? 1 : 0);
        const QStringList art = erwartet.split(QLatin1Char(':'));
        if (art.front() == QLatin1String("manuell"))
            QCOMPARE(eingaben.titel, QStringList{art.back()});
        else
            QCOMPARE(eingaben.titel, QStringList());
        if (art.size() == 2 && art.front() != QLatin1String("manuell")) {
            QCOMPARE(m_boxen.shown().size(), size_t(1));
            QCOMPARE(m_boxen.shown().front().kind + ':' + m_boxen.shown().front().title, erwartet);
        } else {
            QCOMPARE(m_boxen.shown().size(), size_t(0));
        }
        if (ignoriert || erwartet == QLatin1String("verborgen"))
            QVERIFY(!d->kontrollWidgetSichtbar());
        if (erwartet == QLatin1String("sichtbar"))
            QVERIFY(d->kontrollWidgetSichtbar());
    }

    // Confirm with a score missing, back at the first image, back to correct a score that is
    // shown from the cache, interrupting and continuing with the same image.
    void zurueckUndUnterbrechen()
    {
        auto d = dialog();
        m_tastaturen->druecke(geraet(0), 5);
        d->bewertungBestaetigen();
        QCOMPARE(m_boxen.shown().back().text,
                 QStringLiteral("Mindestens ein Juror hat noch nicht gewertet. Die Jurierung kann "
                                "erst dann mit dem naechsten Bild fortgesetzt werden, wenn alle "
                                "Juroren gewertet haben."));
        d->zurueck();
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Kein vorheriges Bild vorhanden"));
        QCOMPARE(m_boxen.shown().back().text, QStringLiteral("Es gibt kein vorheriges Bild."));
        const qlonglong erstes = d->ablauf().aktuellesBild()->getBildDaten();
        alleDruecken({5, 6, 7});
        d->bewertungBestaetigen();
        d->vorlader().warte();
        d->zurueck();
        QCOMPARE(d->flaeche()->bildDaten(), erstes);
        QVERIFY(!d->flaeche()->bild().isNull()); // the previous picture stayed decoded
        QCOMPARE(spalte(*d), QStringList({"5", "6", "7"}));
        m_tastaturen->druecke(geraet(2), 2);
        QCOMPARE(wertungen(1), QStringLiteral("5,6,2"));
        QCOMPARE(d->ablauf().aktuelleWertung()->getBewertung(), 13);
        d->bewertungBestaetigen();
        QCOMPARE(d->ablauf().position(), 1);

        m_boxen.answer(false);
        QTest::keyClick(d.get(), Qt::Key_U);
        QVERIFY(d->isVisible());
        m_boxen.answer(true);
        QTest::keyClick(d.get(), Qt::Key_U);
        QCOMPARE(m_boxen.shown().back().text,
                 QStringLiteral("Wollen Sie die Jurierung wirklich unterbrechen? \n\nSie kann "
                                "danach jederzeit fortgesetzt werden."));
        QVERIFY(!d->isVisible());
        const qlonglong zweites = d->ablauf().aktuellesBild()->getId();
        d.reset();
        auto weiter = dialog();
        QCOMPARE(weiter->ablauf().position(), 1);
        QCOMPARE(weiter->ablauf().aktuellesBild()->getId(), zweites);
    }

    // The operator enters the scores one juror after the other; the range is checked; cancel
    // ends the sequence.
    void manuelleFolge()
    {
        auto d = dialog();
        m_tastaturen->druecke(geraet(0), 9);
        d->liste()->selectRow(0);
        Eingaben eingaben({"", "11", "7", "8", "abbrechen"});
        d->bewertungManuellSetzen();
        QVERIFY(!eingaben.uebrig());
        QCOMPARE(eingaben.titel,
                 QStringList({"Bewertung bearbeiten", "Bewertung bearbeiten", "Bewertung bearbeiten",
                              "Neue Bewertung anlegen", "Neue Bewertung anlegen"}));
        const QString bereich =
            QStringLiteral("Bitte geben Sie eine Bewertung im zulaessigen Bereich von 1 bis 10 ein.");
        QCOMPARE(m_boxen.shown().size(), size_t(2));
        QCOMPARE(m_boxen.shown()[0].title, QStringLiteral("Keine Bewertung eingegeben"));
        QCOMPARE(m_boxen.shown()[1].title, QStringLiteral("Bewertung nicht zulaessig"));
        QCOMPARE(m_boxen.shown()[1].text, bereich);
        QCOMPARE(wertungen(1), QStringLiteral("7,8,-"));
        QCOMPARE(spalte(*d), QStringList({"7", "8", ""}));
    }

    // A key press that the database refuses is shown once and not shown as stored.
    void speicherfehler()
    {
        auto d = dialog();
        m_tastaturen->druecke(geraet(0), 4);
        stoere("EinzelWertung", "UPDATE");
        m_tastaturen->druecke(geraet(1), 6);
        QCOMPARE(m_boxen.shown().size(), size_t(1));
        QCOMPARE(m_boxen.shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(spalte(*d), QStringList({"4", "", ""}));
        QCOMPARE(wertungen(1), QStringLiteral("4,-,-"));
    }

    // The viewer behind the images tab: it opens at the selected image, goes forwards and
    // back, V hides its panel, another key shows it again, C closes it.
    void ansehen()
    {
        WettbewerbBilderWidget reiter(*m_ctx, *m_runde.daten.wettbewerb, false);
        reiter.ansicht()->setCurrentIndex(reiter.modell()->index(1));
        QStringList gesehen;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<VollbildAnsehenDialog *>(QApplication::activeModalWidget());
            if (!d) {
                if (QWidget *anderer = QApplication::activeModalWidget())
                    anderer->close();
                return;
            }
            gesehen << d->zaehler()->text();
            QTest::keyClick(d, Qt::Key_Right);
            QTest::keyClick(d, Qt::Key_Right);
            gesehen << d->zaehler()->text();
            QTest::keyClick(d, Qt::Key_V);
            gesehen << QString::number(d->kontrollWidgetSichtbar());
            QTest::keyClick(d, Qt::Key_PageUp);
            gesehen << d->zaehler()->text() << QString::number(d->kontrollWidgetSichtbar());
            d->vorlader().warte();
            gesehen << QString::number(d->flaeche()->bild().isNull());
            QTest::keyClick(d, Qt::Key_C);
        });
        reiter.findChild<QPushButton *>(QStringLiteral("vollbild"))->click();
        QCOMPARE(gesehen, QStringList({"Aktuelles Bild: 2 von 3", "Aktuelles Bild: 3 von 3", "0",
                                       "Aktuelles Bild: 2 von 3", "1", "0"}));
    }

};

KALVOR_REGISTER_TEST(VollbildTest)

#include "tst_vollbild.moc"
