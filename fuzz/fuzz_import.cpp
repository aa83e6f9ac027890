// The import of a data file given as raw bytes: the meta lines, the data model version, the
// reader and the whole preprocessing against the test database, cancelled when the writing
// would begin. Every failure must be an ImportException naming a line of the file (or none),
// and the database must stay as it was. Anything else aborts, which the fuzzer reports.

#include "DataImporter.h"
#include "DatabaseContext.h"
#include "ImportException.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Umgebung
{
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<QTemporaryDir> verzeichnis;
    std::unique_ptr<DatabaseContext> ctx;
    QString datei;
    std::string stand; // the rows of the database, as they must stay
};

[[noreturn]] void brich(const char *was, const QString &text = {})
{
    std::fprintf(stderr, "fuzz_import: %s %s\n", was, qPrintable(text));
    std::abort();
}

// Counts and sums over the tables an import may write; logs aside.
std::string stand()
{
    return TestDatabase::scalar(
        "SELECT CONCAT_WS(',', (SELECT COUNT(*) FROM Verein), (SELECT COUNT(*) FROM Mitglied), "
        "(SELECT COUNT(*) FROM CodeType), (SELECT COUNT(*) FROM CodeValue), "
        "(SELECT COUNT(*) FROM BildDaten), (SELECT COUNT(*) FROM Benutzer), "
        "(SELECT COUNT(*) FROM Session), (SELECT COUNT(*) FROM Wettbewerb), "
        "(SELECT MAX(mut_tist) FROM Verein), (SELECT MAX(mut_tist) FROM Mitglied), "
        "(SELECT MAX(mut_tist) FROM CodeValue))");
}

Umgebung &umgebung()
{
    static Umgebung u = [] {
        Umgebung neu;
        static int argc = 1;
        static char name[] = "fuzz_import";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            neu.app = std::make_unique<QCoreApplication>(argc, argv);
        std::string grund;
        if (!TestDatabase::isConfigured(&grund))
            brich("no test database:", QString::fromStdString(grund));
        TestDatabase::reinstall();
        // A club and a member the files may name, and a picture file beside the data file.
        TestDatabase::run("INSERT INTO Verein (vereinsNummerLokal, vereinsNummerKomplett, name, "
                          "inaktiv) VALUES ('5', '5', 'Oben', 0)");
        neu.ctx = TestDatabase::openContext();
        neu.verzeichnis = std::make_unique<QTemporaryDir>();
        QFile bild(neu.verzeichnis->filePath(QStringLiteral("bild.jpg")));
        if (!bild.open(QIODevice::WriteOnly) || bild.write("JPEG") != 4)
            brich("cannot write the picture file");
        neu.datei = neu.verzeichnis->filePath(QStringLiteral("import.csv"));
        neu.stand = stand();
        return neu;
    }();
    return u;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Umgebung &u = umgebung();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile datei(u.datei);
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            datei.write(bytes) != bytes.size())
            brich("cannot write the data file");
    }
    const qsizetype zeilen = bytes.count('\n') + 1;
    // KALVOR_FUZZ_VERBOSE=1 tells how each input ended.
    static const bool gespraechig = qEnvironmentVariableIsSet("KALVOR_FUZZ_VERBOSE");
    const auto pruefeZeile = [&](const ImportException &e) {
        if (gespraechig)
            std::fprintf(stderr, "line %d: %s: %s\n", e.zeile, qPrintable(e.meldung.titel), qPrintable(e.meldung.text));
        if (e.zeile < -1 || e.zeile > zeilen || e.zeile == 0)
            brich("line out of the file:", QString::number(e.zeile) + QLatin1Char(' ') + e.meldung.titel);
        if (e.meldung.titel.isEmpty() || e.meldung.text.isEmpty())
            brich("message without title or text");
    };
    try {
        CSVDataImporter::pruefeDatenmodellVersion(
            *u.ctx, CSVDataImporter::leseMetaInformationen(u.datei));
    } catch (const ImportException &e) {
        pruefeZeile(e);
    } catch (const std::exception &e) {
        brich("meta check failed with a foreign exception:", QString::fromUtf8(e.what()));
    }
    CSVDataImporter importer(*u.ctx);
    bool schreiben = false;
    importer.setFortschritt([&](const ImportFortschritt &stand) {
        schreiben = schreiben || stand.phase == QLatin1String("Schreiben");
    });
    importer.setFortsetzen([&] { return !schreiben; });
    try {
        if (!importer.importiere(u.datei).abgebrochen)
            brich("import not cancelled before writing");
        if (gespraechig)
            std::fprintf(stderr, "cancelled before writing\n");
    } catch (const ImportException &e) {
        pruefeZeile(e);
    } catch (const std::exception &e) {
        brich("import failed with a foreign exception:", QString::fromUtf8(e.what()));
    }
    if (stand() != u.stand)
        brich("the database changed");
    return 0;
}
