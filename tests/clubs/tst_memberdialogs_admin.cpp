// The member administration (search, list, new, edit, delete) and the member search dialog,
// against the test database.

#include "memberdialogs.h"

#include "Clock.h"
#include "MessageBoxes.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliederSucheDialog.h"
#include "Mitgliederliste.h"
#include "Mitgliedersuche.h"
#include "Mitgliederverwaltung.h"
#include "TestRegistry.h"
#include "controllers/BenutzerController.h"
#include "controllers/FotographischerTitelController.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace memberdialogs;

namespace {



// The surnames a list shows, sorted.
QStringList surnames(const Mitgliederliste &list)
{
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.mitgliedAt(row)->getNachname();
    names.sort();
    return names;
}

int columnOf(const Mitgliederliste &list, int attribute)
{
    return list.model()->columnOfAttribute(attribute);
}

} // namespace

class MemberAdministrationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext(
            std::make_shared<FixedClock>(QDateTime(QDate(2026, 5, 14), QTime(10, 0))));
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        logEverythingToDatabase(*m_ctx);
        m_club = club(*m_ctx, QStringLiteral("312"), QStringLiteral("Fotoclub Innsbruck"));
        m_landesverband = club(*m_ctx, QStringLiteral("31"), QStringLiteral("Landesverband Tirol"));
        const auto add = [this](const Verein &verein, const char *nummer, const char *art,
                                const char *vorname, const char *nachname,
                                const QDate &austritt = QDate(), const char *jugend = "Nein") {
            return member(*m_ctx, verein, QLatin1String(nummer), QLatin1String(art),
                          QString::fromUtf8(vorname), QString::fromUtf8(nachname), austritt,
                          QLatin1String(jugend));
        };
        m_erika = add(*m_club, "1", "Club", "Erika", "Mustermann");
        add(*m_club, "2", "Club", "Max", "Muster", QDate(2020, 1, 1));
        add(*m_club, "3", "Club", "Anna", "Berger", QDate(2026, 5, 14)); // leaves today
        add(*m_club, "4", "Landesverband", "Ben", "Zukunft", QDate(2026, 5, 15));
        add(*m_club, "1000", "Nichtmitglied", "Nora", "Nicht", QDate(), "Ja");
        add(*m_landesverband, "12", "Club", "Eva", "Musterfrau");
        add(*m_landesverband, "13", "Club", "Paul", "Huber_Mayer");
    }

    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_erika.reset();
        m_club.reset();
        m_landesverband.reset();
        m_ctx.reset();
    }

    void search_data()
    {
        QTest::addColumn<bool>("inClub312");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("youth");
        QTest::addColumn<bool>("hideLeft");
        QTest::addColumn<QStringList>("found");

        const QStringList active{"Huber_Mayer", "Musterfrau", "Mustermann", "Nicht", "Zukunft"};
        QTest::newRow("all but those who left") << false << ""
                                                << ""
                                                << ""
                                                << ""
                                                << "" << true << active;
        QTest::newRow("everyone") << false << ""
                                  << ""
                                  << ""
                                  << ""
                                  << "" << false
                                  << QStringList{"Berger",     "Huber_Mayer", "Muster",
                                                 "Musterfrau", "Mustermann",  "Nicht",
                                                 "Zukunft"};
        QTest::newRow("club") << true << ""
                              << ""
                              << ""
                              << ""
                              << "" << true << QStringList{"Mustermann", "Nicht", "Zukunft"};
        QTest::newRow("number prefix")
            << false << "312"
            << ""
            << ""
            << ""
            << "" << true << QStringList{"Mustermann", "Nicht", "Zukunft"};
        QTest::newRow("number inside is no match") << false << "121"
                                                   << ""
                                                   << ""
                                                   << ""
                                                   << "" << false << QStringList();
        QTest::newRow("first name part in any case") << false << ""
                                                     << "RIK"
                                                     << ""
                                                     << ""
                                                     << "" << true << QStringList{"Mustermann"};
        QTest::newRow("surname part of those still members")
            << false << ""
            << ""
            << "muster"
            << ""
            << "" << true << QStringList{"Musterfrau", "Mustermann"};
        QTest::newRow("underscore matches itself") << false << ""
                                                   << ""
                                                   << "_"
                                                   << ""
                                                   << "" << true << QStringList{"Huber_Mayer"};
        QTest::newRow("percent matches itself") << false << ""
                                                << ""
                                                << "%"
                                                << ""
                                                << "" << false << QStringList();
        QTest::newRow("member type") << false << ""
                                     << ""
                                     << ""
                                     << "Landesverband"
                                     << "" << true << QStringList{"Zukunft"};
        QTest::newRow("youth") << false << ""
                               << ""
                               << ""
                               << ""
                               << "Ja" << false << QStringList{"Nicht"};
    }

    void search()
    {
        QFETCH(bool, inClub312);
        QFETCH(QString, number);
        QFETCH(QString, firstName);
        QFETCH(QString, surname);
        QFETCH(QString, art);
        QFETCH(QString, youth);
        QFETCH(bool, hideLeft);
        QFETCH(QStringList, found);

        QPointer<Mitgliederverwaltung> window =
            new Mitgliederverwaltung(*m_ctx, inClub312 ? m_club.get() : nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Mitgliederverwaltung"));
        QVERIFY(!window->isModal());
        QAbstractItemModelTester tester(window->liste()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Mitgliedersuche *fields = window->suche();
        fields->mitgliedsnummerFeld()->setText(number);
        fields->vornameFeld()->setText(firstName);
        fields->nachnameFeld()->setText(surname);
        choose(fields->mitgliedsArtFeld(),
               art.isEmpty() ? -1 : code(*m_ctx, QStringLiteral("Mitgliedsart"), art));
        choose(fields->jugendFeld(),
               youth.isEmpty() ? -1 : code(*m_ctx, QStringLiteral("Jugend"), youth));
        fields->ausgetreteneAusblendenFeld()->setChecked(hideLeft);
        fields->suchenButton()->click();

        QCOMPARE(surnames(*window->liste()), found);
        QCOMPARE(window->anzahlText(), QStringLiteral("%1 Mitglieder gefunden").arg(found.size()));
        delete window;
    }

    void listColumns()
    {
        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, m_club.get());
        window->suche()->mitgliedsnummerFeld()->setText(QStringLiteral("312N"));
        window->suche()->suchenButton()->click();
        const Mitgliederliste *list = window->liste();
        QCOMPARE(list->rowCount(), 1);
        const QStringList headers{"Mitgliedsnummer",    "Vorname", "Nachname",
                                  "Mitgliedsart",       "Jugend",  "Geburtsdatum",
                                  "Beitrag bezahlt bis"};
        QCOMPARE(list->model()->columnCount(), int(headers.size()));
        for (int column = 0; column < headers.size(); ++column)
            QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(),
                     headers.at(column));
        QCOMPARE(list->model()->displayValue(0, 0).toString(), QStringLiteral("312N1000"));
        QCOMPARE(list->model()->displayValue(0, 3).toString(), QStringLiteral("Nichtmitglied"));
        QCOMPARE(list->model()->displayValue(0, 4).toString(), QStringLiteral("Ja"));
        QVERIFY(!button(window, "adressdaten")->isEnabled());
        delete window;
    }

    void activeClubIsPresetAndRestored()
    {
        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, m_club.get());
        Mitgliedersuche *fields = window->suche();
        QCOMPARE(fields->vereinFeld()->text(), QStringLiteral("Fotoclub Innsbruck (312)"));
        QVERIFY(fields->vereinFeld()->isReadOnly());
        fields->setzeVerein(m_landesverband.get());
        fields->vornameFeld()->setText(QStringLiteral("x"));
        fields->ausgetreteneAusblendenFeld()->setChecked(false);
        button(fields, "zuruecksetzen")->click();
        QCOMPARE(fields->vereinFeld()->text(), QStringLiteral("Fotoclub Innsbruck (312)"));
        QCOMPARE(fields->vornameFeld()->text(), QString());
        QVERIFY(fields->ausgetreteneAusblendenFeld()->isChecked());
        QVERIFY(window->anzahlText().isEmpty());
        delete window;
    }

    void newMemberIsAddedAndEditedRowRefreshed()
    {
        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, m_club.get());
        window->show();
        QAbstractItemModelTester tester(window->liste()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList status;
        connect(window, &Mitgliederverwaltung::statusMessage, this,
                [&status](const QString &message) { status << message; });
        window->suche()->suchenButton()->click();
        QCOMPARE(window->anzahlText(), QStringLiteral("3 Mitglieder gefunden"));
        QCOMPARE(status, QStringList{"3 Mitglieder gefunden"});

        // New: the active club is preset.
        button(window, "neu")->click();
        MitgliedBearbeitenDialog *dialog = openDialog<MitgliedBearbeitenDialog>(window);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Mitglied anlegen"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("verein"))->text(),
                 QStringLiteral("Fotoclub Innsbruck (312)"));
        choose(dialog->findChild<CodeValueComboBox *>(QStringLiteral("mitgliedsArt")),
               code(*m_ctx, QStringLiteral("Mitgliedsart"), QStringLiteral("Club")));
        button(dialog, "nummerVorschlagen")->click();
        type(dialog->findChild<QLineEdit *>(QStringLiteral("vorname")), QStringLiteral("Neo"));
        type(dialog->findChild<QLineEdit *>(QStringLiteral("nachname")), QStringLiteral("Neu"));
        button(dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(window->liste()->rowCount(), 4);
        QCOMPARE(window->anzahlText(), QStringLiteral("4 Mitglieder gefunden"));
        const int newRow = window->liste()->selectedRow();
        QCOMPARE(window->liste()->mitgliedAt(newRow)->getMitgliedsNummerKomplett(),
                 QStringLiteral("3125C")); // 1 to 4 are taken, also by those who left
        QCOMPARE(count("Mitglied"), 8);

        // Edit by double click: the row shows the change.
        const int erikaRow = window->liste()->zeileVon(m_erika->getId());
        window->liste()->selectRow(erikaRow);
        emit window->liste()->tableView()->doubleClicked(
            window->liste()->model()->index(erikaRow, 0));
        dialog = openDialog<MitgliedBearbeitenDialog>(window);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Mitglied bearbeiten"));
        type(dialog->findChild<QLineEdit *>(QStringLiteral("vorname")), QStringLiteral("Erica"));
        button(dialog, "speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        const int column = columnOf(*window->liste(), Mitglied::vornameRow);
        QCOMPARE(window->liste()->model()->data(window->liste()->model()->index(erikaRow, column)),
                 QVariant(QStringLiteral("Erica")));
        QCOMPARE(MitgliedController().readById(*m_ctx, m_erika->getId())->getVorname(),
                 QStringLiteral("Erica"));

        // View.
        window->liste()->selectRow(erikaRow);
        button(window, "ansehen")->click();
        dialog = openDialog<MitgliedBearbeitenDialog>(window);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Mitglied ansehen"));
        button(dialog, "speichern")->click();
        QVERIFY(!openDialog<MitgliedBearbeitenDialog>(window));
        delete window;
    }

    void nothingHappensWithoutSelection()
    {
        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, nullptr);
        window->show();
        for (const char *name : {"ansehen", "bearbeiten", "loeschen"})
            button(window, name)->click();
        QVERIFY(!openDialog<MitgliedBearbeitenDialog>(window));
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(count("Mitglied"), 7);
        delete window;
    }

    void deletion_data()
    {
        QTest::addColumn<QStringList>("links"); // what refers to Erika Mustermann
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("deleted");

        const QString userText =
            "Das Mitglied Erika Mustermann kann nicht geloescht werden. Es ist als Mitglied des "
            "Benutzers %1 eingetragen.  Daher muss zunaechst diese Verknuepfung ueber die "
            "Benutzerverwaltung geloest oder der Benutzer geloescht werden.";
        const QString competitionText =
            "Das Mitglied Erika Mustermann kann nicht geloescht werden. Es ist im Wettbewerb "
            "Landesmeisterschaft mit der Nummer 2026-01 entweder als Teilnehmer oder als Juror "
            "taetig (gewesen).";
        const QString question =
            "Wollen Sie das Mitglied mit dem Namen Erika Mustermann wirklich loeschen? \n\nWenn "
            "Sie mit Ja antworten, werden das Mitglied und seine fotographischen Titel geloescht.";
        QTest::newRow("linked user") << QStringList{"user", "participant"} << true << "critical"
                                     << "Loeschen nicht moeglich" << userText.arg("erika") << false;
        QTest::newRow("linked user without name")
            << QStringList{"nameless user"} << true << "critical"
            << "Loeschen nicht moeglich" << userText.arg("(ohne Benutzername)") << false;
        QTest::newRow("participant") << QStringList{"participant"} << true << "critical"
                                     << "Loeschen nicht moeglich" << competitionText << false;
        QTest::newRow("juror") << QStringList{"juror"} << true << "critical"
                               << "Loeschen nicht moeglich" << competitionText << false;
        QTest::newRow("answered no") << QStringList{"title", "function"} << false << "question"
                                     << "Mitglied wirklich loeschen?" << question << false;
        QTest::newRow("answered yes") << QStringList{"title", "function"} << true << "question"
                                      << "Mitglied wirklich loeschen?" << question << true;
    }

    void deletion()
    {
        QFETCH(QStringList, links);
        QFETCH(bool, answer);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, deleted);

        Wettbewerb competition;
        competition.setName(QStringLiteral("Landesmeisterschaft"));
        competition.setNummer(QStringLiteral("2026-01"));
        WettbewerbController().insertOrUpdate(*m_ctx, competition);
        for (const QString &link : links) {
            if (link.endsWith(QLatin1String("user"))) {
                Benutzer user;
                user.setMitglied(m_erika->getId());
                if (link == QLatin1String("user"))
                    user.setBenutzername(QStringLiteral("erika"));
                BenutzerController().insertOrUpdate(*m_ctx, user);
            } else if (link == QLatin1String("participant")) {
                WettbewerbsTeilnahme entry;
                entry.setMitglied(m_erika->getId());
                entry.setWettbewerb(competition.getId());
                WettbewerbsTeilnahmeController().insertOrUpdate(*m_ctx, entry);
            } else if (link == QLatin1String("juror")) {
                JuriertBei juror;
                juror.setMitglied(m_erika->getId());
                juror.setWettbewerb(competition.getId());
                JuriertBeiController().insertOrUpdate(*m_ctx, juror);
            } else if (link == QLatin1String("title")) {
                FotographischerTitel titel;
                titel.setMitglied(m_erika->getId());
                titel.setTitel(QStringLiteral("AFIAP"));
                FotographischerTitelController().insertOrUpdate(*m_ctx, titel);
            } else if (link == QLatin1String("function")) {
                Funktionstraeger official;
                official.setMitglied(m_erika->getId());
                official.setVerein(m_club->getId());
                official.setFunktion(QStringLiteral("Kassier"));
                FunktionstraegerController().insertOrUpdate(*m_ctx, official);
            }
        }

        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, m_club.get());
        QAbstractItemModelTester tester(window->liste()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        window->suche()->suchenButton()->click();
        const int row = window->liste()->zeileVon(m_erika->getId());
        window->liste()->selectRow(row);
        if (kind == QLatin1String("question"))
            m_boxes->answer(answer);
        button(window, "loeschen")->click();

        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown()[0].kind, kind);
        QCOMPARE(m_boxes->shown()[0].title, title);
        QCOMPARE(m_boxes->shown()[0].text, text);
        if (kind == QLatin1String("critical"))
            QCOMPARE(loggedErrors(), QStringList{title});
        const std::string erika = std::to_string(m_erika->getId());
        QCOMPARE(scalar("SELECT COUNT(*) FROM Mitglied WHERE id = " + erika),
                 deleted ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(window->liste()->zeileVon(m_erika->getId()) < 0, deleted);
        QCOMPARE(window->liste()->rowCount(), deleted ? 2 : 3);
        QCOMPARE(window->anzahlText(), deleted ? QStringLiteral("2 Mitglieder gefunden")
                                               : QStringLiteral("3 Mitglieder gefunden"));
        if (deleted) {
            QCOMPARE(scalar("SELECT COUNT(*) FROM FotographischerTitel WHERE mitglied = " + erika),
                     QStringLiteral("0"));
            QCOMPARE(scalar("SELECT COUNT(*) FROM Funktionstraeger WHERE mitglied = " + erika),
                     QStringLiteral("0"));
        }
        QCOMPARE(count("Mitglied"), deleted ? 6 : 7);
        delete window;
    }

    void screenshot()
    {
        Mitgliederverwaltung *window = new Mitgliederverwaltung(*m_ctx, m_club.get());
        window->suche()->ausgetreteneAusblendenFeld()->setChecked(false);
        window->suche()->suchenButton()->click();
        window->show();
        QVERIFY(window->grab().save(screenshotPath(QStringLiteral("mitgliederverwaltung.png"))));
        delete window;
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<Verein> m_club;
    std::unique_ptr<Verein> m_landesverband;
    std::unique_ptr<Mitglied> m_erika;
};

// "Mitglied auswaehlen", alone and restricted to a set of members.
class MemberSearchDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        const auto verein = club(*m_ctx, QStringLiteral("312"), QStringLiteral("Fotoclub"));
        for (const char *name : {"Ahorn", "Birke", "Eiche", "Linde"})
            m_ids << member(*m_ctx, *verein, QString::number(m_ids.size() + 1),
                            QStringLiteral("Club"), QStringLiteral("Baum"), QLatin1String(name))
                         ->getId();
    }

    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_ids.clear();
        m_ctx.reset();
    }

    void choosing_data()
    {
        QTest::addColumn<QList<int>>("allowed"); // indexes into m_ids; empty list: no set
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("everyone") << QList<int>() << false
                                  << QStringList{"Ahorn", "Birke", "Eiche", "Linde"};
        QTest::newRow("restricted") << QList<int>{1, 3} << true << QStringList{"Birke", "Linde"};
        QTest::newRow("empty set") << QList<int>() << true << QStringList();
    }

    void choosing()
    {
        QFETCH(QList<int>, allowed);
        QFETCH(bool, restricted);
        QFETCH(QStringList, shown);
        QSet<qlonglong> ids;
        for (int index : allowed)
            ids.insert(m_ids.at(index));
        MitgliederSucheDialog dialog(*m_ctx, nullptr, restricted ? &ids : nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Mitglied auswaehlen"));
        auto *list = dialog.findChild<Mitgliederliste *>();
        QAbstractItemModelTester tester(list->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        dialog.findChild<Mitgliedersuche *>()->suchenButton()->click();
        QCOMPARE(surnames(*list), shown);

        dialog.show();
        if (shown.isEmpty()) {
            button(&dialog, "auswaehlen")->click(); // nothing to choose: stays open
            QVERIFY(dialog.isVisible());
            button(&dialog, "abbrechen")->click();
            QVERIFY(!dialog.gewaehltesMitglied());
            return;
        }
        list->selectRow(list->rowCount() - 1);
        const QString expected = list->mitgliedAt(list->rowCount() - 1)->getNachname();
        button(&dialog, "auswaehlen")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::unique_ptr<Mitglied> chosen = dialog.gewaehltesMitglied();
        QVERIFY(chosen);
        QCOMPARE(chosen->getNachname(), expected);
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    QList<qlonglong> m_ids;
};

KALVOR_REGISTER_TEST(MemberAdministrationTest)
KALVOR_REGISTER_TEST(MemberSearchDialogTest)

#include "tst_memberdialogs_admin.moc"
