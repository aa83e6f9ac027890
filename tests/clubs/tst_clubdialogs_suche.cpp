// The club search: how its fields match, choosing a club, no club or nothing.

#include "clubdialogs.h"

#include "MessageBoxes.h"
#include "TestRegistry.h"
#include "VereinsListe.h"
#include "VereinsSucheDialog.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>

using namespace clubdialogs;

namespace {

QStringList nummern(const VereinsListe *liste)
{
    QStringList result;
    for (int row = 0; row < liste->rowCount(); ++row)
        result << liste->model()->index(row, 0).data().toString();
    return result;
}

int zeileVon(const VereinsListe *liste, const QString &nummer)
{
    return int(nummern(liste).indexOf(nummer));
}

} // namespace

class VereinsSucheDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        protokolliereAlles(*m_ctx);
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        // number, name, place, inactive ("": not set)
        const char *vereine[][4] = {
            {"3", "Landesverband Tirol", "Innsbruck", ""},
            {"31", "Fotoclub Innsbruck", "Innsbruck", "0"},
            {"312", "Photo-Club Schwaz", "Schwaz", "0"},
            {"32", "Alter Fotoklub", "Kufstein", "1"},
            {"4", "Fotoclub 100% Bild", "Wien", ""},
            {"13", "FOTOCLUB Nord", "Linz", "0"},
        };
        for (const auto &v : vereine) {
            Verein verein;
            verein.setVereinsNummerLokal(v[0]);
            verein.setVereinsNummerKomplett(v[0]);
            verein.setName(QString::fromUtf8(v[1]));
            verein.setOrt(v[2]);
            if (*v[3])
                verein.setInaktiv(v[3][0] == '1');
            VereinController().insertOrUpdate(*m_ctx, verein);
        }
    }

    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_boxes.reset();
        m_ctx.reset();
    }

    void aufbau();
    void sucheFelder_data();
    void sucheFelder();
    void waehltMarkiertenVerein();
    void doppelklickWaehltVerein();
    void ohneVerein_data();
    void ohneVerein();
    void nichtsMarkiert();
    void sucheZuruecksetzen();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
};

void VereinsSucheDialogTest::aufbau()
{
    VereinsSucheDialog dialog(*m_ctx, true);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Verein auswaehlen"));
    for (const char *text : {"&Suchen", "Suche &zuruecksetzen", "Verein aus&waehlen",
                             "&Keinen Verein auswaehlen", "Abbre&chen"})
        QVERIFY2(knopf(&dialog, text), text);
    auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
    QCOMPARE(liste->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nummer"));
    QCOMPARE(liste->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    // At first every active club, sorted by number, the first one marked.
    QCOMPARE(nummern(liste), (QStringList{"13", "3", "31", "312", "4"}));
    QCOMPARE(liste->selectedRow(), 0);
    QCOMPARE(liste->model()->index(2, 1).data().toString(), QStringLiteral("Fotoclub Innsbruck"));
}

void VereinsSucheDialogTest::sucheFelder_data()
{
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ort");
    QTest::addColumn<bool>("inaktiv");
    QTest::addColumn<QStringList>("gefunden");
    QTest::newRow("aktive") << "" << "" << "" << false
                            << QStringList{"13", "3", "31", "312", "4"};
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

void VereinsSucheDialogTest::sucheFelder()
{
    QFETCH(QString, nummer);
    QFETCH(QString, name);
    QFETCH(QString, ort);
    QFETCH(bool, inaktiv);
    QFETCH(QStringList, gefunden);
    VereinsSucheDialog dialog(*m_ctx, true);
    auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
    QAbstractItemModelTester tester(liste->model());
    feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->setText(nummer);
    feld<QLineEdit>(&dialog, "vereinsname")->setText(name);
    feld<QLineEdit>(&dialog, "ort")->setText(ort);
    feld<QCheckBox>(&dialog, "inaktiv")->setChecked(inaktiv);
    knopf(&dialog, "&Suchen")->click();
    QCOMPARE(nummern(liste), gefunden);
    QVERIFY(m_boxes->shown().empty());
    QCOMPARE(protokoll("Dialog", "VereinsSucheDialog"),
             (QStringList{"Oeffne VereinsSucheDialog", "Aufruf von Suche Vereine"}));
}

void VereinsSucheDialogTest::waehltMarkiertenVerein()
{
    VereinsSucheDialog dialog(*m_ctx, false);
    dialog.show();
    auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
    liste->selectRow(zeileVon(liste, "31"));
    knopf(&dialog, "Verein aus&waehlen")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.keinVereinGewaehlt());
    const std::unique_ptr<Verein> verein = dialog.gewaehlterVerein();
    QVERIFY(verein);
    QCOMPARE(verein->getName(), QStringLiteral("Fotoclub Innsbruck"));
    QVERIFY(verein->hasId());
    QVERIFY(!dialog.gewaehlterVerein()); // handed over once
    QCOMPARE(protokoll("Dialog", "VereinsSucheDialog").last(),
             QStringLiteral("Aufruf von Waehle Verein aus"));
}

void VereinsSucheDialogTest::doppelklickWaehltVerein()
{
    VereinsSucheDialog dialog(*m_ctx, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *liste = feld<VereinsListe>(&dialog, "vereinsListe");
    QTableView *view = liste->tableView();
    const QPoint punkt = view->visualRect(liste->model()->index(zeileVon(liste, "4"), 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, punkt);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::unique_ptr<Verein> verein = dialog.gewaehlterVerein();
    QVERIFY(verein);
    QCOMPARE(verein->getVereinsNummerKomplett(), QStringLiteral("4"));
}

void VereinsSucheDialogTest::ohneVerein_data()
{
    QTest::addColumn<bool>("erlaubt");    // "&Keinen Verein auswaehlen" enabled
    QTest::addColumn<bool>("abbrechen"); // else "&Keinen Verein auswaehlen"
    QTest::newRow("keinen Verein") << true << false;
    QTest::newRow("keinen Verein, nicht erlaubt") << false << false;
    QTest::newRow("abbrechen") << true << true;
}

void VereinsSucheDialogTest::ohneVerein()
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
    QCOMPARE(protokoll("Dialog", "VereinsSucheDialog").last(),
             abbrechen ? QStringLiteral("Aufruf von Abbrechen")
                       : QStringLiteral("Aufruf von Waehle keinen Verein aus"));
}

void VereinsSucheDialogTest::nichtsMarkiert()
{
    VereinsSucheDialog dialog(*m_ctx, true);
    dialog.show();
    feld<VereinsListe>(&dialog, "vereinsListe")->selectRow(-1);
    knopf(&dialog, "Verein aus&waehlen")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_boxes->shown().size(), size_t(1));
    QCOMPARE(m_boxes->shown().front().title, QStringLiteral("Kein Verein markiert"));
    QCOMPARE(m_boxes->shown().front().text,
             QStringLiteral("Bitte markieren Sie zunaechst einen der gefundenen Vereine."));
    QVERIFY(!dialog.gewaehlterVerein());
}

void VereinsSucheDialogTest::sucheZuruecksetzen()
{
    VereinsSucheDialog dialog(*m_ctx, true);
    feld<QLineEdit>(&dialog, "gesamteVereinsnummer")->setText("3");
    feld<QLineEdit>(&dialog, "vereinsname")->setText("foto");
    feld<QLineEdit>(&dialog, "ort")->setText("Linz");
    feld<QCheckBox>(&dialog, "inaktiv")->setChecked(true);
    knopf(&dialog, "Suche &zuruecksetzen")->click();
    for (const char *name : {"gesamteVereinsnummer", "vereinsname", "ort"})
        QVERIFY(feld<QLineEdit>(&dialog, name)->text().isEmpty());
    QVERIFY(!feld<QCheckBox>(&dialog, "inaktiv")->isChecked());
    QCOMPARE(feld<VereinsListe>(&dialog, "vereinsListe")->rowCount(), 0);
    knopf(&dialog, "&Suchen")->click();
    QCOMPARE(feld<VereinsListe>(&dialog, "vereinsListe")->rowCount(), 5);
}

KALVOR_REGISTER_TEST(VereinsSucheDialogTest)

#include "tst_clubdialogs_suche.moc"
