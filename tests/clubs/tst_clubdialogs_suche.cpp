// The club search: how its fields match, choosing a club, no club or nothing.

#include "clubfixtures.h"

#include "TestRegistry.h"
#include "VereinsListe.h"
#include "VereinsSucheDialog.h"

#include <QAbstractItemModelTester>
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
        QTest::newRow("aktive") << "" << "" << "" << false << aktive;
        QTest::newRow("inaktive") << "" << "" << "" << true << QStringList{"32"};
        QTest::newRow("Nummer als Anfang") << "31" << "" << "" << false << QStringList{"31", "312"};
        QTest::newRow("Nummer nicht mittendrin") << "1" << "" << "" << false << QStringList{"13"};
        QTest::newRow("Nummer mit Leerzeichen") << " 31 " << "" << "" << false
                                                << QStringList{"31", "312"};
        QTest::newRow("Name irgendwo, gross/klein") << "" << "fotoclub" << "" << false
                                                   << QStringList{"13", "31", "4"};
        QTest::newRow("Name mitten im Wort") << "" << "CLUB" << "" << false
                                             << QStringList{"13", "31", "312", "4"};
        QTest::newRow("Prozent woertlich") << "" << "%" << "" << false << QStringList{"4"};
        QTest::newRow("Unterstrich woertlich") << "" << "_" << "" << false << QStringList();
        QTest::newRow("Ort irgendwo") << "" << "" << "bruck" << false << QStringList{"3", "31"};
        QTest::newRow("alle Felder zusammen") << "3" << "club" << "schwaz" << false
                                              << QStringList{"312"};
        QTest::newRow("inaktiv und Name") << "" << "foto" << "" << true << QStringList{"32"};
        QTest::newRow("nichts gefunden") << "9" << "" << "" << false << QStringList();
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
        QAbstractItemModelTester tester(liste->model());
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

    void waehlen_data()
    {
        QTest::addColumn<bool>("doppelklick");
        QTest::newRow("Knopf") << false;
        QTest::newRow("Doppelklick") << true;
    }

    void waehlen()
    {
        QFETCH(bool, doppelklick);
        VereinsSucheDialog dialog(*m_ctx, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
        const int zeile = int(nummern(liste).indexOf("31"));
        if (doppelklick) {
            QTableView *view = liste->tableView();
            const QPoint punkt = view->visualRect(liste->model()->index(zeile, 1)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punkt);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, punkt);
        } else {
            liste->selectRow(zeile);
            knopf(&dialog, "Verein aus&waehlen")->click();
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.keinVereinGewaehlt());
        const std::unique_ptr<Verein> verein = dialog.gewaehlterVerein();
        QVERIFY(verein);
        QVERIFY(verein->hasId());
        QCOMPARE(verein->getName(), QStringLiteral("Fotoclub Innsbruck"));
        QVERIFY(!dialog.gewaehlterVerein()); // handed over once
    }

    void ohneVerein_data()
    {
        QTest::addColumn<bool>("erlaubt");   // "&Keinen Verein auswaehlen" enabled
        QTest::addColumn<bool>("abbrechen"); // else "&Keinen Verein auswaehlen"
        QTest::newRow("keinen Verein") << true << false;
        QTest::newRow("keinen Verein, nicht erlaubt") << false << false;
        QTest::newRow("abbrechen") << true << true;
    }

    void ohneVerein()
    {
        QFETCH(bool, erlaubt);
        QFETCH(bool, abbrechen);
        VereinsSucheDialog dialog(*m_ctx, erlaubt);
        dialog.show();
        QCOMPARE(knopf(&dialog, "&Keinen Verein auswaehlen")->isEnabled(), erlaubt);
        if (abbrechen)
            knopf(&dialog, "Abbre&chen")->click();
        else
            dialog.waehleKeinenVereinAus(); // also around the disabled button
        const bool keinVerein = erlaubt && !abbrechen;
        QCOMPARE(dialog.result(), int(keinVerein ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(dialog.isVisible(), !erlaubt);
        QCOMPARE(dialog.keinVereinGewaehlt(), keinVerein);
        QVERIFY(!dialog.gewaehlterVerein());
        QVERIFY(m_boxes->shown().empty());
    }

    void nichtsMarkiert()
    {
        VereinsSucheDialog dialog(*m_ctx, true);
        dialog.show();
        feld<VereinsListe>(&dialog, "vereinsListe")->selectRow(-1);
        knopf(&dialog, "Verein aus&waehlen")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(meldungen(*m_boxes), QStringList{"critical: Kein Verein markiert / Bitte "
                                                  "markieren Sie zunaechst einen der gefundenen "
                                                  "Vereine."});
        QVERIFY(!dialog.gewaehlterVerein());
    }
};

KALVOR_REGISTER_TEST(VereinsSucheDialogTest)

#include "tst_clubdialogs_suche.moc"
