// The member dialog with its two tabs and the title dialog, against the test database.

#include "memberdialogs.h"

#include "Clock.h"
#include "ListWidget.h"
#include "MessageBoxes.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliedBearbeitenWidget.h"
#include "MitgliedTitelWidget.h"
#include "OutputCapture.h"
#include "TestRegistry.h"
#include "TitelBearbeitenDialog.h"
#include "controllers/FotographischerTitelController.h"
#include "entities/FotographischerTitel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

using namespace memberdialogs;

namespace {

const QString kDatumHinweis = QStringLiteral(" ist kein korrektes Datum. \n\nDatumsangaben muessen "
                                             "in der Form dd.mm.yyyy getaetigt werden.");

template <typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}



} // namespace

class MemberDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void init()
    {
        TestDatabase::reinstall();
        m_clock = std::make_shared<FixedClock>(QDateTime(QDate(2026, 5, 14), QTime(10, 0)));
        m_ctx = TestDatabase::openContext(m_clock);
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        logEverythingToDatabase(*m_ctx);
        m_club = club(*m_ctx, QStringLiteral("312"), QStringLiteral("Fotoclub Innsbruck"));
        m_landesverband = club(*m_ctx, QStringLiteral("31"), QStringLiteral("Landesverband Tirol"));
        m_erika = member(*m_ctx, *m_club, QStringLiteral("5"), QStringLiteral("Club"),
                         QStringLiteral("Erika"), QStringLiteral("Muster"));
        member(*m_ctx, *m_club, QStringLiteral("6"), QStringLiteral("Dachverband"),
               QStringLiteral("Hans"), QStringLiteral("Huber"));
    }

    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_erika.reset();
        m_club.reset();
        m_landesverband.reset();
        m_ctx.reset();
    }

    void windowTitlesAndButtons_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("store");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("NEU") << int(Modus::NEU) << "Mitglied anlegen"
                             << "Mitglied &speichern" << true;
        QTest::newRow("BEARBEITEN") << int(Modus::BEARBEITEN) << "Mitglied bearbeiten"
                                    << "Aenderungen &speichern" << true;
        QTest::newRow("ANSEHEN") << int(Modus::ANSEHEN) << "Mitglied ansehen"
                                 << "S&chliessen" << false;
    }

    void windowTitlesAndButtons()
    {
        QFETCH(int, modus);
        QFETCH(QString, title);
        QFETCH(QString, store);
        QFETCH(bool, cancel);
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus(modus),
                                        Modus(modus) == Modus::NEU ? nullptr : m_erika.get());
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(button(&dialog, "speichern")->text(), store);
        QCOMPARE(button(&dialog, "abbrechen") != nullptr, cancel);
        auto *tabs = child<QTabWidget>(&dialog, "reiter");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("&Mitgliedsdaten"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("&Titel"));
    }

    // Every check of storing a member, in its order: title and text of the box, the logged
    // line, and nothing stored.
    void storeChecks_data()
    {
        QTest::addColumn<QString>("clubNumber"); // "312", "31" or "" for no club
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("log");

        const auto row = [](const char *name, const QString &clubNumber, QVariantMap fields,
                            const QString &title, const QString &text, const QString &log) {
            QTest::newRow(name) << clubNumber << fields << title << text << log;
        };
        const auto valid = [](QVariantMap extra) {
            QVariantMap fields{{"mitgliedsNummerImVerein", "7"},
                               {"mitgliedsArt", "Club"},
                               {"vorname", "Max"},
                               {"nachname", "Neu"}};
            for (auto it = extra.cbegin(); it != extra.cend(); ++it)
                fields[it.key()] = it.value();
            return fields;
        };

        row("no club", "", {{"mitgliedsNummerImVerein", "1"}, {"mitgliedsArt", "Club"}},
            "Kein Verein ausgewaehlt", "Bitte waehlen Sie einen Verein fuer das Mitglied aus.",
            "Kein Verein ausgewaehlt");
        row("no complete number", "312", {}, QString::fromUtf8("Mussfeld nicht ausgefüllt"),
            QString::fromUtf8("Das Feld Mitgliedsnummer muss immer ausgefüllt werden."),
            QString::fromUtf8("Mussfeld nicht ausgefüllt"));
        row("internal number taken in the club", "312",
            {{"mitgliedsNummerImVerein", "5"}, {"mitgliedsArt", "Club"}},
            "Vereinsinterne Nummer schon vergeben",
            "Bitte waehlen Sie eine andere Nummer aus, oder lassen Sie sich eine noch freie "
            "vorschlagen.",
            "Mitgliedsnummer schon vergeben");
        row("internal number unset", "312", {{"mitgliedsArt", "Club"}},
            "Vereinsinterne Nummer nicht angegeben",
            "Bitte geben Sie eine Mitgliedsnummer an, die innerhalb des Vereins eindeutig ist.",
            "Vereinsinterne Nummer nicht angegeben");
        row("member type unset", "312", {{"mitgliedsNummerImVerein", "8"}},
            "Mitgliedsart nicht angegeben", "Bitte geben Sie eine Mitgliedsart an",
            "Mitgliedsart nicht angegeben");
        row("four digits for a club member", "312",
            {{"mitgliedsNummerImVerein", "1234"}, {"mitgliedsArt", "Club"}},
            "Mitgliedsnummer zu lang",
            "Der vereinsinterne Teil der Mitgliedsnummer darf bei Club-, Landesverbands- und "
            "Dachverbandsmitgliedern hoechstens drei Stellen umfassen.\n\nBitte korrigieren Sie "
            "die Mitgliedsnummer.",
            "Mitgliedsnummer zu lang");
        // 31 + 26 gives 3126, the number of Hans Huber (312 + 6, Dachverband).
        row("complete number of another club's member", "31",
            {{"mitgliedsNummerImVerein", "26"}, {"mitgliedsArt", "Dachverband"}},
            "Mitgliedsnummer bereits vorhanden",
            "Die Mitgliedsnummer, die Sie gerade vergeben wollen, gibt es bereits in der "
            "Datenbank.\n\n  Bitte vergeben Sie eine andere Mitgliedsnummer.",
            "Mitgliedsnummer bereits vorhanden");
        const QString mailTitle = "Mailadresse nicht korrekt angegeben.";
        const QString mailText = "Die Mailadresse muss ein @-Zeichen enthalten.";
        row("mail without @", "312", valid({{"email", "max.example.org"}}), mailTitle, mailText,
            mailTitle);
        const QString phoneTitle = "Format der Telefonnummer";
        const QString phoneText =
            "Die Telefonnummer muss nach dem Muster +43-512-123456 aufgebaut sein";
        row("telephone without plus", "312", valid({{"telefon", "43-512-123456"}}), phoneTitle,
            phoneText, phoneTitle);
        row("mobile", "312", valid({{"mobil", "+43-676"}}), "Format der Mobilfunknummer",
            "Die Mobilfunknummer muss nach dem Muster +43-676-123456 aufgebaut sein",
            "Format der Mobilfunknummer");
        row("leaving date before birth date", "312",
            valid({{"datumAustrittInput", "31.02.2020"}, {"datumGeburtInput", "x"}}),
            "Austrittsdatum nicht korrekt angegeben",
            "Der als Austrittsdatum angegebene Text 31.02.2020" + kDatumHinweis,
            "Austrittsdatum nicht korrekt angegeben.");
        row("joining date", "312", valid({{"datumEintrittInput", "1.1.20x"}}),
            "Eintrittsdatum nicht korrekt angegeben",
            "Der als Eintrittsdatum angegebene Text 1.1.20x" + kDatumHinweis,
            "Eintrittsdatum nicht korrekt angegeben.");
        row("birth date before fee date", "312",
            valid({{"datumGeburtInput", "32.1.1990"}, {"beitragBezahltBisInput", "2026"}}),
            "Geburtsdatum nicht korrekt angegeben",
            "Der als Geburtsdatum angegebene Text 32.1.1990" + kDatumHinweis,
            "Geburtsdatum nicht korrekt angegeben.");
        row("fee paid until", "312", valid({{"beitragBezahltBisInput", "2026"}}),
            "Beitrag bezahlt bis nicht korrekt angegeben",
            "Der im Feld Beitrag bezahlt bis angegebene Text 2026" + kDatumHinweis,
            "Beitrag bezahlt bis nicht korrekt angegeben.");
    }

    void storeChecks()
    {
        QFETCH(QString, clubNumber);
        QFETCH(QVariantMap, fields);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, log);

        Mitglied preset;
        if (clubNumber == QLatin1String("312"))
            preset.setVerein(m_club->getId());
        else if (clubNumber == QLatin1String("31"))
            preset.setVerein(m_landesverband->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        dialog.show();
        fill(dialog, fields);
        int added = 0;
        connect(&dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
                [&added] { ++added; });
        m_boxes->clear();
        button(&dialog, "speichern")->click();

        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown()[0].kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes->shown()[0].title, title);
        QCOMPARE(m_boxes->shown()[0].text, text);
        QCOMPARE(loggedErrors(), QStringList{log});
        QVERIFY(dialog.isVisible());
        QCOMPARE(added, 0);
        QCOMPARE(count("Mitglied"), 2);
    }

    void validMemberIsStored()
    {
        Mitglied preset;
        preset.setVerein(m_club->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        dialog.show();
        fill(dialog, {{"mitgliedsNummerImVerein", "7"},
                      {"mitgliedsArt", "Club"},
                      {"anrede", "Frau"},
                      {"vorname", "Maria"},
                      {"nachname", "Neu"},
                      {"jugend", "Ja"},
                      {"datumGeburtInput", "3.4.2010"},
                      {"datumEintrittInput", "01.01.2024"},
                      {"beitragBezahltBisInput", "31.12.2026"},
                      {"email", "maria@example.org"},
                      {"telefon", "+43-512-123456"},
                      {"mobil", "+43-676-1-2"},
                      {"staat", "AT"},
                      {"ort", "Innsbruck"}});
        QList<qlonglong> added;
        connect(&dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
                [&added](const Mitglied &mitglied) { added << mitglied.getId(); });
        button(&dialog, "speichern")->click();

        QVERIFY2(m_boxes->shown().empty(),
                 qPrintable(m_boxes->shown().empty() ? QString() : m_boxes->shown()[0].text));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(added.size(), 1);
        const auto stored = MitgliedController().readById(*m_ctx, added.first());
        QVERIFY(stored);
        QCOMPARE(stored->getMitgliedsNummerKomplett(), QStringLiteral("3127C"));
        QCOMPARE(stored->getVorname(), QStringLiteral("Maria"));
        QCOMPARE(stored->getAnrede(), QStringLiteral("Frau"));
        QCOMPARE(stored->getDatumGeburt(), QDate(2010, 4, 3));
        QCOMPARE(stored->getDatumEintritt(), QDate(2024, 1, 1));
        QCOMPARE(stored->getBeitragBezahltBis(), QDate(2026, 12, 31));
        QVERIFY(!stored->hasDatumAustritt());
        QCOMPARE(stored->getJugend(), code(*m_ctx, "Jugend", "Ja"));
        QCOMPARE(stored->getStaat(), code(*m_ctx, "Staat", "AT"));
        QVERIFY(!stored->hasSkype()); // an empty field stores no empty text
    }

    // The examples of the numbering: club 312, internal number 7.
    void numbersThroughTheDialog_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("complete");
        QTest::addColumn<QString>("key");
        QTest::newRow("Club") << "Club"
                              << "7"
                              << "3127C"
                              << "3127";
        QTest::newRow("Nichtmitglied") << "Nichtmitglied"
                                       << "7"
                                       << "312N7"
                                       << "3127";
        QTest::newRow("Dachverband") << "Dachverband"
                                     << "7"
                                     << "3127"
                                     << "3127";
        QTest::newRow("Landesverband") << "Landesverband"
                                       << "7"
                                       << "3127L"
                                       << "3127";
        QTest::newRow("four digits for a non-member") << "Nichtmitglied"
                                                      << "1234"
                                                      << "312N1234"
                                                      << "3121234";
    }

    void numbersThroughTheDialog()
    {
        QFETCH(QString, art);
        QFETCH(QString, number);
        QFETCH(QString, complete);
        QFETCH(QString, key);
        Mitglied preset;
        preset.setVerein(m_club->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        dialog.show();
        auto *shown = child<QLineEdit>(&dialog, "mitgliedsNummerKomplett");
        QVERIFY(shown->isReadOnly());
        // First as a club member, then the type of the row: the number follows each change.
        fill(dialog, {{"mitgliedsArt", "Club"}, {"mitgliedsNummerImVerein", number}});
        QCOMPARE(shown->text(), QStringLiteral("312") + number + QStringLiteral("C"));
        fill(dialog, {{"mitgliedsArt", art}, {"vorname", "Nummer"}});
        QCOMPARE(shown->text(), complete);

        button(&dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        const auto stored = MitgliedController().readById(*m_ctx, dialog.mitglied().getId());
        QCOMPARE(stored->getMitgliedsNummerKomplett(), complete);
        QCOMPARE(stored->getMitgliedsNummerSchluessel(), key);
        QCOMPARE(stored->getMitgliedsNummerImVerein(), number);
    }

    // Storing a member without touching its number keeps the number, even when the club has
    // been renumbered since.
    void storedMemberIsNotRenumbered()
    {
        run("UPDATE Verein SET vereinsNummerKomplett = '999' WHERE vereinsNummerKomplett = '312'");
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get(), 0);
        dialog.show();
        QList<int> edited;
        connect(&dialog, &MitgliedBearbeitenDialog::mitgliedWurdeBearbeitet, this,
                [&edited](const Mitglied &, int row) { edited << row; });
        fill(dialog, {{"ort", "Hall"}});
        button(&dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(edited, QList<int>{0});
        const auto stored = MitgliedController().readById(*m_ctx, m_erika->getId());
        QCOMPARE(stored->getMitgliedsNummerKomplett(), QStringLiteral("3125C"));
        QCOMPARE(stored->getOrt(), QStringLiteral("Hall"));
    }

    void suggestNumber_data()
    {
        QTest::addColumn<bool>("withClub");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("taken"); // further club members' internal numbers
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("complete");
        QTest::addColumn<QString>("title"); // of the box, when one is expected
        QTest::addColumn<QString>("text");

        // 5 and 6 are taken by Erika Muster and Hans Huber.
        QTest::newRow("first free, padded numbers count")
            << true << "Club" << QStringList{"1", "002"} << "3"
            << "3123C" << QString() << QString();
        QTest::newRow("non-members from 1000")
            << true << "Nichtmitglied" << QStringList{"1"} << "1000"
            << "312N1000" << QString() << QString();
        QTest::newRow("no member type") << true << "" << QStringList() << ""
                                        << ""
                                        << "Noch keine Mitgliedsart ausgewaehlt"
                                        << "Bitte waehlen Sie zunaechst eine Mitgliedsart aus.";
        QTest::newRow("no club") << false << "Club" << QStringList() << ""
                                 << "C"
                                 << "Noch kein Verein ausgewaehlt"
                                 << "Bitte waehlen Sie zunaechst einen Verein aus.";
        QTest::newRow("type is asked for first")
            << false << "" << QStringList() << ""
            << ""
            << "Noch keine Mitgliedsart ausgewaehlt"
            << "Bitte waehlen Sie zunaechst eine Mitgliedsart aus.";
    }

    void suggestNumber()
    {
        QFETCH(bool, withClub);
        QFETCH(QString, art);
        QFETCH(QStringList, taken);
        QFETCH(QString, number);
        QFETCH(QString, complete);
        QFETCH(QString, title);
        QFETCH(QString, text);
        for (const QString &nummer : taken)
            member(*m_ctx, *m_club, nummer, QStringLiteral("Club"), QStringLiteral("Vergeben"),
                   nummer);
        Mitglied preset;
        if (withClub)
            preset.setVerein(m_club->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        fill(dialog, {{"mitgliedsArt", art}});
        m_boxes->clear();
        button(&dialog, "nummerVorschlagen")->click();

        if (title.isEmpty()) {
            QVERIFY(m_boxes->shown().empty());
        } else {
            QCOMPARE(m_boxes->shown().size(), size_t(1));
            QCOMPARE(m_boxes->shown()[0].title, title);
            QCOMPARE(m_boxes->shown()[0].text, text);
            QCOMPARE(loggedErrors(), QStringList{title + QLatin1Char('.')});
        }
        QCOMPARE(child<QLineEdit>(&dialog, "mitgliedsNummerImVerein")->text(), number);
        QCOMPARE(child<QLineEdit>(&dialog, "mitgliedsNummerKomplett")->text(), complete);
    }

    void currentYear_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("shown");
        QTest::newRow("January") << QDate(2026, 1, 1) << "31.12.2026";
        QTest::newRow("July") << QDate(2026, 7, 15) << "31.12.2026";
        QTest::newRow("New Year's Eve") << QDate(2027, 12, 31) << "31.12.2027";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "31.12.2028";
    }

    void currentYear()
    {
        QFETCH(QDate, today);
        QFETCH(QString, shown);
        m_clock->set(QDateTime(today, QTime(23, 59, 59)));
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get());
        dialog.show();
        button(&dialog, "aktuellesJahr")->click();
        QCOMPARE(child<QLineEdit>(&dialog, "beitragBezahltBisInput")->text(), shown);
        button(&dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(MitgliedController().readById(*m_ctx, m_erika->getId())->getBeitragBezahltBis(),
                 QDate(today.year(), 12, 31));
    }

    void clubDisplay_data()
    {
        QTest::addColumn<int>("which"); // 0: the member's club, 1: a missing club, 2: none
        QTest::addColumn<QString>("shown");
        QTest::newRow("club") << 0 << "Fotoclub Innsbruck (312)";
        QTest::newRow("missing club")
            << 1
            << QString::fromUtf8(
                   "Fehler: Vereinsreferenz im Mitglied nicht auflösbar oder nicht eindeutig.");
        QTest::newRow("no club") << 2 << "";
    }

    void clubDisplay()
    {
        QFETCH(int, which);
        QFETCH(QString, shown);
        Mitglied mitglied;
        mitglied.copyFrom(*m_erika);
        if (which == 1)
            mitglied.setVerein(987654);
        else if (which == 2)
            mitglied.setVereinNull();
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::ANSEHEN, &mitglied);
        QCOMPARE(child<QLineEdit>(&dialog, "verein")->text(), shown);
        QCOMPARE(dialog.mitgliedsDaten()->vereinsText(), shown);
    }

    void viewModeIsReadOnly()
    {
        storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        const QString before = scalar("SELECT mut_tist FROM Mitglied WHERE vorname = 'Erika'");
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::ANSEHEN, m_erika.get());
        dialog.show();
        QCOMPARE(dialog.modus(), Modus::ANSEHEN);
        const auto edits = dialog.findChildren<QLineEdit *>();
        QVERIFY(edits.size() >= 18);
        for (const QLineEdit *edit : edits)
            QVERIFY2(edit->isReadOnly(), qPrintable(edit->objectName()));
        const auto combos = dialog.findChildren<CodeValueComboBox *>();
        QCOMPARE(combos.size(), 3);
        for (const CodeValueComboBox *combo : combos)
            QVERIFY2(!combo->isEnabled(), qPrintable(combo->objectName()));
        for (const char *name :
             {"vereinWaehlen", "nummerVorschlagen", "aktuellesJahr", "hinzufuegen", "loeschen"})
            QVERIFY2(!button(&dialog, name)->isEnabled(), name);
        QCOMPARE(child<QLineEdit>(&dialog, "vorname")->text(), QStringLiteral("Erika"));
        QCOMPARE(child<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("EFIAP"));

        // The slots do nothing either.
        dialog.mitgliedsDaten()->trageAktuellesJahrEin();
        dialog.mitgliedsDaten()->schlageNummerVor();
        QCOMPARE(child<QLineEdit>(&dialog, "beitragBezahltBisInput")->text(), QString());
        QCOMPARE(child<QLineEdit>(&dialog, "mitgliedsNummerImVerein")->text(), QStringLiteral("5"));

        // A title opens for viewing only.
        QAbstractItemModelTester tester(dialog.titelWidget()->liste()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        dialog.titelWidget()->liste()->selectRow(0);
        QCOMPARE(button(dialog.titelWidget(), "bearbeiten")->text(), QStringLiteral("&Ansehen"));
        button(dialog.titelWidget(), "bearbeiten")->click();
        TitelBearbeitenDialog *titleDialog = openDialog<TitelBearbeitenDialog>(dialog.titelWidget());
        QVERIFY(titleDialog);
        QCOMPARE(titleDialog->windowTitle(), QStringLiteral("Informationen zum Titel"));
        QVERIFY(child<QLineEdit>(titleDialog, "titel")->isReadOnly());
        QVERIFY(!child<QCheckBox>(titleDialog, "hoechsterTitel")->isEnabled());
        QVERIFY(child<QCheckBox>(titleDialog, "hoechsterTitel")->isChecked());
        QVERIFY(!button(titleDialog, "abbrechen"));
        button(titleDialog, "speichern")->click();
        QVERIFY(!titleDialog->isVisible());

        // Closing asks nothing and writes nothing.
        button(&dialog, "speichern")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(scalar("SELECT mut_tist FROM Mitglied WHERE vorname = 'Erika'"), before);
    }

    void cancelAsksAndWritesNothing()
    {
        const qlonglong stored = storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get());
        dialog.show();
        fill(dialog, {{"vorname", "Erica"}});
        addTitle(dialog, QStringLiteral("MFIAP"), QStringLiteral("FIAP"), QString(), true);
        dialog.titelWidget()->liste()->selectRow(0);
        m_boxes->answer(true);
        button(dialog.titelWidget(), "loeschen")->click();
        QCOMPARE(dialog.titelWidget()->liste()->rowCount(), 1);

        m_boxes->clear();
        m_boxes->answer(false);
        button(&dialog, "abbrechen")->click();
        QVERIFY(dialog.isVisible());
        m_boxes->answer(true);
        dialog.reject(); // as Escape does
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_boxes->shown().size(), size_t(2));
        for (const auto &shown : m_boxes->shown()) {
            QCOMPARE(shown.kind, QStringLiteral("question"));
            QCOMPARE(shown.title, QStringLiteral("Wirklich abbrechen?"));
            QCOMPARE(shown.text,
                     QStringLiteral("Wollen Sie wirklich abbrechen?\n\nBitte beachten Sie, dass "
                                    "dadurch insbesondere alle im Reiter Titel getaetigten "
                                    "Aenderungen verloren gehen."));
        }
        QCOMPARE(count("FotographischerTitel"), 1);
        const auto erika = MitgliedController().readById(*m_ctx, m_erika->getId());
        QCOMPARE(erika->getVorname(), QStringLiteral("Erika"));
        QCOMPARE(erika->getHoechsterTitel(), stored);
    }

    void titlesAreStoredWithTheMember()
    {
        Mitglied preset;
        preset.setVerein(m_club->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        dialog.show();
        fill(dialog, {{"mitgliedsNummerImVerein", "7"},
                      {"mitgliedsArt", "Club"},
                      {"vorname", "Tina"},
                      {"nachname", "Titel"}});
        QAbstractItemModelTester tester(dialog.titelWidget()->liste()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        addTitle(dialog, QStringLiteral("AFIAP"), QStringLiteral("FIAP"),
                 QStringLiteral("1.5.2020"), true);
        addTitle(dialog, QStringLiteral("Landesmeister"), QStringLiteral("VERBAND"), QString(),
                 false);
        QCOMPARE(child<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("AFIAP"));
        QCOMPARE(count("FotographischerTitel"), 0); // nothing before the member is stored
        // A third title marked as highest takes the mark from the first.
        addTitle(dialog, QStringLiteral("EFIAP"), QStringLiteral("FIAP"), QString(), true);
        QCOMPARE(child<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("EFIAP"));
        const auto *model = dialog.titelWidget()->liste()->model();
        QCOMPARE(model->displayValue(0, 3).toString(), QStringLiteral("Nein"));
        QCOMPARE(model->displayValue(2, 3).toString(), QStringLiteral("Ja"));
        QCOMPARE(model->displayValue(0, 1).toString(), QStringLiteral("FIAP-Titel"));
        QCOMPARE(model->displayValue(0, 2).toString(), QStringLiteral("01.05.2020"));

        button(&dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        const qlonglong id = dialog.mitglied().getId();
        QCOMPARE(scalar("SELECT COUNT(*) FROM FotographischerTitel WHERE mitglied = " +
                        std::to_string(id)),
                 QStringLiteral("3"));
        QCOMPARE(scalar("SELECT titel.titel FROM Mitglied mitglied, FotographischerTitel titel "
                        "WHERE mitglied.hoechsterTitel = titel.id AND mitglied.id = " +
                        std::to_string(id)),
                 QStringLiteral("EFIAP"));
        QCOMPARE(scalar("SELECT datum FROM FotographischerTitel WHERE titel = 'AFIAP'"),
                 QStringLiteral("2020-05-01"));
    }

    void editingAndDeletingTitles()
    {
        storeTitle(*m_erika, QStringLiteral("AFIAP"), false);
        storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get());
        dialog.show();
        MitgliedTitelWidget *titles = dialog.titelWidget();
        QCOMPARE(titles->liste()->rowCount(), 2);
        const int highest =
            titles->liste()->model()->displayValue(0, 0).toString() == QLatin1String("EFIAP") ? 0
                                                                                              : 1;

        // Edit the other title: rename it.
        titles->liste()->selectRow(1 - highest);
        button(titles, "bearbeiten")->click();
        TitelBearbeitenDialog *titleDialog = openDialog<TitelBearbeitenDialog>(titles);
        QCOMPARE(titleDialog->windowTitle(), QStringLiteral("Titel bearbeiten"));
        QCOMPARE(button(titleDialog, "speichern")->text(),
                 QStringLiteral("Aenderungen &speichern"));
        QCOMPARE(child<QLineEdit>(titleDialog, "titel")->text(), QStringLiteral("AFIAP"));
        QCOMPARE(child<QLineEdit>(titleDialog, "datum")->text(), QStringLiteral("01.05.2020"));
        child<QLineEdit>(titleDialog, "titel")->setText(QStringLiteral("AFIAP/b"));
        button(titleDialog, "speichern")->click();

        // Delete the highest one.
        titles->liste()->selectRow(highest);
        m_boxes->answer(true);
        button(titles, "loeschen")->click();
        QCOMPARE(m_boxes->shown().back().title, QStringLiteral("Titel wirklich loeschen?"));
        QCOMPARE(m_boxes->shown().back().text,
                 QStringLiteral("Wollen Sie den fotographischen Titel EFIAP des Mitglieds Erika "
                                "Muster wirklich loeschen?"));
        QCOMPARE(child<QLineEdit>(&dialog, "hoechsterTitel")->text(), QString());

        button(&dialog, "speichern")->click();
        QCOMPARE(scalar("SELECT GROUP_CONCAT(titel) FROM FotographischerTitel"),
                 QStringLiteral("AFIAP/b"));
        QVERIFY(!MitgliedController().readById(*m_ctx, m_erika->getId())->hasHoechsterTitel());
    }

    void titleChecks_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("boxTitle");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("log");
        QTest::newRow("no title") << ""
                                  << ""
                                  << "x"
                                  << "Kein Titel angegeben"
                                  << "Bitte fuellen Sie das Feld Titel aus."
                                  << "Kein Titel angegeben";
        QTest::newRow("blank title") << "  "
                                     << "FIAP"
                                     << ""
                                     << "Kein Titel angegeben"
                                     << "Bitte fuellen Sie das Feld Titel aus."
                                     << "Kein Titel angegeben";
        QTest::newRow("no kind") << "EFIAP"
                                 << ""
                                 << "x"
                                 << "Keine Titelart angegeben"
                                 << "Bitte waehlen Sie im Feld Art eine der Moeglichkeiten aus."
                                 << "Keine Titelart angegeben";
        QTest::newRow("no date") << "EFIAP"
                                 << "FIAP"
                                 << "31.4.2020"
                                 << "Verleihungsdatum nicht korrekt angegeben"
                                 << "Der als Verleihungsdatum angegebene Text 31.4.2020" +
                                        kDatumHinweis
                                 << "Verleihungsdatum nicht korrekt angegeben.";
    }

    void titleChecks()
    {
        QFETCH(QString, title);
        QFETCH(QString, art);
        QFETCH(QString, date);
        QFETCH(QString, boxTitle);
        QFETCH(QString, boxText);
        QFETCH(QString, log);
        TitelBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Neuen Titel anlegen"));
        QCOMPARE(button(&dialog, "speichern")->text(), QStringLiteral("Neuen Titel &speichern"));
        int added = 0;
        connect(&dialog, &TitelBearbeitenDialog::neuerTitelHinzugefuegt, this,
                [&added] { ++added; });
        child<QLineEdit>(&dialog, "titel")->setText(title);
        choose(child<CodeValueComboBox>(&dialog, "art"),
               art.isEmpty() ? -1 : code(*m_ctx, "TitelArt", art));
        child<QLineEdit>(&dialog, "datum")->setText(date);
        button(&dialog, "speichern")->click();
        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown()[0].title, boxTitle);
        QCOMPARE(m_boxes->shown()[0].text, boxText);
        QCOMPARE(loggedErrors(), QStringList{log});
        QVERIFY(dialog.isVisible());
        QCOMPARE(added, 0);
    }

    // A failing statement keeps the dialog open with everything typed, and the database and
    // the member as they were, so that storing again works.
    void databaseErrorKeepsTheDialogOpen()
    {
        Mitglied preset;
        preset.setVerein(m_club->getId());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::NEU, &preset);
        dialog.show();
        fill(dialog, {{"mitgliedsNummerImVerein", "7"},
                      {"mitgliedsArt", "Club"},
                      {"vorname", "Fehler"},
                      {"nachname", "Fall"}});
        addTitle(dialog, QStringLiteral("AFIAP"), QStringLiteral("FIAP"), QString(), true);
        run("RENAME TABLE FotographischerTitel TO TitelWeg");
        QString errorOutput;
        {
            OutputCapture capture(2);
            button(&dialog, "speichern")->click();
            errorOutput = capture.text();
        }
        run("RENAME TABLE TitelWeg TO FotographischerTitel");
        QVERIFY2(errorOutput.contains(QLatin1String("Datenbankfehler: ")), qPrintable(errorOutput));
        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown()[0].title, QStringLiteral("Interner Datenbankfehler"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.mitglied().hasId());
        QCOMPARE(count("Mitglied"), 2);

        button(&dialog, "speichern")->click();
        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(count("Mitglied"), 3);
        QCOMPARE(count("FotographischerTitel"), 1);
    }

    void screenshot()
    {
        storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        m_erika->setOrt(QStringLiteral("Innsbruck"));
        m_erika->setEmail(QStringLiteral("erika@example.org"));
        m_erika->setDatumGeburt(QDate(1975, 3, 9));
        m_erika->setHoechsterTitel(scalar("SELECT id FROM FotographischerTitel").toLongLong());
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get());
        dialog.resize(1000, 560);
        dialog.show();
        QVERIFY(dialog.grab().save(screenshotPath(QStringLiteral("mitglied-bearbeiten.png"))));
    }

private:
    // Fills fields by object name: texts into line edits (with the end of editing), code
    // value names into combo boxes ("" chooses the empty entry).
    void fill(QDialog &dialog, const QVariantMap &fields)
    {
        static const QMap<QString, QString> codeTypes{
            {"mitgliedsArt", "Mitgliedsart"}, {"jugend", "Jugend"}, {"staat", "Staat"}};
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            if (codeTypes.contains(it.key())) {
                auto *combo = child<CodeValueComboBox>(&dialog, qPrintable(it.key()));
                QVERIFY2(combo, qPrintable(it.key()));
                const QString name = it.value().toString();
                choose(combo, name.isEmpty() ? -1 : code(*m_ctx, codeTypes[it.key()], name));
                continue;
            }
            auto *edit = child<QLineEdit>(&dialog, qPrintable(it.key()));
            QVERIFY2(edit, qPrintable(it.key()));
            type(edit, it.value().toString());
        }
    }

    void addTitle(MitgliedBearbeitenDialog &dialog, const QString &titel, const QString &art,
                  const QString &datum, bool hoechster)
    {
        MitgliedTitelWidget *titles = dialog.titelWidget();
        const int rows = titles->liste()->rowCount();
        button(titles, "hinzufuegen")->click();
        TitelBearbeitenDialog *titleDialog = openDialog<TitelBearbeitenDialog>(titles);
        QVERIFY(titleDialog);
        child<QLineEdit>(titleDialog, "titel")->setText(titel);
        choose(child<CodeValueComboBox>(titleDialog, "art"), code(*m_ctx, "TitelArt", art));
        child<QLineEdit>(titleDialog, "datum")->setText(datum);
        child<QCheckBox>(titleDialog, "hoechsterTitel")->setChecked(hoechster);
        button(titleDialog, "speichern")->click();
        QVERIFY(!titleDialog->isVisible());
        QCOMPARE(titles->liste()->rowCount(), rows + 1);
    }

    qlonglong storeTitle(Mitglied &mitglied, const QString &titel, bool hoechster)
    {
        FotographischerTitel title;
        title.setMitglied(mitglied.getId());
        title.setTitel(titel);
        title.setArt(code(*m_ctx, QStringLiteral("TitelArt"), QStringLiteral("FIAP")));
        title.setDatum(QDate(2020, 5, 1));
        FotographischerTitelController().insertOrUpdate(*m_ctx, title);
        if (hoechster) {
            mitglied.setHoechsterTitel(title.getId());
            MitgliedController().insertOrUpdate(*m_ctx, mitglied);
        }
        return title.getId();
    }

    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<Verein> m_club;
    std::unique_ptr<Verein> m_landesverband;
    std::unique_ptr<Mitglied> m_erika;
};

KALVOR_REGISTER_TEST(MemberDialogTest)

#include "tst_memberdialogs.moc"
