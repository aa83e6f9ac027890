// The club search: how its fields match, choosing a club, no club or nothing.

#include "clubfixtures.h"

#include "TestRegistry.h"
#include "VereinsListe.h"
#include "VereinsSucheDialog.h"

#include <QTableView>

using namespace clubfixtures;

namespace {

QStringList nummern(const VereinsListe *liste)
{
    QStringList result;
    for (int row = 0; row < liste->rowCount(); ++row)
        result << liste->model()->index(row, 0).data().toString();
    return result;
}

} // namespace

class VereinsSucheDialogTest : public DatenbankTest
{
    Q_OBJECT
protected:
    void legeAn() override
    {
        run("INSERT INTO Verein (vereinsNummerLokal, vereinsNummerKomplett, name, ort, inaktiv) "
            "VALUES ('3', '3', 'Landesverband Tirol', 'Innsbruck', NULL), "
            "('31', '31', 'Fotoclub Innsbruck', 'Innsbruck', 0), "
            "('312', '312', 'Photo-Club Schwaz', 'Schwaz', 0), "
            "('32', '32', 'Alter Fotoklub', 'Kufstein', 1), "
            "('4', '4', 'Fotoclub 100% Bild', 'Wien', NULL), "
            "('13', '13', 'FOTOCLUB Nord', 'Linz', 0)");
    }

private slots:
    void sucheFelder_data()
    {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ort");
        QTest::addColumn<bool>("inaktiv");
        QTest::addColumn<QStringList>("gefunden");
        const QStringList aktive{"13", "3", "31", "312", "4"};
        reihe("aktive", "", "", "", false, aktive);
        reihe("inaktive", "", "", "", true, QStringList{"32"});
        reihe("Nummer als Anfang", "31", "", "", false, QStringList{"31", "312"});
        reihe("Nummer nicht mittendrin", "1", "", "", false, QStringList{"13"});
        reihe("Nummer mit Leerzeichen", " 31 ", "", "", false, QStringList{"31", "312"});
        reihe("Name irgendwo, gross/klein", "", "fotoclub", "", false,
              QStringList{"13", "31", "4"});
        reihe("Name mitten im Wort", "", "CLUB", "", false, QStringList{"13", "31", "312", "4"});
        reihe("Prozent woertlich", "", "%", "", false, QStringList{"4"});
        reihe("Unterstrich woertlich", "", "_", "", false, QStringList());
        reihe("Ort irgendwo", "", "", "bruck", false, QStringList{"3", "31"});
        reihe("alle Felder zusammen", "3", "club", "schwaz", false, QStringList{"312"});
        reihe("inaktiv und Name", "", "foto", "", true, QStringList{"32"});
        reihe("nichts gefunden", "9", "", "", false, QStringList());
    }

    void sucheFelder()
    {
        QFETCH(QString, nummer);
        QFETCH(QString, name);
        QFETCH(QString, ort);
        QFETCH(bool, inaktiv);
        QFETCH(QStringList, gefunden);
        VereinsSucheDialog dialog(*m_ctx, true);
        auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
        // At first every active club, sorted by number, the first one marked.
        QCOMPARE(nummern(liste), (QStringList{"13", "3", "31", "312", "4"}));
        QCOMPARE(liste->selectedRow(), 0);
        feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->setText(nummer);
        feld<QLineEdit>(&dialog, "vereinsname")->setText(name);
        feld<QLineEdit>(&dialog, "ort")->setText(ort);
        feld<QCheckBox>(&dialog, "inaktiv")->setChecked(inaktiv);
        knopf(&dialog, "&Suchen")->click();
        QCOMPARE(nummern(liste), gefunden);
        QVERIFY(m_boxes->shown().empty());

        // "Suche &zuruecksetzen" empties fields and list.
        knopf(&dialog, "Suche &zuruecksetzen")->click();
        for (const char *feldName : {"gesamteVereinsnummer", "vereinsname", "ort"})
            QVERIFY(feld<QLineEdit>(&dialog, feldName)->text().isEmpty());
        QVERIFY(!feld<QCheckBox>(&dialog, "inaktiv")->isChecked());
        QCOMPARE(liste->rowCount(), 0);
    }

    // Choosing a club (marked, or by double click), no club (where allowed), nothing.
    void waehlen_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<bool>("keinenErlaubt"); // "&Keinen Verein auswaehlen" enabled
        QTest::addColumn<int>("ergebnis");       // -1: the dialog stays open
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("meldung");
        const int ja = QDialog::Accepted;
        reihe("markiert", "markiert", false, ja, "Fotoclub Innsbruck", "");
        reihe("Doppelklick", "Doppelklick", false, ja, "Fotoclub Innsbruck", "");
        reihe("keinen Verein", "keinen", true, ja, "", "");
        reihe("keinen, nicht erlaubt", "keinen", false, -1, "", "");
        reihe("abbrechen", "abbrechen", true, int(QDialog::Rejected), "", "");
        reihe("nichts markiert", "nichts", true, -1, "",
              "critical: Kein Verein markiert / Bitte markieren Sie zunaechst einen der "
              "gefundenen Vereine.");
    }

    void waehlen()
    {
        QFETCH(QString, aktion);
        QFETCH(bool, keinenErlaubt);
        QFETCH(int, ergebnis);
        QFETCH(QString, gewaehlt);
        QFETCH(QString, meldung);
        VereinsSucheDialog dialog(*m_ctx, keinenErlaubt);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(knopf(&dialog, "&Keinen Verein auswaehlen")->isEnabled(), keinenErlaubt);
        auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
        const int zeile = int(nummern(liste).indexOf("31"));
        if (aktion == QLatin1String("Doppelklick")) {
            QTableView *view = liste->tableView();
            const QPoint punkt = view->visualRect(liste->model()->index(zeile, 1)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punkt);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, punkt);
        } else if (aktion == QLatin1String("keinen")) {
            dialog.waehleKeinenVereinAus(); // also around the disabled button
        } else if (aktion == QLatin1String("abbrechen")) {
            knopf(&dialog, "Abbre&chen")->click();
        } else {
            liste->selectRow(aktion == QLatin1String("markiert") ? zeile : -1);
            knopf(&dialog, "Verein aus&waehlen")->click();
        }
        QCOMPARE(dialog.isVisible(), ergebnis < 0);
        if (ergebnis >= 0)
            QCOMPARE(dialog.result(), ergebnis);
        QCOMPARE(dialog.keinVereinGewaehlt(), aktion == QLatin1String("keinen") && keinenErlaubt);
        const std::unique_ptr<Verein> verein = dialog.gewaehlterVerein();
        QCOMPARE(verein ? verein->getName() : QString(), gewaehlt);
        QVERIFY(!verein || verein->hasId());
        QVERIFY(!dialog.gewaehlterVerein()); // handed over once
        QCOMPARE(meldungen(*m_boxes), meldung.isEmpty() ? QStringList() : QStringList{meldung});
    }
};

KALVOR_REGISTER_TEST(VereinsSucheDialogTest)

#include "tst_clubdialogs_suche.moc"
