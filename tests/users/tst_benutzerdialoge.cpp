// The user and permission dialogs off screen: the administration with its checks, deletion and
// reset; a user's own password; the permission list; the member's web account; a forbidden club
// opening read-only and a forbidden write refused with its box.

#include "Screenshot.h"
#include "userfixtures.h"

#include "BenutzerBearbeitenDialog.h"
#include "BenutzerSuche.h"
#include "BenutzerVerwaltung.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliedWebWidget.h"
#include "TestRegistry.h"
#include "VDBVerwaltung.h"
#include "VereinBearbeitenDialog.h"
#include "entities/VereinsDatenBerechtigung.h"

#include <QDir>
#include <QTabWidget>

using namespace userfixtures;

class BenutzerDialogTest : public BenutzerTest
{
    Q_OBJECT
private:
    // Opens the user dialog from "&Neu" of the administration and stores these entries.
    void legeImDialogAn(BenutzerVerwaltung &verwaltung, const QString &name, const QString &pw1,
                        const QString &pw2)
    {
        imNaechstenDialog<BenutzerBearbeitenDialog>([&](BenutzerBearbeitenDialog &dialog) {
            tippe(feld<QLineEdit>(&dialog, QStringLiteral("benutzername")), name);
            tippe(feld<QLineEdit>(&dialog, QStringLiteral("passwort")), pw1);
            tippe(feld<QLineEdit>(&dialog, QStringLiteral("wiederholung")), pw2);
            feld<QCheckBox>(&dialog, QStringLiteral("guiBenutzer"))->setChecked(true);
            knopf(&dialog, QStringLiteral("speichern"))->click();
        });
        knopf(&verwaltung, QStringLiteral("neu"))->click();
    }

    void waehleZeile(BenutzerVerwaltung &verwaltung, const QString &name)
    {
        for (int row = 0; row < verwaltung.liste()->rowCount(); ++row)
            if (verwaltung.liste()->benutzerInZeile(row)->getBenutzername() == name)
                verwaltung.liste()->selectRow(row);
    }

private slots:
    void verwaltung()
    {
        BenutzerVerwaltung verwaltung(*m_ctx);
        legeImDialogAn(verwaltung, QStringLiteral("abcdefghijklm"), QStringLiteral("a"),
                       QStringLiteral("a"));
        legeImDialogAn(verwaltung, QStringLiteral("hans"), QStringLiteral("geheim"),
                       QStringLiteral("geheim"));
        QCOMPARE(meldungen(*m_boxes),
                 QStringList(QStringLiteral("critical: Benutzername zu lang / Der Benutzername "
                                            "darf hoechstens 12 Zeichen lang sein.")));
        QCOMPARE(verwaltung.liste()->rowCount(), 1);
        QVERIFY(anmelden(QStringLiteral("hans"), QStringLiteral("geheim"))->isConnected());
        QCOMPARE(scalar("SELECT COUNT(*) FROM Benutzer WHERE benutzername = 'hans' AND password "
                        "IS NULL"),
                 QStringLiteral("1"));

        // The search: "Egal?" off searches the flag.
        knopf(&verwaltung, QStringLiteral("suchen"))->click();
        QCOMPARE(verwaltung.liste()->rowCount(), 2);
        feld<QCheckBox>(&verwaltung, QStringLiteral("webEgal"))->setChecked(false);
        feld<QCheckBox>(&verwaltung, QStringLiteral("webBenutzer"))->setChecked(true);
        knopf(&verwaltung, QStringLiteral("suchen"))->click();
        QCOMPARE(verwaltung.liste()->rowCount(), 0);
        feld<QCheckBox>(&verwaltung, QStringLiteral("webEgal"))->setChecked(true);
        tippe(feld<QLineEdit>(&verwaltung, QStringLiteral("benutzername")), QStringLiteral("AN"));
        knopf(&verwaltung, QStringLiteral("suchen"))->click();
        QCOMPARE(verwaltung.liste()->rowCount(), 1);

        // Reset, then root refused, then hans deleted.
        m_boxes->clear();
        waehleZeile(verwaltung, QStringLiteral("hans"));
        knopf(&verwaltung, QStringLiteral("passwort"))->click();
        QVERIFY(anmelden(QStringLiteral("hans"), QStringLiteral("hans"))->isConnected());
        tippe(feld<QLineEdit>(&verwaltung, QStringLiteral("benutzername")), QString());
        knopf(&verwaltung, QStringLiteral("suchen"))->click();
        waehleZeile(verwaltung, QStringLiteral("root"));
        knopf(&verwaltung, QStringLiteral("loeschen"))->click();
        waehleZeile(verwaltung, QStringLiteral("hans"));
        m_boxes->answer(true);
        knopf(&verwaltung, QStringLiteral("loeschen"))->click();
        QCOMPARE(meldungen(*m_boxes),
                 QStringList({QStringLiteral("information: Passwort erfolgreich zurueckgesetzt / Das "
                                             "Passwort des Benutzers hans wurde auf hans gesetzt."
                                             "\n\nEs sollte baldmoeglichst geaendert werden."),
                              QStringLiteral("critical: Root darf nicht geloescht werden / Der "
                                             "root-Benutzer kann nicht geloescht werden."),
                              QStringLiteral("question: Benutzer wirklich loeschen? / Wollen Sie den "
                                             "Benutzer hans wirklich loeschen?\n\n Falls Sie mit Ja "
                                             "antworten, kann er nicht mehr wiederhergestellt "
                                             "werden. Dies gilt auch für eventuell vorhandene "
                                             "Berechtigungen.")}));
        QCOMPARE(verwaltung.liste()->rowCount(), 1);
        QCOMPARE(konten(QStringLiteral("kdb_hans")), 0);
        bild(verwaltung, QStringLiteral("benutzerverwaltung"));
    }

    // A user changes his own password as himself; the flags cannot change in that mode.
    void eigenesPasswort()
    {
        neuerBenutzer(*m_ctx, QStringLiteral("ute"), QStringLiteral("alt"), true, false);
        auto ctx = anmelden(QStringLiteral("ute"), QStringLiteral("alt"));
        BenutzerBearbeitenDialog dialog(*ctx, BenutzerBearbeitenDialog::Modus::BEARBEITEN_PASSWORT,
                                        ctx->benutzer());
        QVERIFY(!feld<QCheckBox>(&dialog, QStringLiteral("guiBenutzer"))->isEnabled());
        tippe(feld<QLineEdit>(&dialog, QStringLiteral("passwort")), QStringLiteral("neu"));
        tippe(feld<QLineEdit>(&dialog, QStringLiteral("wiederholung")), QStringLiteral("neu"));
        knopf(&dialog, QStringLiteral("speichern"))->click();
        QVERIFY2(m_boxes->shown().empty(), qPrintable(meldungen(*m_boxes).join(QLatin1Char('\n'))));
        QVERIFY(anmelden(QStringLiteral("ute"), QStringLiteral("neu"))->isConnected());
    }

    // The list of a user's permissions; deleting rebuilds the checker and selects the row at
    // the same place; read-only for the user's own list.
    void datenberechtigungen()
    {
        const auto verein = neuerVerein(*m_ctx, QStringLiteral("1"), QStringLiteral("Ort"));
        auto benutzer = neuerBenutzer(*m_ctx, QStringLiteral("vera"), QStringLiteral("pw"), true, false);
        for (const char *art : {"LESEN", "LESEN_UND_SCHREIBEN"})
            run("INSERT INTO VereinsDatenBerechtigung (benutzer, verein, ausdehnung, art, "
                "objektTyp) VALUES (" + id(benutzer->getId()) + ", " + id(verein->getId()) + ", " +
                id(code(*m_ctx, QStringLiteral("VereinsDatenBerechtigungsAusdehnung"), QStringLiteral("VEREIN"))) +
                ", " + id(code(*m_ctx, QStringLiteral("DatenBerechtigungsArt"), QString::fromLatin1(art))) +
                ", " + id(code(*m_ctx, QStringLiteral("DatenBerechtigungsObjektTyp"), QStringLiteral("Verein"))) + ")");
        auto ctx = anmelden(QStringLiteral("vera"), QStringLiteral("pw"));
        VDBVerwaltung eigene(*ctx, *ctx->benutzer(), true);
        QVERIFY(!knopf(&eigene, QStringLiteral("loeschen"))->isEnabled());
        QCOMPARE(eigene.liste()->model()->displayValue(1, 2).toString(),
                 QStringLiteral("Lesen und Schreiben"));
        QCOMPARE(eigene.liste()->model()->displayValue(1, 1).toString(), QStringLiteral("Ort"));

        VereinBearbeitenDialog schreibend(*ctx, Modus::BEARBEITEN, verein.get());
        QVERIFY(schreibend.istEditierbar());
        VDBBearbeitenDialog satz(*m_ctx, Modus::BEARBEITEN,
                                 eigene.liste()->berechtigungInZeile(1).get(), *benutzer);
        bild(satz, QStringLiteral("vdbbearbeitendialog"));
        VDBVerwaltung verwaltung(*m_ctx, *benutzer, false);
        bild(verwaltung, QStringLiteral("vdbverwaltung"));
        verwaltung.liste()->selectRow(1);
        knopf(&verwaltung, QStringLiteral("loeschen"))->click();
        QCOMPARE(verwaltung.liste()->rowCount(), 1);
        QCOMPARE(verwaltung.liste()->selectedRow(), 0);
        ctx->reloadPermissions();
        // The forbidden club opens read-only; a forbidden write shows its box.
        VereinBearbeitenDialog lesend(*ctx, Modus::BEARBEITEN, verein.get());
        QVERIFY(!lesend.istEditierbar());
        auto mitglied = std::make_unique<Mitglied>();
        mitglied->setVerein(verein->getId());
        MitgliedBearbeitenDialog neu(*ctx, Modus::NEU, mitglied.get());
        fuelle(*ctx, &neu, {{QStringLiteral("mitgliedsNummerImVerein"), QStringLiteral("5")},
                            {QStringLiteral("vorname"), QStringLiteral("V")},
                            {QStringLiteral("nachname"), QStringLiteral("N")},
                            {QStringLiteral("mitgliedsArt"), QStringLiteral("Club")}});
        knopf(&neu, QStringLiteral("speichern"))->click();
        QCOMPARE(meldungen(*m_boxes).value(0),
                 QStringLiteral("critical: Keine Berechtigung. / Sie haben keine Berechtigung, "
                                "dieses Objekt vom Typ Mitglied auf die Datenbank zu schreiben.  "
                                "Bitte pruefen Sie Ihre Berechtigungen."));
        QVERIFY(neu.isVisible() || neu.result() != QDialog::Accepted);
    }

    // The member's web account: created web-only with the birth date as password, kept in the
    // row; reset; only root sees the tab.
    void webBenutzer()
    {
        const auto verein = neuerVerein(*m_ctx, QStringLiteral("4"), QStringLiteral("Ort"));
        auto mitglied = neuesMitglied(*m_ctx, *verein, QStringLiteral("12"), QStringLiteral("W"),
                                      QStringLiteral("B"));
        mitglied->setDatumGeburt(QDate(1980, 1, 2));
        MitgliedController().insertOrUpdate(*m_ctx, *mitglied);
        MitgliedBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, mitglied.get());
        auto *web = dialog.findChild<MitgliedWebWidget *>();
        QVERIFY(web);
        QCOMPARE(feld<QLineEdit>(web, QStringLiteral("status"))->text(),
                 QStringLiteral("Kein Benutzer 412 vorhanden."));
        knopf(web, QStringLiteral("anlegen"))->click();
        QCOMPARE(feld<QLineEdit>(web, QStringLiteral("status"))->text(),
                 QStringLiteral("Benutzer mit Benutzername 412 vorhanden."));
        QCOMPARE(scalar("SELECT CONCAT(password, webBenutzer, guiBenutzer) FROM Benutzer WHERE "
                        "benutzername = '412'"),
                 QStringLiteral("1980010210"));
        auto ctx = anmelden(QStringLiteral("412"), QStringLiteral("19800102"));
        QVERIFY(!erlaubt(*ctx, "SELECT * FROM Durchgang"));
        dialog.findChild<QTabWidget *>(QStringLiteral("reiter"))->setCurrentWidget(web);
        bild(dialog, QStringLiteral("mitglied-webbenutzer"));
        knopf(web, QStringLiteral("zuruecksetzen"))->click();
        QCOMPARE(meldungen(*m_boxes),
                 QStringList(QStringLiteral("information: Passwort zurueckgesetzt / Das Passwort "
                                            "wurde erfolgreich zurueckgesetzt.")));
        MitgliedBearbeitenDialog alsMitglied(*ctx, Modus::ANSEHEN, mitglied.get());
        QVERIFY(!alsMitglied.findChild<MitgliedWebWidget *>());
    }
};

KALVOR_REGISTER_TEST(BenutzerDialogTest)

#include "tst_benutzerdialoge.moc"
