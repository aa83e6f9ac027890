// The full-screen scoring dialog as the jury sees it, off screen on a 1920x1080 screen, with
// simulated keypads on the throwaway database server of the tests:
//   - a key press until the juror's score is stored and the dialog has painted it (7 jurors,
//     500 images, every juror pressing once per image);
//   - confirming until the next picture is painted, with 24-megapixel JPEGs, with and without
//     decoding ahead.
#include "BenchUtil.h"
#include "BildDecoder.h"
#include "MessageBoxes.h"
#include "VollbildWertungsDialog.h"
#include "WertungsAblauf.h"
#include "controllers/BildDatenController.h"
#include "entities/Wertung.h"
#include "vollbildfixture.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <cmath>

using namespace VollbildFixture;

namespace {

double p99(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[std::min(werte.size() - 1, size_t(std::ceil(0.99 * double(werte.size())) - 1))];
}

void zeile(const char *name, double wert, const char *einheit = "ms")
{
    std::printf("%s: %.2f%s%s\n", name, wert, *einheit ? " " : "", einheit);
    std::fflush(stdout);
}

// A drawn 24-megapixel photograph: gradient, shapes and fine grain (so that the JPEG is as
// large as a camera's), encoded once.
QByteArray grossesJpeg()
{
    QImage bild(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&bild);
    QLinearGradient verlauf(0, 0, 6000, 4000);
    verlauf.setColorAt(0, QColor(30, 80, 160));
    verlauf.setColorAt(1, QColor(220, 160, 60));
    painter.fillRect(bild.rect(), verlauf);
    QRandomGenerator zufall(7);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromRgb(zufall.generate() | 0xff000000u));
        painter.drawEllipse(QPointF(zufall.bounded(6000), zufall.bounded(4000)),
                            zufall.bounded(20, 400), zufall.bounded(20, 400));
    }
    painter.end();
    for (int y = 0; y < bild.height(); ++y) {
        auto *pixel = reinterpret_cast<QRgb *>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const int korn = int(zufall.generate() % 25) - 12;
            const QRgb p = pixel[x];
            pixel[x] = qRgb(std::clamp(qRed(p) + korn, 0, 255), std::clamp(qGreen(p) + korn, 0, 255),
                            std::clamp(qBlue(p) + korn, 0, 255));
        }
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPG", 90);
    return daten;
}

std::unique_ptr<VollbildWertungsDialog> oeffne(DatabaseContext &ctx, Runde &runde,
                                               TestTastaturen &tastaturen, int voraus)
{
    auto dialog = std::make_unique<VollbildWertungsDialog>(
        ctx, *runde.daten.wettbewerb, *runde.durchgang, &tastaturen,
        WertungsHelper::juroren(ctx, *runde.durchgang));
    dialog->setzeVorausAnzahl(voraus);
    dialog->setup();
    dialog->show();
    QApplication::processEvents();
    return dialog;
}

// Key presses: the time from the keypad's signal until the score is stored and painted.
void tastendruecke()
{
    auto ctx = BenchUtil::openFreshContext();
    Runde runde = legeRundeAn(*ctx, 500, 7, BilderFixture::zeichneJpeg(1200, 800));
    TestTastaturen tastaturen(*ctx);
    auto dialog = oeffne(*ctx, runde, tastaturen, 2);
    std::vector<double> zeiten;
    for (int bild = 0; bild < 500; ++bild) {
        for (int juror = 0; juror < 7; ++juror) {
            zeiten.push_back(BenchUtil::millisecondsOf([&] {
                tastaturen.druecke(geraet(juror), 1 + (bild + juror) % 10);
                QApplication::processEvents();
            }));
        }
        dialog->bewertungBestaetigen();
        QApplication::processEvents();
    }
    zeile("key to stored and shown median", BenchUtil::median(zeiten));
    zeile("key to stored and shown p99", p99(zeiten));

    // The floor: the same number of single-row updates of a juror score, sent raw, each
    // committed on its own as the dialog's are.
    MYSQL *roh = BenchUtil::rawConnection();
    const std::string erste = TestDatabase::scalar("SELECT MIN(id) FROM EinzelWertung");
    std::vector<double> rohZeiten;
    for (size_t i = 0; i < zeiten.size(); ++i) {
        const std::string sql = "UPDATE EinzelWertung SET bewertung = " +
                                std::to_string(1 + i % 10) + " WHERE id = " +
                                std::to_string(std::stoll(erste) + qlonglong(i));
        rohZeiten.push_back(BenchUtil::millisecondsOf([&] { mysql_query(roh, sql.c_str()); }));
    }
    mysql_close(roh);
    zeile("key to stored and shown raw update p99", p99(rohZeiten));
    zeile("key to stored and shown ratio", p99(zeiten) / p99(rohZeiten), "");
}

// Confirming until the next picture is painted, for every image of the round but the last.
// `gespeichert` receives the part of each that confirming takes (storing the total and the
// round's current row, choosing the next picture) before the event loop paints.
std::vector<double> naechsteBilder(DatabaseContext &ctx, Runde &runde, TestTastaturen &tastaturen,
                                   int voraus, std::vector<double> *gespeichert = nullptr)
{
    // Every run starts with a round nobody has scored.
    TestDatabase::run("UPDATE EinzelWertung SET bewertung = NULL");
    TestDatabase::run("UPDATE Wertung SET bewertung = NULL");
    TestDatabase::run("UPDATE Durchgang SET aktuelleWertung = NULL");
    runde.durchgang = DurchgangController().readById(ctx, runde.durchgang->getId(), true);
    auto dialog = oeffne(ctx, runde, tastaturen, voraus);
    std::vector<double> zeiten;
    while (dialog->ablauf().position() + 1 < dialog->ablauf().anzahl()) {
        for (int juror = 0; juror < 7; ++juror)
            tastaturen.druecke(geraet(juror), 5);
        dialog->vorlader().warte(); // the jurors take their time
        QApplication::processEvents();
        const qlonglong naechstes = dialog->ablauf().naechsteBilder(1).front()->getBildDaten();
        zeiten.push_back(BenchUtil::millisecondsOf([&] {
            const double bestaetigt =
                BenchUtil::millisecondsOf([&] { dialog->bewertungBestaetigen(); });
            if (gespeichert)
                gespeichert->push_back(bestaetigt);
            while (dialog->flaeche()->zuletztGemalt() != naechstes)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }));
    }
    return zeiten;
}

void bildwechsel()
{
    auto ctx = BenchUtil::openFreshContext();
    const QByteArray jpeg = grossesJpeg();
    zeile("picture size", double(jpeg.size()) / 1e6, "MB");
    Runde runde = legeRundeAn(*ctx, 41, 7, jpeg);
    TestTastaturen tastaturen(*ctx);

    // What decoding ahead takes off the GUI thread.
    const qlonglong bildDaten = std::stoll(TestDatabase::scalar("SELECT MIN(id) FROM BildDaten"));
    std::vector<double> lesen, dekodieren;
    for (int i = 0; i < 5; ++i) {
        QByteArray gelesen;
        lesen.push_back(BenchUtil::millisecondsOf(
            [&] { gelesen = BildDatenController().readById(*ctx, bildDaten, true)->getDaten(); }));
        dekodieren.push_back(BenchUtil::millisecondsOf(
            [&] { BildDecoder::dekodiere(gelesen, QSize(1920, 1080)); }));
    }
    zeile("picture bytes read median", BenchUtil::median(lesen));
    zeile("picture decode to screen size median", BenchUtil::median(dekodieren));

    std::vector<double> gespeichert;
    const double mit = p99(naechsteBilder(*ctx, runde, tastaturen, 2, &gespeichert));
    const double ohne = p99(naechsteBilder(*ctx, runde, tastaturen, 0));
    zeile("next picture p99", mit);
    zeile("next picture confirm stored p99", p99(gespeichert));
    zeile("next picture without decoding ahead p99", ohne);
    zeile("next picture ratio", ohne / mit, "");
}

} // namespace

int main(int argc, char **argv)
{
    // A projector of 1920x1080 pixels for the offscreen platform.
    QTemporaryFile schirm;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && schirm.open()) {
        schirm.write(R"({"screens": [{"name": "Projektor", "x": 0, "y": 0, "width": 1920,
                     "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        schirm.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirm.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    if (!TestDatabase::isConfigured())
        return BenchUtil::openFreshContext() ? 0 : 1;
    RecordingMessageBoxes boxen;
    MessageBoxes::install(&boxen);
    tastendruecke();
    bildwechsel();
    return 0;
}
