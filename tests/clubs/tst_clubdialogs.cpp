// The club dialog: its modes, storing with the checks in order, officials, cancelling,
// renumbering, the parent club, and deleting a club.

#include "clubfixtures.h"

#include "FunktionstraegerBearbeitenDialog.h"
#include "ListWidget.h"
#include "TestRegistry.h"
#include "VereinBearbeitenDialog.h"
#include "VereinBearbeitenWidget.h"
#include "VereinFunktionstraegerWidget.h"
#include "VereinsSucheDialog.h"

using namespace clubfixtures;

namespace {

// The cells of a row of the officials' list.
QStringList zeile(const ListWidget *liste, int row)
{
    QStringList cells;
    for (int column = 0; column < liste->model()->columnCount(); ++column)
        cells << liste->model()->index(row, column).data().toString();
    return cells;
}

} // namespace

class VereinDialogTest : public DatenbankTest
{
    Q_OBJECT
private slots:
    void modi_data()
    {
        QTest::addColumn<int>("modus");
        reihe("NEU", int(Modus::NEU));
        reihe("BEARBEITEN", int(Modus::BEARBEITEN));
        reihe("ANSEHEN", int(Modus::ANSEHEN));
    }

    void modi()
    {
        QFETCH(int, modus);
        const bool editierbar = Modus(modus) != Modus::ANSEHEN;
        auto verein = neuerVerein(*m_ctx, "1", "Fotoclub Innsbruck");
        auto anna = neuesMitglied(*m_ctx, *verein, "1", "Anna", "Berger");
        neuerFunktionstraeger(*m_ctx, *verein, *anna, "Obfrau", "OBMANN");

        VereinBearbeitenDialog dialog(*m_ctx, Modus(modus),
                                      Modus(modus) == Modus::NEU ? nullptr : verein.get());
        QCOMPARE(dialog.istEditierbar(), editierbar);
        QCOMPARE(knopf(&dialog, "Abbre&chen") != nullptr, editierbar);
        const VereinBearbeitenWidget *daten = dialog.vereinsdaten();
        for (const char *name :
             {"eigeneVereinsnummer", "vereinsname", "strasse", "plz", "ort", "email", "homepage"})
            QCOMPARE(feld<QLineEdit>(daten, name)->isReadOnly(), !editierbar);
        for (const char *name : {"gesamteVereinsnummer", "uebergeordneterVerein"})
            QVERIFY(feld<QLineEdit>(daten, name)->isReadOnly());
        QCOMPARE(feld<QCheckBox>(daten, "inaktiv")->isEnabled(), editierbar);
        QCOMPARE(feld<CodeValueComboBox>(daten, "staat")->isEnabled(), editierbar);
        QCOMPARE(knopf(daten, "A&uswaehlen")->isEnabled(), editierbar);

        const VereinFunktionstraegerWidget *funktionen = dialog.funktionstraeger();
        QCOMPARE(knopf(funktionen, "Hi&nzufuegen")->isEnabled(), editierbar);
        if (Modus(modus) == Modus::NEU) {
            // A new club starts in Austria, without officials.
            QCOMPARE(feld<CodeValueComboBox>(daten, "staat")->value(),
                     QVariant(code(*m_ctx, "Staat", "AT")));
            QCOMPARE(funktionen->liste()->rowCount(), 0);
            return;
        }
        QCOMPARE(feld<QLineEdit>(daten, "vereinsname")->text(),
                 QStringLiteral("Fotoclub Innsbruck"));
        funktionen->liste()->selectRow(0);
        QCOMPARE(knopf(funktionen, "&Bearbeiten")->isEnabled(), editierbar);
        QCOMPARE(knopf(funktionen, "&Loeschen")->isEnabled(), editierbar);
        if (editierbar)
            return;

        // Viewing: the official opens for viewing only; "S&chliessen" closes without a question.
        bool gesehen = false;
        imNaechstenDialog<FunktionstraegerBearbeitenDialog>(
            [](FunktionstraegerBearbeitenDialog &ansicht) {
                QCOMPARE(ansicht.modus(), Modus::ANSEHEN);
                QVERIFY(feld<QLineEdit>(&ansicht, "funktionFreitext")->isReadOnly());
                QVERIFY(!feld<CodeValueComboBox>(&ansicht, "funktion")->isEnabled());
                QVERIFY(!knopf(&ansicht, "&Mitglied waehlen")->isEnabled());
                knopf(&ansicht, "S&chliessen")->click();
            },
            &gesehen);
        dialog.funktionstraeger()->bearbeiteFunktionstraeger();
        QVERIFY(gesehen);
        dialog.show();
        knopf(&dialog, "S&chliessen")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(m_boxes->shown().empty());
    }

    void speichernPrueftInReihenfolge_data()
    {
        QTest::addColumn<QString>("eigeneNummer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("meldung"); // title / text
        QTest::addColumn<QString>("log");     // null: the title

        const QString keineNummer = QStringLiteral(
            "Vereinsnummer nicht angegeben / Bitte fuellen Sie das Feld Eigene Vereinsnummer aus.  "
            "Das Feld Gesamte Vereinsnummer wird dann automatisch berechnet.");
        const QString vergeben = QStringLiteral(
            "Vereinsnummer schon vergeben / Es gibt schon einen Verein mit dieser Vereinsnummer.  "
            "Bitte waehlen Sie eine andere.");
        const QString keinName = QStringLiteral(
            "Vereinsname nicht angegeben / Bitte geben Sie einen Namen fuer den Verein an.");
        const QString mail = QStringLiteral("Mailadresse nicht korrekt angegeben. / Die "
                                            "Mailadresse muss ein @-Zeichen enthalten.");
        const QString mailLog = QStringLiteral("Mailadresse nicht korrekt angegeben");

        // A club with the number 12 exists.
        reihe("keine Nummer", "", "Fotoclub", "", keineNummer, QString());
        reihe("Nummer vor Name", "", "", "x", keineNummer, QString());
        reihe("Nummer vergeben", "12", "Fotoclub", "", vergeben, QString());
        reihe("vergeben vor Name", "12", "", "x", vergeben, QString());
        reihe("kein Name", "13", "", "", keinName, QString());
        reihe("Name vor Mail", "13", "", "x", keinName, QString());
        reihe("Mail ohne @", "13", "Fotoclub", "fotoclub.at", mail, mailLog); // more: the patterns
    }

    void speichernPrueftInReihenfolge()
    {
        QFETCH(QString, eigeneNummer);
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, meldung);
        QFETCH(QString, log);
        neuerVerein(*m_ctx, "12", "Fotoclub Zwoelf");

        VereinBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        int gespeichert = 0;
        connect(&dialog, &VereinBearbeitenDialog::vereinWurdeGespeichert, this,
                [&] { ++gespeichert; });
        dialog.show();
        fuelle(*m_ctx, &dialog,
               {{"eigeneVereinsnummer", eigeneNummer}, {"vereinsname", name}, {"email", email}});
        knopf(&dialog, "Verein &speichern")->click();

        QCOMPARE(meldungen(*m_boxes), QStringList{"critical: " + meldung});
        QCOMPARE(protokoll("Fehlermeldung", "VereinBearbeitenDialog"),
                 QStringList{log.isNull() ? meldung.section(" / ", 0, 0) : log});
        QVERIFY(dialog.isVisible());
        QCOMPARE(gespeichert, 0);
        QCOMPARE(anzahl("Verein"), 1);
        QVERIFY(!dialog.verein().hasId());
    }

    void zweiFunktionstraeger_data()
    {
        QTest::addColumn<bool>("speichern");
        reihe("speichern", true);
        reihe("abbrechen", false);
    }

    void zweiFunktionstraeger()
    {
        // A new club under a parent with two officials: stored together, or nothing at all.
        QFETCH(bool, speichern);
        auto land = neuerVerein(*m_ctx, "3", "Landesverband Tirol");
        auto anna = neuesMitglied(*m_ctx, *land, "1", "Anna", "Berger");
        auto bert = neuesMitglied(*m_ctx, *land, "2", "Bert", "Huber");

        VereinBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        int gespeichert = 0;
        connect(&dialog, &VereinBearbeitenDialog::vereinWurdeGespeichert, this,
                [&] { ++gespeichert; });
        dialog.show();
        // The parent through "A&uswaehlen" and the club search: the only club, already marked.
        bool gesehen = false;
        imNaechstenDialog<VereinsSucheDialog>(
            [](VereinsSucheDialog &suche) { knopf(&suche, "Verein aus&waehlen")->click(); },
            &gesehen);
        knopf(&dialog, "A&uswaehlen")->click();
        QVERIFY(gesehen);
        QCOMPARE(dialog.vereinsdaten()->dachverbandText(), QStringLiteral("Landesverband Tirol"));
        fuelle(*m_ctx, &dialog,
               {{"eigeneVereinsnummer", "12"},
                {"vereinsname", "Fotoclub Schwaz"},
                {"email", "info@fc-schwaz.at"}});
        QCOMPARE(feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->text(), QStringLiteral("312"));
        fuegeHinzu(dialog, *anna, "Obfrau", "OBMANN");
        fuegeHinzu(dialog, *bert, "Kassier", "KASSIER");
        const ListWidget *liste = dialog.funktionstraeger()->liste();
        QCOMPARE(zeile(liste, 1), (QStringList{"Kassier", "Kassier", "Bert", "Huber"}));
        QCOMPARE(anzahl("Funktionstraeger"), 0); // not before storing

        if (!speichern) {
            m_boxes->answer(false);
            knopf(&dialog, "Abbre&chen")->click();
            QVERIFY(dialog.isVisible()); // "No" keeps the dialog
            m_boxes->answer(true);
            dialog.reject(); // as Escape does
            QVERIFY(!dialog.isVisible());
            const QString frage = QStringLiteral(
                "question: Wirklich abbrechen? / Wollen Sie wirklich abbrechen?\n\nBitte beachten "
                "Sie, dass dadurch insbesondere alle im Reiter Funktionstraeger getaetigten "
                "Aenderungen  verloren gehen.");
            QCOMPARE(meldungen(*m_boxes), (QStringList{frage, frage}));
            QCOMPARE(gespeichert, 0);
            QCOMPARE(anzahl("Verein"), 1);
            QCOMPARE(anzahl("Funktionstraeger"), 0);
            return;
        }

        knopf(&dialog, "Verein &speichern")->click();
        QVERIFY(m_boxes->shown().empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(gespeichert, 1);
        const std::string neu = id(dialog.verein().getId());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', vereinsNummerLokal, vereinsNummerKomplett, name, "
                        "email, dachverband, staat, IFNULL(strasse, '-')) FROM Verein WHERE id = " +
                        neu),
                 QStringLiteral("12|312|Fotoclub Schwaz|info@fc-schwaz.at|%1|%2|-")
                     .arg(land->getId())
                     .arg(code(*m_ctx, "Staat", "AT")));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', funktion, mitglied, funktionsCode) "
                        "ORDER BY id SEPARATOR ';') FROM Funktionstraeger WHERE verein = " +
                        neu),
                 QStringLiteral("Obfrau|%1|%2;Kassier|%3|%4")
                     .arg(anna->getId())
                     .arg(code(*m_ctx, "Funktionstraeger", "OBMANN"))
                     .arg(bert->getId())
                     .arg(code(*m_ctx, "Funktionstraeger", "KASSIER")));
        QCOMPARE(anzahl("Funktionstraeger"), 2);
    }

    void bearbeitenSchreibtNurGeaenderteFunktionstraeger()
    {
        auto verein = neuerVerein(*m_ctx, "5", "Fotoclub Alt");
        auto anna = neuesMitglied(*m_ctx, *verein, "1", "Anna", "Berger");
        auto bert = neuesMitglied(*m_ctx, *verein, "2", "Bert", "Huber");
        auto carla = neuesMitglied(*m_ctx, *verein, "3", "Carla", "Moser");
        auto dora = neuesMitglied(*m_ctx, *verein, "4", "Dora", "Wolf");
        const qlonglong obmann = neuerFunktionstraeger(*m_ctx, *verein, *anna, "Obfrau", "OBMANN");
        const qlonglong kassier =
            neuerFunktionstraeger(*m_ctx, *verein, *bert, "Kassier", "KASSIER");
        const qlonglong schrift =
            neuerFunktionstraeger(*m_ctx, *verein, *carla, "Schriftfuehrerin", "SCHRIFTFUEHRER");

        VereinBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, verein.get());
        dialog.show();
        fuelle(*m_ctx, &dialog, {{"vereinsname", "Fotoclub Neu"}});
        ListWidget *liste = dialog.funktionstraeger()->liste();
        QCOMPARE(liste->rowCount(), 3);

        liste->selectRow(0);
        bool gesehen = false;
        imNaechstenDialog<FunktionstraegerBearbeitenDialog>(
            [&](FunktionstraegerBearbeitenDialog &bearbeiten) {
                feld<QLineEdit>(&bearbeiten, "funktionFreitext")->setText("Obfrau seit 2020");
                bearbeiten.setzeMitglied(*dora);
                knopf(&bearbeiten, "Aenderungen &speichern")->click();
            },
            &gesehen);
        knopf(&dialog, "&Bearbeiten")->click();
        QVERIFY(gesehen);
        QCOMPARE(zeile(liste, 0).mid(1, 2), (QStringList{"Obfrau seit 2020", "Dora"}));

        liste->selectRow(1);
        m_boxes->answer(false);
        knopf(&dialog, "&Loeschen")->click();
        QCOMPARE(liste->rowCount(), 3);
        m_boxes->answer(true);
        knopf(&dialog, "&Loeschen")->click();
        QCOMPARE(liste->rowCount(), 2);
        const QString frage = QStringLiteral(
            "question: Funktion wirklich loeschen? / Wollen Sie die Funktion wirklich loeschen?");
        QCOMPARE(meldungen(*m_boxes), (QStringList{frage, frage}));
        QCOMPARE(anzahl("Funktionstraeger", "id = " + id(kassier)), 1); // not before storing

        // Only the edited official is updated and only the removed one deleted.
        QStringList anweisungen;
        m_ctx->setQueryObserver([&](const QueryReport &report) {
            if (report.entities == QLatin1String("Funktionstraeger") &&
                report.queryType != QLatin1String("SELECT"))
                anweisungen << report.queryType;
        });
        knopf(&dialog, "Aenderungen &speichern")->click();
        m_ctx->setQueryObserver(nullptr);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(anweisungen, (QStringList{"UPDATE", "DELETE"}));
        QCOMPARE(scalar("SELECT name FROM Verein WHERE id = " + id(verein->getId())),
                 QStringLiteral("Fotoclub Neu"));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', id, funktion, mitglied) ORDER BY id "
                        "SEPARATOR ';') FROM Funktionstraeger WHERE verein = " +
                        id(verein->getId())),
                 QStringLiteral("%1|Obfrau seit 2020|%2;%3|Schriftfuehrerin|%4")
                     .arg(obmann)
                     .arg(dora->getId())
                     .arg(schrift)
                     .arg(carla->getId()));
    }

    void geaenderteNummerNummeriertUntervereineUm()
    {
        auto land = neuerVerein(*m_ctx, "3", "Landesverband Tirol");
        auto bezirk = neuerVerein(*m_ctx, "1", "Bezirk Innsbruck", land.get());
        neuerVerein(*m_ctx, "2", "Fotoclub Hall", bezirk.get());
        neuerVerein(*m_ctx, "9", "Fotoclub Neun");

        VereinBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, land.get());
        dialog.show();
        fuelle(*m_ctx, &dialog, {{"eigeneVereinsnummer", "4"}});
        QCOMPARE(feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->text(), QStringLiteral("4"));
        knopf(&dialog, "Aenderungen &speichern")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(vereinsNummerKomplett ORDER BY id) FROM Verein"),
                 QStringLiteral("4,41,412,9"));
    }

    void datenbankfehlerBehaeltDialogOffen()
    {
        // The complete number outgrows its column: the club is refused, the official added with
        // it is not written either, and a shorter number can be stored afterwards. (Regression:
        // the form cut the shown number to the column's width and stored that wrong number.)
        auto land = neuerVerein(*m_ctx, "1", "Langer Verband", nullptr, "1234567890123456");
        auto anna = neuesMitglied(*m_ctx, *land, "1", "Anna", "Berger");

        VereinBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        dialog.show();
        QVERIFY(dialog.vereinsdaten()->setzeDachverband(land.get()));
        fuelle(*m_ctx, &dialog,
               {{"eigeneVereinsnummer", "12345"}, {"vereinsname", "Fotoclub Lang"}});
        fuegeHinzu(dialog, *anna, "Obfrau", "OBMANN");
        knopf(&dialog, "Verein &speichern")->click();
        QCOMPARE(feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->text(),
                 QStringLiteral("123456789012345612345"));

        QCOMPARE(m_boxes->shown().size(), size_t(1));
        QCOMPARE(m_boxes->shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes->shown().front().title, QStringLiteral("Eingabe zu lang"));
        QCOMPARE(protokoll("Fehlermeldung", "VereinBearbeitenDialog"),
                 QStringList{m_boxes->shown().front().text});
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.verein().hasId());
        QCOMPARE(anzahl("Verein"), 1);
        QCOMPARE(anzahl("Funktionstraeger"), 0);

        fuelle(*m_ctx, &dialog, {{"eigeneVereinsnummer", "1234"}});
        knopf(&dialog, "Verein &speichern")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(anzahl("Verein", "vereinsNummerKomplett = '12345678901234561234'"), 1);
        QCOMPARE(anzahl("Funktionstraeger", "verein = " + id(dialog.verein().getId())), 1);
    }

    void gesamteNummerFolgtEigenerNummerUndDachverband()
    {
        auto land = neuerVerein(*m_ctx, "3", "Landesverband Tirol");
        VereinBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr);
        dialog.show();
        auto *eigene = feld<QLineEdit>(&dialog, "eigeneVereinsnummer");
        auto *gesamt = feld<QLineEdit>(&dialog, "gesamteVereinsnummer");
        tippe(eigene, "12");
        QCOMPARE(gesamt->text(), QStringLiteral("12"));
        QVERIFY(dialog.vereinsdaten()->setzeDachverband(land.get()));
        QCOMPARE(gesamt->text(), QStringLiteral("312"));
        QTest::keyClicks(eigene, "5");
        QCOMPARE(gesamt->text(), QStringLiteral("3125"));
        // Typing in the middle keeps the cursor where it is.
        eigene->setCursorPosition(1);
        QTest::keyClicks(eigene, "0");
        QCOMPARE(eigene->text(), QStringLiteral("1025"));
        QCOMPARE(gesamt->text(), QStringLiteral("31025"));
        QVERIFY(dialog.vereinsdaten()->setzeDachverband(nullptr));
        QCOMPARE(gesamt->text(), QStringLiteral("1025"));
        QCOMPARE(dialog.vereinsdaten()->dachverbandText(), QString());
        tippe(eigene, "");
        QCOMPARE(gesamt->text(), QString());
        QVERIFY(!dialog.verein().hasVereinsNummerLokal());
    }

    // The parent may be neither the club itself nor a club below it.
    void dachverbandOhneZyklus()
    {
        auto land = neuerVerein(*m_ctx, "3", "Landesverband Tirol");
        auto kind = neuerVerein(*m_ctx, "1", "Bezirk Innsbruck", land.get());
        auto enkel = neuerVerein(*m_ctx, "2", "Fotoclub Hall", kind.get());
        auto anderer = neuerVerein(*m_ctx, "9", "Dachverband");
        VereinBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, land.get());
        auto *gesamt = feld<QLineEdit>(&dialog, "gesamteVereinsnummer");
        for (const Verein *wahl : {land.get(), kind.get(), enkel.get()}) {
            QVERIFY(!dialog.vereinsdaten()->setzeDachverband(wahl));
            QVERIFY(!dialog.verein().hasDachverband());
            QCOMPARE(gesamt->text(), QStringLiteral("3"));
        }
        const QString verbot = QStringLiteral(
            "critical: Uebergeordneter Verein nicht moeglich / Ein Verein kann weder sich selbst "
            "noch einem seiner untergeordneten Vereine untergeordnet werden.\n\nBitte waehlen "
            "Sie einen anderen Verein aus.");
        QCOMPARE(meldungen(*m_boxes), (QStringList{verbot, verbot, verbot}));
        QVERIFY(dialog.vereinsdaten()->setzeDachverband(anderer.get()));
        QCOMPARE(dialog.verein().getDachverband(), anderer->getId());
        QCOMPARE(gesamt->text(), QStringLiteral("93"));
    }

    void funktionstraegerPruefungen_data()
    {
        QTest::addColumn<QString>("funktion");
        QTest::addColumn<bool>("mitMitglied");
        QTest::addColumn<QString>("meldung"); // empty: handed back
        const QString keineFunktion =
            QStringLiteral("critical: Funktion nicht angegeben / Bitte geben Sie die Funktion an.");
        reihe("nichts", "", false, keineFunktion);
        reihe("nur Mitglied", "", true, keineFunktion);
        reihe("nur Leerzeichen", "   ", true, keineFunktion);
        reihe("kein Mitglied", "Obfrau", false,
              "critical: Mitglied nicht angegeben / Bitte geben Sie das betreffende Mitglied an.");
        reihe("vollstaendig", "Obfrau", true, "");
    }

    void funktionstraegerPruefungen()
    {
        QFETCH(QString, funktion);
        QFETCH(bool, mitMitglied);
        QFETCH(QString, meldung);
        auto verein = neuerVerein(*m_ctx, "5", "Fotoclub Fuenf");
        auto anna = neuesMitglied(*m_ctx, *verein, "1", "Anna", "Berger");
        Funktionstraeger vorlage;
        vorlage.setVerein(verein->getId());

        FunktionstraegerBearbeitenDialog dialog(*m_ctx, Modus::NEU, vorlage, nullptr);
        int neu = 0;
        connect(&dialog, &FunktionstraegerBearbeitenDialog::neuerFunktionstraegerHinzugefuegt, this,
                [&](Funktionstraeger *f, Mitglied *m) {
                    ++neu;
                    QCOMPARE(f->getFunktion(), funktion);
                    QCOMPARE(f->getMitglied(), anna->getId());
                    QCOMPARE(f->getVerein(), verein->getId());
                    QVERIFY(!f->hasId());
                    QCOMPARE(m->getNachname(), QStringLiteral("Berger"));
                });
        dialog.show();
        if (mitMitglied)
            dialog.setzeMitglied(*anna);
        feld<QLineEdit>(&dialog, "funktionFreitext")->setText(funktion);
        knopf(&dialog, "Neuen Funktionstraeger &speichern")->click();
        QCOMPARE(meldungen(*m_boxes), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(neu, meldung.isEmpty() ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !meldung.isEmpty());
        QCOMPARE(protokoll("Fehlermeldung", "FunktionstraegerBearbeitenDialog").size(),
                 meldung.isEmpty() ? 0 : 1);
    }

    void loeschen_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QStringList>("verweise"); // "Mitglied", "Wettbewerb", "Unterverein"
        QTest::addColumn<QString>("verbot");       // title and text of the refusal
        const QString mitglieder = QStringLiteral(
            "Noch Mitglieder vorhanden. / Dem Verein sind noch Mitglieder zugeordnet.  Daher "
            "kann er nicht geloescht werden.\n\nBitte ordnen Sie die Mitglieder zunaechst einem "
            "anderen Verein zu.");
        const QString wettbewerbe = QStringLiteral(
            "Noch Wettbewerbe vorhanden. / Dem Verein sind noch Wettbewerbe zugeordnet.  Daher "
            "kann er nicht geloescht werden.\n\nBitte ordnen Sie die Wettbewerbe zunaechst "
            "einem anderen Verein zu.");
        const QString untervereine = QStringLiteral(
            "Noch untergeordnete Vereine vorhanden. / Der Verein ist anderen Vereinen noch als "
            "uebergeordneter Verein zugeordnet. Er kann daher nicht geloescht werden.\n\nBitte "
            "ordnen Sie den entsprechenden Vereinen zunaechst einen anderen Verein als "
            "uebergeordneten Verein zu.");
        const QStringList alle{"Mitglied", "Wettbewerb", "Unterverein"};
        reihe("Nein", false, alle, "");
        reihe("Mitglieder zuerst", true, alle, mitglieder);
        reihe("Wettbewerbe vor Untervereinen", true, QStringList{"Wettbewerb", "Unterverein"},
              wettbewerbe);
        reihe("Untervereine", true, QStringList{"Unterverein"}, untervereine);
        reihe("erfolgreich", true, QStringList(), "");
    }

    void loeschen()
    {
        QFETCH(bool, ja);
        QFETCH(QStringList, verweise);
        QFETCH(QString, verbot);
        auto anderer = neuerVerein(*m_ctx, "6", "Fotoclub Sechs");
        auto anna = neuesMitglied(*m_ctx, *anderer, "1", "Anna", "Berger");
        auto bert = neuesMitglied(*m_ctx, *anderer, "2", "Bert", "Huber");
        auto verein = neuerVerein(*m_ctx, "7", "Fotoklub Sieben");
        const std::string vid = id(verein->getId());
        neuerFunktionstraeger(*m_ctx, *verein, *anna, "Obfrau", "OBMANN");
        neuerFunktionstraeger(*m_ctx, *verein, *bert, "Kassier", "KASSIER");
        neuerFunktionstraeger(*m_ctx, *anderer, *bert, "Kassier", "KASSIER");
        run("INSERT INTO VereinsDatenBerechtigung (verein) VALUES (" + vid + ")");
        if (verweise.contains("Mitglied"))
            neuesMitglied(*m_ctx, *verein, "1", "Carla", "Moser");
        if (verweise.contains("Wettbewerb"))
            run("INSERT INTO Wettbewerb (verein, name) VALUES (" + vid +
                ", 'Landesmeisterschaft')");
        if (verweise.contains("Unterverein"))
            neuerVerein(*m_ctx, "1", "Fotoclub Siebzehn", verein.get());
        const int vereineVorher = anzahl("Verein");

        m_boxes->answer(ja);
        const bool geloescht = VereinBearbeitenDialog::loescheVerein(*m_ctx, *verein);

        QStringList erwartet{
            "question: Verein wirklich loeschen? / Wollen Sie den Verein mit der "
            "Nummer 7 und dem Namen Fotoklub Sieben wirklich loeschen? \n\nFalls Sie "
            "mit Ja antworten, wird er unwiderbringlich geloescht."};
        const bool erfolgreich = ja && verbot.isEmpty();
        if (!verbot.isEmpty())
            erwartet << QStringLiteral("critical: ") + verbot;
        if (erfolgreich)
            erwartet << "information: Verein erfolgreich geloescht. / Der Verein mit der Nummer 7 "
                        "und dem Namen Fotoklub Sieben wurde erfolgreich geloescht.";
        QCOMPARE(meldungen(*m_boxes), erwartet);
        QCOMPARE(geloescht, erfolgreich);
        QCOMPARE(protokoll("Fehlermeldung", "VereinBearbeitenDialog"),
                 verbot.isEmpty() ? QStringList() : QStringList{verbot.section(" / ", 0, 0)});

        // The officials and data permissions go with the club; those of other clubs stay.
        const int bleibt = erfolgreich ? 0 : 1;
        QCOMPARE(anzahl("Verein", "id = " + vid), bleibt);
        QCOMPARE(anzahl("Funktionstraeger", "verein = " + vid), 2 * bleibt);
        QCOMPARE(anzahl("VereinsDatenBerechtigung", "verein = " + vid), bleibt);
        QCOMPARE(anzahl("Verein"), vereineVorher - 1 + bleibt);
        QCOMPARE(anzahl("Funktionstraeger", "verein = " + id(anderer->getId())), 1);
    }

private:
    // Adds an official through "Hi&nzufuegen" and FunktionstraegerBearbeitenDialog.
    void fuegeHinzu(VereinBearbeitenDialog &dialog, const Mitglied &mitglied,
                    const QString &funktion, const QString &funktionsCode)
    {
        bool gesehen = false;
        imNaechstenDialog<FunktionstraegerBearbeitenDialog>(
            [&](FunktionstraegerBearbeitenDialog &neu) {
                neu.setzeMitglied(mitglied);
                fuelle(*m_ctx, &neu, {{"funktionFreitext", funktion}, {"funktion", funktionsCode}});
                knopf(&neu, "Neuen Funktionstraeger &speichern")->click();
            },
            &gesehen);
        knopf(dialog.funktionstraeger(), "Hi&nzufuegen")->click();
        QVERIFY(gesehen);
    }
};

KALVOR_REGISTER_TEST(VereinDialogTest)

#include "tst_clubdialogs.moc"
