// The member dialog with its two tabs and the title dialog, against the test database.

#include "clubfixtures.h"

#include "ListWidget.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliedBearbeitenWidget.h"
#include "MitgliedTitelWidget.h"
#include "OutputCapture.h"
#include "TestRegistry.h"
#include "TitelBearbeitenDialog.h"
#include "controllers/FotographischerTitelController.h"

using namespace clubfixtures;

namespace {

const QString kDatumHinweis = QStringLiteral(" ist kein korrektes Datum. \n\nDatumsangaben muessen "
                                             "in der Form dd.mm.yyyy getaetigt werden.");

} // namespace

class MemberDialogTest : public DatenbankTest
{
    Q_OBJECT
protected:
    void legeAn() override
    {
        m_club = neuerVerein(*m_ctx, "312", "Fotoclub Innsbruck");
        m_landesverband = neuerVerein(*m_ctx, "31", "Landesverband Tirol");
        m_erika = neuesMitglied(*m_ctx, *m_club, "5", "Erika", "Muster");
        neuesMitglied(*m_ctx, *m_club, "6", "Hans", "Huber", "Dachverband");
    }

private slots:
    // Every check of storing a member, in its order: title and text of the box, the logged
    // line, and nothing stored.
    void storeChecks_data()
    {
        QTest::addColumn<QString>("clubNumber"); // "312", "31" or "" for no club
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("log"); // null: the title

        const auto row = [](const char *name, const QString &clubNumber, QVariantMap fields,
                            const QString &title, const QString &text, const QString &log = {}) {
            reihe(name, clubNumber, fields, title, text, log);
        };
        const auto valid = [](const QVariantMap &extra) {
            QVariantMap fields{{"mitgliedsNummerImVerein", "7"},
                               {"mitgliedsArt", "Club"},
                               {"vorname", "Max"},
                               {"nachname", "Neu"}};
            fields.insert(extra);
            return fields;
        };

        row("no club", "", {{"mitgliedsNummerImVerein", "1"}, {"mitgliedsArt", "Club"}},
            "Kein Verein ausgewaehlt", "Bitte waehlen Sie einen Verein fuer das Mitglied aus.");
        row("no complete number", "312", {}, QString::fromUtf8("Mussfeld nicht ausgefüllt"),
            QString::fromUtf8("Das Feld Mitgliedsnummer muss immer ausgefüllt werden."));
        row("internal number taken in the club", "312",
            {{"mitgliedsNummerImVerein", "5"}, {"mitgliedsArt", "Club"}},
            "Vereinsinterne Nummer schon vergeben",
            "Bitte waehlen Sie eine andere Nummer aus, oder lassen Sie sich eine noch freie "
            "vorschlagen.",
            "Mitgliedsnummer schon vergeben");
        row("internal number unset", "312", {{"mitgliedsArt", "Club"}},
            "Vereinsinterne Nummer nicht angegeben",
            "Bitte geben Sie eine Mitgliedsnummer an, die innerhalb des Vereins eindeutig ist.");
        row("member type unset", "312", {{"mitgliedsNummerImVerein", "8"}},
            "Mitgliedsart nicht angegeben", "Bitte geben Sie eine Mitgliedsart an");
        row("four digits for a club member", "312",
            {{"mitgliedsNummerImVerein", "1234"}, {"mitgliedsArt", "Club"}},
            "Mitgliedsnummer zu lang",
            "Der vereinsinterne Teil der Mitgliedsnummer darf bei Club-, Landesverbands- und "
            "Dachverbandsmitgliedern hoechstens drei Stellen umfassen.\n\nBitte korrigieren Sie "
            "die Mitgliedsnummer.");
        // 31 + 26 gives 3126, the number of Hans Huber (312 + 6, Dachverband).
        row("complete number of another club's member", "31",
            {{"mitgliedsNummerImVerein", "26"}, {"mitgliedsArt", "Dachverband"}},
            "Mitgliedsnummer bereits vorhanden",
            "Die Mitgliedsnummer, die Sie gerade vergeben wollen, gibt es bereits in der "
            "Datenbank.\n\n  Bitte vergeben Sie eine andere Mitgliedsnummer.");
        row("mail without @", "312", valid({{"email", "max.example.org"}}),
            "Mailadresse nicht korrekt angegeben.",
            "Die Mailadresse muss ein @-Zeichen enthalten.");
        row("telephone without plus", "312", valid({{"telefon", "43-512-123456"}}),
            "Format der Telefonnummer",
            "Die Telefonnummer muss nach dem Muster +43-512-123456 aufgebaut sein");
        row("mobile", "312", valid({{"mobil", "+43-676"}}), "Format der Mobilfunknummer",
            "Die Mobilfunknummer muss nach dem Muster +43-676-123456 aufgebaut sein");
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

        const auto neu = neuerDialog(clubNumber.isEmpty()                 ? nullptr
                                     : clubNumber == QLatin1String("312") ? m_club.get()
                                                                          : m_landesverband.get());
        MitgliedBearbeitenDialog &dialog = *neu;
        fuelle(*m_ctx, &dialog, fields);
        int added = 0;
        connect(&dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
                [&added] { ++added; });
        knopf(&dialog, "speichern")->click();

        QCOMPARE(meldungen(*m_boxes), QStringList{"critical: " + title + " / " + text});
        QCOMPARE(protokoll("Fehlermeldung"), QStringList{log.isNull() ? title : log});
        QVERIFY(dialog.isVisible());
        QCOMPARE(added, 0);
        QCOMPARE(anzahl("Mitglied"), 2);
    }

    // A new member is stored with what was typed. The shown number follows club, type and
    // internal number (as a club member first); the stored one is what was shown.
    void newMemberIsStored_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("complete");
        QTest::addColumn<QString>("key");
        reihe("Club", "Club", "7", "3127C", "3127");
        reihe("Landesverband", "Landesverband", "7", "3127L", "3127");
        reihe("Dachverband", "Dachverband", "7", "3127", "3127");
        reihe("four digits for a non-member", "Nichtmitglied", "1234", "312N1234", "3121234");
    }

    void newMemberIsStored()
    {
        QFETCH(QString, art);
        QFETCH(QString, number);
        QFETCH(QString, complete);
        QFETCH(QString, key);
        const auto neu = neuerDialog(m_club.get());
        MitgliedBearbeitenDialog &dialog = *neu;
        auto *shown = feld<QLineEdit>(&dialog, "mitgliedsNummerKomplett");
        fuelle(*m_ctx, &dialog, {{"mitgliedsArt", "Club"}, {"mitgliedsNummerImVerein", number}});
        QCOMPARE(shown->text(), "312" + number + "C");
        fuelle(*m_ctx, &dialog,
               {{"mitgliedsArt", art},
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
                {"staat", "AT"}});
        QCOMPARE(shown->text(), complete);
        QList<qlonglong> added;
        connect(&dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
                [&added](const Mitglied &mitglied) { added << mitglied.getId(); });
        knopf(&dialog, "speichern")->click();

        QCOMPARE(meldungen(*m_boxes), QStringList());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(added.size(), 1);
        const auto stored = MitgliedController().readById(*m_ctx, added.first());
        QCOMPARE(stored->getMitgliedsNummerKomplett(), complete);
        QCOMPARE(stored->getMitgliedsNummerSchluessel(), key);
        QCOMPARE(stored->getAnrede(), QStringLiteral("Frau"));
        QCOMPARE(stored->getDatumGeburt(), QDate(2010, 4, 3));
        QCOMPARE(stored->getDatumEintritt(), QDate(2024, 1, 1));
        QCOMPARE(stored->getBeitragBezahltBis(), QDate(2026, 12, 31));
        QVERIFY(!stored->hasDatumAustritt());
        QCOMPARE(stored->getJugend(), code(*m_ctx, "Jugend", "Ja"));
        QCOMPARE(stored->getStaat(), code(*m_ctx, "Staat", "AT"));
        QVERIFY(!stored->hasSkype()); // an empty field stores no empty text
    }

    // Editing stores the change and keeps the number, even when the club has been renumbered
    // since; "aktuellesJahr" fills in the end of the current year of the context's clock.
    void editedMemberKeepsItsNumber_data()
    {
        QTest::addColumn<QDate>("today");
        reihe("New Year's Day", QDate(2026, 1, 1));
        reihe("New Year's Eve", QDate(2027, 12, 31));
        reihe("leap day", QDate(2028, 2, 29));
    }

    void editedMemberKeepsItsNumber()
    {
        QFETCH(QDate, today);
        m_clock->set(QDateTime(today, QTime(23, 59, 59)));
        run("UPDATE Verein SET vereinsNummerKomplett = '999' WHERE vereinsNummerKomplett = '312'");
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get(), 0);
        dialog.show();
        QList<int> edited;
        connect(&dialog, &MitgliedBearbeitenDialog::mitgliedWurdeBearbeitet, this,
                [&edited](const Mitglied &, int row) { edited << row; });
        fuelle(*m_ctx, &dialog, {{"ort", "Hall"}});
        knopf(&dialog, "aktuellesJahr")->click();
        QCOMPARE(feld<QLineEdit>(&dialog, "beitragBezahltBisInput")->text(),
                 QStringLiteral("31.12.%1").arg(today.year()));
        knopf(&dialog, "speichern")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList());
        QCOMPARE(edited, QList<int>{0});
        const auto stored = MitgliedController().readById(*m_ctx, m_erika->getId());
        QCOMPARE(stored->getMitgliedsNummerKomplett(), QStringLiteral("3125C"));
        QCOMPARE(stored->getOrt(), QStringLiteral("Hall"));
        QCOMPARE(stored->getBeitragBezahltBis(), QDate(today.year(), 12, 31));
    }

    // "nummerVorschlagen" needs the member type first, then the club.
    void suggestNumberRefused_data()
    {
        QTest::addColumn<bool>("withClub");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("complete");
        QTest::addColumn<QString>("box"); // title / text
        const QString noType = QStringLiteral("Noch keine Mitgliedsart ausgewaehlt / Bitte "
                                              "waehlen Sie zunaechst eine Mitgliedsart aus.");
        reihe("no member type", true, "", "", noType);
        reihe("no club", false, "Club", "C",
              "Noch kein Verein ausgewaehlt / Bitte waehlen Sie zunaechst "
              "einen Verein aus.");
        reihe("type is asked for first", false, "", "", noType);
    }

    void suggestNumberRefused()
    {
        QFETCH(bool, withClub);
        QFETCH(QString, art);
        QFETCH(QString, complete);
        QFETCH(QString, box);
        const auto neu = neuerDialog(withClub ? m_club.get() : nullptr);
        MitgliedBearbeitenDialog &dialog = *neu;
        fuelle(*m_ctx, &dialog, {{"mitgliedsArt", art}});
        knopf(&dialog, "nummerVorschlagen")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList{"critical: " + box});
        QCOMPARE(protokoll("Fehlermeldung"), QStringList{box.section(" / ", 0, 0) + "."});
        QCOMPARE(feld<QLineEdit>(&dialog, "mitgliedsNummerImVerein")->text(), QString());
        QCOMPARE(feld<QLineEdit>(&dialog, "mitgliedsNummerKomplett")->text(), complete);
    }

    void viewModeIsReadOnly()
    {
        storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        const QString before = scalar("SELECT mut_tist FROM Mitglied WHERE vorname = 'Erika'");
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::ANSEHEN, m_erika.get());
        dialog.show();
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
            QVERIFY2(!knopf(&dialog, name)->isEnabled(), name);
        QVERIFY(!knopf(&dialog, "abbrechen"));
        QCOMPARE(feld<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("EFIAP"));

        // The slots do nothing either.
        dialog.mitgliedsDaten()->trageAktuellesJahrEin();
        dialog.mitgliedsDaten()->schlageNummerVor();
        QCOMPARE(feld<QLineEdit>(&dialog, "beitragBezahltBisInput")->text(), QString());
        QCOMPARE(feld<QLineEdit>(&dialog, "mitgliedsNummerImVerein")->text(), QStringLiteral("5"));

        // A title opens for viewing only.
        dialog.titelWidget()->liste()->selectRow(0);
        knopf(dialog.titelWidget(), "bearbeiten")->click();
        auto *titleDialog = offenerDialog<TitelBearbeitenDialog>(dialog.titelWidget());
        QVERIFY(titleDialog);
        QCOMPARE(titleDialog->modus(), Modus::ANSEHEN);
        QVERIFY(feld<QLineEdit>(titleDialog, "titel")->isReadOnly());
        QVERIFY(!feld<QCheckBox>(titleDialog, "hoechsterTitel")->isEnabled());
        QVERIFY(feld<QCheckBox>(titleDialog, "hoechsterTitel")->isChecked());
        QVERIFY(!knopf(titleDialog, "abbrechen"));
        knopf(titleDialog, "schliessen")->click();
        QVERIFY(!titleDialog->isVisible());

        // Closing asks nothing and writes nothing.
        knopf(&dialog, "schliessen")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(scalar("SELECT mut_tist FROM Mitglied WHERE vorname = 'Erika'"), before);
    }

    void titlesAreStoredWithTheMember()
    {
        const auto neu = neuerDialog(m_club.get());
        MitgliedBearbeitenDialog &dialog = *neu;
        fuelle(*m_ctx, &dialog,
               {{"mitgliedsNummerImVerein", "7"},
                {"mitgliedsArt", "Club"},
                {"vorname", "Tina"},
                {"nachname", "Titel"}});
        addTitle(
            dialog,
            {{"titel", "AFIAP"}, {"art", "FIAP"}, {"datum", "1.5.2020"}, {"hoechsterTitel", true}});
        addTitle(dialog, {{"titel", "Landesmeister"}, {"art", "VERBAND"}});
        QCOMPARE(feld<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("AFIAP"));
        QCOMPARE(anzahl("FotographischerTitel"), 0); // nothing before the member is stored
        // A third title marked as highest takes the mark from the first.
        addTitle(dialog, {{"titel", "EFIAP"}, {"art", "FIAP"}, {"hoechsterTitel", true}});
        QCOMPARE(feld<QLineEdit>(&dialog, "hoechsterTitel")->text(), QStringLiteral("EFIAP"));
        const auto *model = dialog.titelWidget()->liste()->model();
        QCOMPARE(model->displayValue(0, 3).toString(), QStringLiteral("Nein"));
        QCOMPARE(model->displayValue(2, 3).toString(), QStringLiteral("Ja"));

        knopf(&dialog, "speichern")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList());
        const std::string member = id(dialog.mitglied().getId());
        QCOMPARE(anzahl("FotographischerTitel", "mitglied = " + member), 3);
        QCOMPARE(scalar("SELECT titel.titel FROM Mitglied mitglied, FotographischerTitel titel "
                        "WHERE mitglied.hoechsterTitel = titel.id AND mitglied.id = " +
                        member),
                 QStringLiteral("EFIAP"));
        QCOMPARE(scalar("SELECT datum FROM FotographischerTitel WHERE titel = 'AFIAP'"),
                 QStringLiteral("2020-05-01"));
    }

    // Editing a member: the first name, a title renamed and the highest one deleted. Stored
    // together, or after "abbrechen" (asked each time) nothing at all.
    void editingTitles_data()
    {
        QTest::addColumn<bool>("store");
        reihe("stored", true);
        reihe("cancelled", false);
    }

    void editingTitles()
    {
        QFETCH(bool, store);
        storeTitle(*m_erika, QStringLiteral("AFIAP"), false);
        const qlonglong efiap = storeTitle(*m_erika, QStringLiteral("EFIAP"), true);
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, m_erika.get());
        dialog.show();
        fuelle(*m_ctx, &dialog, {{"vorname", "Erica"}});
        MitgliedTitelWidget *titles = dialog.titelWidget();
        QCOMPARE(titles->liste()->rowCount(), 2);
        const int highest =
            titles->liste()->model()->displayValue(0, 0).toString() == QLatin1String("EFIAP") ? 0
                                                                                              : 1;
        titles->liste()->selectRow(1 - highest);
        knopf(titles, "bearbeiten")->click();
        auto *titleDialog = offenerDialog<TitelBearbeitenDialog>(titles);
        QVERIFY(titleDialog);
        QCOMPARE(feld<QLineEdit>(titleDialog, "datum")->text(), QStringLiteral("01.05.2020"));
        fuelle(*m_ctx, titleDialog, {{"titel", "AFIAP/b"}});
        knopf(titleDialog, "speichern")->click();

        titles->liste()->selectRow(highest);
        m_boxes->answer(true);
        knopf(titles, "loeschen")->click();
        QCOMPARE(meldungen(*m_boxes),
                 QStringList{"question: Titel wirklich loeschen? / Wollen Sie den "
                             "fotographischen Titel EFIAP des Mitglieds Erika Muster wirklich "
                             "loeschen?"});
        QCOMPARE(feld<QLineEdit>(&dialog, "hoechsterTitel")->text(), QString());
        QCOMPARE(anzahl("FotographischerTitel"), 2); // not before storing
        m_boxes->clear();

        const auto erika = [this] {
            return MitgliedController().readById(*m_ctx, m_erika->getId());
        };
        if (store) {
            knopf(&dialog, "speichern")->click();
            QCOMPARE(scalar("SELECT GROUP_CONCAT(titel) FROM FotographischerTitel"),
                     QStringLiteral("AFIAP/b"));
            QCOMPARE(erika()->getVorname(), QStringLiteral("Erica"));
            QVERIFY(!erika()->hasHoechsterTitel());
            return;
        }
        m_boxes->answer(false);
        knopf(&dialog, "abbrechen")->click();
        QVERIFY(dialog.isVisible());
        m_boxes->answer(true);
        dialog.reject(); // as Escape does
        QVERIFY(!dialog.isVisible());
        const QString question = QStringLiteral(
            "question: Wirklich abbrechen? / Wollen Sie wirklich abbrechen?\n\nBitte beachten "
            "Sie, dass dadurch insbesondere alle im Reiter Titel getaetigten Aenderungen "
            "verloren gehen.");
        QCOMPARE(meldungen(*m_boxes), (QStringList{question, question}));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(titel ORDER BY id) FROM FotographischerTitel"),
                 QStringLiteral("AFIAP,EFIAP"));
        QCOMPARE(erika()->getVorname(), QStringLiteral("Erika"));
        QCOMPARE(erika()->getHoechsterTitel(), efiap);
    }

    void titleChecks_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("box"); // title / text
        QTest::addColumn<QString>("log");
        const QString noTitle =
            QStringLiteral("Kein Titel angegeben / Bitte fuellen Sie das Feld Titel aus.");
        reihe("no title", "", "", "x", noTitle, "Kein Titel angegeben");
        reihe("blank title", "  ", "FIAP", "", noTitle, "Kein Titel angegeben");
        reihe("no kind", "EFIAP", "", "x",
              "Keine Titelart angegeben / Bitte waehlen Sie im Feld Art "
              "eine der Moeglichkeiten aus.",
              "Keine Titelart angegeben");
        reihe("no date", "EFIAP", "FIAP", "31.4.2020",
              "Verleihungsdatum nicht korrekt angegeben / Der als "
              "Verleihungsdatum angegebene Text 31.4.2020" +
                  kDatumHinweis,
              "Verleihungsdatum nicht korrekt angegeben.");
    }

    void titleChecks()
    {
        QFETCH(QString, title);
        QFETCH(QString, art);
        QFETCH(QString, date);
        QFETCH(QString, box);
        QFETCH(QString, log);
        TitelBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        dialog.show();
        int added = 0;
        connect(&dialog, &TitelBearbeitenDialog::neuerTitelHinzugefuegt, this,
                [&added] { ++added; });
        fuelle(*m_ctx, &dialog, {{"titel", title}, {"art", art}, {"datum", date}});
        knopf(&dialog, "speichern")->click();
        QCOMPARE(meldungen(*m_boxes), QStringList{"critical: " + box});
        QCOMPARE(protokoll("Fehlermeldung"), QStringList{log});
        QVERIFY(dialog.isVisible());
        QCOMPARE(added, 0);
    }

    // A failing statement keeps the dialog open with everything typed, and the database and
    // the member as they were, so that storing again works.
    void databaseErrorKeepsTheDialogOpen()
    {
        const auto neu = neuerDialog(m_club.get());
        MitgliedBearbeitenDialog &dialog = *neu;
        fuelle(*m_ctx, &dialog,
               {{"mitgliedsNummerImVerein", "7"},
                {"mitgliedsArt", "Club"},
                {"vorname", "Fehler"},
                {"nachname", "Fall"}});
        addTitle(dialog, {{"titel", "AFIAP"}, {"art", "FIAP"}, {"hoechsterTitel", true}});
        run("RENAME TABLE FotographischerTitel TO TitelWeg");
        QString errorOutput;
        {
            OutputCapture capture(2);
            knopf(&dialog, "speichern")->click();
            errorOutput = capture.text();
        }
        run("RENAME TABLE TitelWeg TO FotographischerTitel");
        QVERIFY2(errorOutput.contains(QLatin1String("Datenbankfehler: ")), qPrintable(errorOutput));
        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown()[0].title, QStringLiteral("Interner Datenbankfehler"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.mitglied().hasId());
        QCOMPARE(anzahl("Mitglied"), 2);

        knopf(&dialog, "speichern")->click();
        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(anzahl("Mitglied"), 3);
        QCOMPARE(anzahl("FotographischerTitel"), 1);
    }

private:
    // A shown member dialog in NEU for a member of `verein` (may be null).
    std::unique_ptr<MitgliedBearbeitenDialog> neuerDialog(const Verein *verein)
    {
        Mitglied vorgabe;
        if (verein)
            vorgabe.setVerein(verein->getId());
        auto dialog = std::make_unique<MitgliedBearbeitenDialog>(*m_ctx, Modus::NEU, &vorgabe);
        dialog->show();
        return dialog;
    }

    // Adds a title through "hinzufuegen" and the title dialog, filled with `fields`.
    void addTitle(MitgliedBearbeitenDialog &dialog, const QVariantMap &fields)
    {
        MitgliedTitelWidget *titles = dialog.titelWidget();
        const int rows = titles->liste()->rowCount();
        knopf(titles, "hinzufuegen")->click();
        auto *titleDialog = offenerDialog<TitelBearbeitenDialog>(titles);
        QVERIFY(titleDialog);
        fuelle(*m_ctx, titleDialog, fields);
        knopf(titleDialog, "speichern")->click();
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

    std::unique_ptr<Verein> m_club;
    std::unique_ptr<Verein> m_landesverband;
    std::unique_ptr<Mitglied> m_erika;
};

KALVOR_REGISTER_TEST(MemberDialogTest)

#include "tst_memberdialogs.moc"
