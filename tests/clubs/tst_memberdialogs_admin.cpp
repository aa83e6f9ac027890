// The member administration (search, list, new, edit, delete) and the member search dialog,
// against the test database.

#include "clubfixtures.h"

#include "MitgliedBearbeitenDialog.h"
#include "MitgliederSucheDialog.h"
#include "Mitgliederliste.h"
#include "Mitgliedersuche.h"
#include "Mitgliederverwaltung.h"
#include "TestRegistry.h"

#include <QTableView>

#include <map>

using namespace clubfixtures;

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

} // namespace

class MemberAdministrationTest : public DatenbankTest
{
    Q_OBJECT
protected:
    void legeAn() override
    {
        m_club = neuerVerein(*m_ctx, "312", "Fotoclub Innsbruck");
        m_landesverband = neuerVerein(*m_ctx, "31", "Landesverband Tirol");
        m_erika = neuesMitglied(*m_ctx, *m_club, "1", "Erika", "Mustermann");
        neuesMitglied(*m_ctx, *m_club, "2", "Max", "Muster", "Club", QDate(2020, 1, 1));
        neuesMitglied(*m_ctx, *m_club, "3", "Anna", "Berger", "Club",
                      QDate(2026, 5, 14)); // leaves today
        neuesMitglied(*m_ctx, *m_club, "4", "Ben", "Zukunft", "Landesverband", QDate(2026, 5, 15));
        neuesMitglied(*m_ctx, *m_club, "1000", "Nora", "Nicht", "Nichtmitglied", QDate(), "Ja");
        neuesMitglied(*m_ctx, *m_landesverband, "12", "Eva", "Musterfrau");
        neuesMitglied(*m_ctx, *m_landesverband, "13", "Paul", "Huber_Mayer");
    }

private slots:
    // The search fields (by object name); those who left are hidden unless said otherwise.
    void search_data()
    {
        QTest::addColumn<bool>("inClub312");
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QStringList>("found");

        const QVariantMap all{{"ausgetreteneAusblenden", false}};
        const QStringList club{"Mustermann", "Nicht", "Zukunft"};
        reihe("all but those who left", false, QVariantMap(),
              QStringList{"Huber_Mayer", "Musterfrau", "Mustermann", "Nicht", "Zukunft"});
        reihe("everyone", false, all,
              QStringList{"Berger", "Huber_Mayer", "Muster", "Musterfrau", "Mustermann", "Nicht",
                          "Zukunft"});
        reihe("club", true, QVariantMap(), club);
        reihe("number prefix", false, QVariantMap{{"mitgliedsnummer", "312"}}, club);
        reihe("number inside is no match", false,
              QVariantMap{{"mitgliedsnummer", "121"}, {"ausgetreteneAusblenden", false}},
              QStringList());
        reihe("first name part in any case", false, QVariantMap{{"vorname", "RIK"}},
              QStringList{"Mustermann"});
        reihe("surname part of those still members", false, QVariantMap{{"nachname", "muster"}},
              QStringList{"Musterfrau", "Mustermann"});
        reihe("underscore matches itself", false, QVariantMap{{"nachname", "_"}},
              QStringList{"Huber_Mayer"});
        reihe("percent matches itself", false,
              QVariantMap{{"nachname", "%"}, {"ausgetreteneAusblenden", false}}, QStringList());
        reihe("member type", false, QVariantMap{{"mitgliedsArt", "Landesverband"}},
              QStringList{"Zukunft"});
        reihe("youth", false, QVariantMap{{"jugend", "Ja"}, {"ausgetreteneAusblenden", false}},
              QStringList{"Nicht"});
    }

    void search()
    {
        QFETCH(bool, inClub312);
        QFETCH(QVariantMap, fields);
        QFETCH(QStringList, found);
        Mitgliederverwaltung window(*m_ctx, inClub312 ? m_club.get() : nullptr);
        QVERIFY(feld<QCheckBox>(window.suche(), "ausgetreteneAusblenden")->isChecked());
        fuelle(*m_ctx, window.suche(), fields);
        window.suche()->suchenButton()->click();
        QCOMPARE(surnames(*window.liste()), found);
        QCOMPARE(window.anzahlText(), QStringLiteral("%1 Mitglieder gefunden").arg(found.size()));
    }

    void activeClubIsPresetAndRestored()
    {
        Mitgliederverwaltung window(*m_ctx, m_club.get());
        Mitgliedersuche *fields = window.suche();
        QCOMPARE(fields->vereinFeld()->text(), QStringLiteral("Fotoclub Innsbruck (312)"));
        fields->setzeVerein(m_landesverband.get());
        fields->vornameFeld()->setText(QStringLiteral("x"));
        fields->ausgetreteneAusblendenFeld()->setChecked(false);
        knopf(fields, "zuruecksetzen")->click();
        QCOMPARE(fields->vereinFeld()->text(), QStringLiteral("Fotoclub Innsbruck (312)"));
        QCOMPARE(fields->vornameFeld()->text(), QString());
        QVERIFY(fields->ausgetreteneAusblendenFeld()->isChecked());
        QVERIFY(window.anzahlText().isEmpty());
    }

    void newMemberIsAddedAndEditedRowRefreshed()
    {
        Mitgliederverwaltung window(*m_ctx, m_club.get());
        window.show();
        Mitgliederliste *liste = window.liste();
        QStringList status;
        connect(&window, &Mitgliederverwaltung::statusMessage, this,
                [&status](const QString &message) { status << message; });
        window.suche()->suchenButton()->click();
        QCOMPARE(status, QStringList{"3 Mitglieder gefunden"});

        // New: the active club is preset.
        knopf(&window, "neu")->click();
        auto *dialog = offenerDialog<MitgliedBearbeitenDialog>(&window);
        QVERIFY(dialog);
        QCOMPARE(dialog->modus(), Modus::NEU);
        QCOMPARE(feld<QLineEdit>(dialog, "verein")->text(),
                 QStringLiteral("Fotoclub Innsbruck (312)"));
        fuelle(*m_ctx, dialog, {{"mitgliedsArt", "Club"}, {"vorname", "Neo"}, {"nachname", "Neu"}});
        knopf(dialog, "nummerVorschlagen")->click();
        knopf(dialog, "speichern")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList());
        QCOMPARE(liste->rowCount(), 4);
        QCOMPARE(window.anzahlText(), QStringLiteral("4 Mitglieder gefunden"));
        QCOMPARE(liste->mitgliedAt(liste->selectedRow())->getMitgliedsNummerKomplett(),
                 QStringLiteral("3125C")); // 1 to 4 are taken, also by those who left
        QCOMPARE(anzahl("Mitglied"), 8);

        // Edit by double click: the row shows the change.
        const int erikaRow = liste->zeileVon(m_erika->getId());
        liste->selectRow(erikaRow);
        emit liste->tableView()->doubleClicked(liste->model()->index(erikaRow, 0));
        dialog = offenerDialog<MitgliedBearbeitenDialog>(&window);
        QVERIFY(dialog);
        QCOMPARE(dialog->modus(), Modus::BEARBEITEN);
        fuelle(*m_ctx, dialog, {{"vorname", "Erica"}});
        knopf(dialog, "speichern")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList());
        const int column = liste->model()->columnOfAttribute(Mitglied::vornameRow);
        QCOMPARE(liste->model()->data(liste->model()->index(erikaRow, column)),
                 QVariant(QStringLiteral("Erica")));
        QCOMPARE(MitgliedController().readById(*m_ctx, m_erika->getId())->getVorname(),
                 QStringLiteral("Erica"));

        // View.
        liste->selectRow(erikaRow);
        knopf(&window, "ansehen")->click();
        dialog = offenerDialog<MitgliedBearbeitenDialog>(&window);
        QVERIFY(dialog);
        QCOMPARE(dialog->modus(), Modus::ANSEHEN);
        knopf(dialog, "schliessen")->click();
        QVERIFY(!offenerDialog<MitgliedBearbeitenDialog>(&window));
    }

    void nothingHappensWithoutSelection()
    {
        Mitgliederverwaltung window(*m_ctx, nullptr);
        window.show();
        for (const char *name : {"ansehen", "bearbeiten", "loeschen"})
            knopf(&window, name)->click();
        QVERIFY(!offenerDialog<MitgliedBearbeitenDialog>(&window));
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(anzahl("Mitglied"), 7);
    }

    void deletion_data()
    {
        QTest::addColumn<QStringList>("links"); // what refers to Erika Mustermann
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("box"); // kind: title / text
        QTest::addColumn<bool>("deleted");

        const QString userText = QStringLiteral(
            "critical: Loeschen nicht moeglich / Das Mitglied Erika Mustermann kann nicht "
            "geloescht werden. Es ist als Mitglied des Benutzers %1 eingetragen.  Daher muss "
            "zunaechst diese Verknuepfung ueber die Benutzerverwaltung geloest oder der Benutzer "
            "geloescht werden.");
        const QString competitionText = QStringLiteral(
            "critical: Loeschen nicht moeglich / Das Mitglied Erika Mustermann kann nicht "
            "geloescht werden. Es ist im Wettbewerb Landesmeisterschaft mit der Nummer 2026-01 "
            "entweder als Teilnehmer oder als Juror taetig (gewesen).");
        const QString question = QStringLiteral(
            "question: Mitglied wirklich loeschen? / Wollen Sie das Mitglied mit dem Namen Erika "
            "Mustermann wirklich loeschen? \n\nWenn Sie mit Ja antworten, werden das Mitglied und "
            "seine fotographischen Titel geloescht.");
        reihe("linked user", QStringList{"user", "participant"}, true, userText.arg("erika"),
              false);
        reihe("linked user without name", QStringList{"nameless user"}, true,
              userText.arg("(ohne Benutzername)"), false);
        reihe("participant", QStringList{"participant"}, true, competitionText, false);
        reihe("juror", QStringList{"juror"}, true, competitionText, false);
        reihe("answered no", QStringList{"title", "function"}, false, question, false);
        reihe("answered yes", QStringList{"title", "function"}, true, question, true);
    }

    void deletion()
    {
        QFETCH(QStringList, links);
        QFETCH(bool, answer);
        QFETCH(QString, box);
        QFETCH(bool, deleted);

        const std::string erika = id(m_erika->getId());
        run("INSERT INTO Wettbewerb (id, name, nummer) VALUES (1, 'Landesmeisterschaft', "
            "'2026-01')");
        const std::map<QString, std::string> inserts{
            {"user", "Benutzer (mitglied, benutzername) VALUES (" + erika + ", 'erika')"},
            {"nameless user", "Benutzer (mitglied) VALUES (" + erika + ")"},
            {"participant",
             "WettbewerbsTeilnahme (mitglied, wettbewerb) VALUES (" + erika + ", 1)"},
            {"juror", "JuriertBei (mitglied, wettbewerb) VALUES (" + erika + ", 1)"},
            {"title", "FotographischerTitel (mitglied, titel) VALUES (" + erika + ", 'AFIAP')"},
            {"function", "Funktionstraeger (mitglied, verein, funktion) VALUES (" + erika + ", " +
                             id(m_club->getId()) + ", 'Kassier')"}};
        for (const QString &link : links)
            run("INSERT INTO " + inserts.at(link));

        Mitgliederverwaltung window(*m_ctx, m_club.get());
        window.suche()->suchenButton()->click();
        window.liste()->selectRow(window.liste()->zeileVon(m_erika->getId()));
        m_boxes->answer(answer);
        knopf(&window, "loeschen")->click();

        QCOMPARE(meldungen(*m_boxes), QStringList{box});
        if (box.startsWith(QLatin1String("critical")))
            QCOMPARE(protokoll("Fehlermeldung"), QStringList{"Loeschen nicht moeglich"});
        QCOMPARE(anzahl("Mitglied", "id = " + erika), deleted ? 0 : 1);
        QCOMPARE(window.liste()->zeileVon(m_erika->getId()) < 0, deleted);
        QCOMPARE(window.anzahlText(),
                 QStringLiteral("%1 Mitglieder gefunden").arg(deleted ? 2 : 3));
        // Titles and offices go with the member.
        QCOMPARE(anzahl("FotographischerTitel", "mitglied = " + erika) +
                     anzahl("Funktionstraeger", "mitglied = " + erika),
                 deleted ? 0 : int(links.contains("title")) + int(links.contains("function")));
        QCOMPARE(anzahl("Mitglied"), deleted ? 6 : 7);
    }

private:
    std::unique_ptr<Verein> m_club;
    std::unique_ptr<Verein> m_landesverband;
    std::unique_ptr<Mitglied> m_erika;
};

// "Mitglied auswaehlen", alone and restricted to a set of members.
class MemberSearchDialogTest : public DatenbankTest
{
    Q_OBJECT
protected:
    void legeAn() override
    {
        m_ids.clear();
        const auto verein = neuerVerein(*m_ctx, "312", "Fotoclub");
        for (const char *name : {"Ahorn", "Birke", "Eiche", "Linde"})
            m_ids << neuesMitglied(*m_ctx, *verein, QString::number(m_ids.size() + 1), "Baum", name)
                         ->getId();
    }

private slots:
    void choosing_data()
    {
        QTest::addColumn<QList<int>>("allowed"); // indexes into m_ids
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<QStringList>("shown");
        reihe("everyone", QList<int>(), false, QStringList{"Ahorn", "Birke", "Eiche", "Linde"});
        reihe("restricted", QList<int>{1, 3}, true, QStringList{"Birke", "Linde"});
        reihe("empty set", QList<int>(), true, QStringList());
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
        auto *list = dialog.findChild<Mitgliederliste *>();
        dialog.findChild<Mitgliedersuche *>()->suchenButton()->click();
        QCOMPARE(surnames(*list), shown);

        dialog.show();
        if (shown.isEmpty()) {
            knopf(&dialog, "auswaehlen")->click(); // nothing to choose: stays open
            QVERIFY(dialog.isVisible());
            knopf(&dialog, "abbrechen")->click();
            QVERIFY(!dialog.gewaehltesMitglied());
            return;
        }
        list->selectRow(list->rowCount() - 1);
        const QString expected = list->mitgliedAt(list->rowCount() - 1)->getNachname();
        knopf(&dialog, "auswaehlen")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::unique_ptr<Mitglied> chosen = dialog.gewaehltesMitglied();
        QVERIFY(chosen);
        QCOMPARE(chosen->getNachname(), expected);
    }

private:
    QList<qlonglong> m_ids;
};

KALVOR_REGISTER_TEST(MemberAdministrationTest)
KALVOR_REGISTER_TEST(MemberSearchDialogTest)

#include "tst_memberdialogs_admin.moc"
