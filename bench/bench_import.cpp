// Import of data files with members and their clubs: into an empty database and into one that
// already holds as many other members, against loading the same rows with the mariadb client
// (multi-row INSERT statements) in the same run.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_import [members] [repetitions]

#include "BenchUtil.h"
#include "CodeManager.h"
#include "DataImporter.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kMitgliederJeVerein = 100;

// Numbers of equal width, so that club and member numbers joined stay distinct.
QByteArray nummer(int n, int stellen)
{
    return QByteArray::number(n).rightJustified(stellen, '0');
}

// A data file with `mitglieder` members in clubs of 100; `praefix` tells the clubs of two
// files apart.
QString schreibeDatei(const QDir &verzeichnis, const DataModel &modell, int mitglieder,
                      const QString &praefix)
{
    const QString pfad = verzeichnis.filePath(praefix + QString::number(mitglieder) + ".csv");
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        std::exit(1);
    QByteArray text = "DatenmodellVersion;" + modell.version().toUtf8() + "\nGeneratorVersion;" +
                      modell.generatorVersion().toUtf8() +
                      "\nGeschriebenAm;07.03.2026 09:05:03\n"
                      "Schema;Verein;vereinsNummerLokal;name;inaktiv\n";
    const int vereine = (mitglieder + kMitgliederJeVerein - 1) / kMitgliederJeVerein;
    for (int v = 0; v < vereine; ++v)
        text += "Daten;Verein;" + praefix.toUtf8() + nummer(v, 5) + ";Klub " +
                QByteArray::number(v) + ";false\n";
    text += "Schema;Mitglied;verein.vereinsNummerKomplett;mitgliedsArt.type.name;mitgliedsArt.name;"
            "mitgliedsNummerImVerein;jugend.type.name;jugend.name;vorname;nachname;datumGeburt\n";
    for (int m = 0; m < mitglieder; ++m)
        text += "Daten;Mitglied;" + praefix.toUtf8() +
                nummer(m / kMitgliederJeVerein, 5) + ";Mitgliedsart;Club;" +
                nummer(m % kMitgliederJeVerein + 1, 3) + ";Jugend;Nein;Vorname " +
                QByteArray::number(m) + ";Nachname " + QByteArray::number(m) + ";3.2.1980\n";
    datei.write(text);
    return pfad;
}

// The same rows as INSERT statements of 1000 rows each, for the mariadb client.
QByteArray alsInserts(DatabaseContext &ctx, int mitglieder, const QString &praefix)
{
    const QByteArray club = QByteArray::number(
        ctx.codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Club")));
    const QByteArray nein =
        QByteArray::number(ctx.codeManager().idOf(QStringLiteral("Jugend"), QStringLiteral("Nein")));
    const int vereine = (mitglieder + kMitgliederJeVerein - 1) / kMitgliederJeVerein;
    const QByteArray p = praefix.toUtf8();
    QByteArray sql = "START TRANSACTION;\n";
    for (int v = 0; v < vereine; ++v)
        sql += (v % 1000 ? ",(" : "INSERT INTO Verein (id, vereinsNummerLokal, "
                                  "vereinsNummerKomplett, name, inaktiv) VALUES (") +
               QByteArray::number(1000000 + v) + ",'" + p + nummer(v, 5) + "','" + p +
               nummer(v, 5) + "','Klub " + QByteArray::number(v) + "',0)" +
               (v % 1000 == 999 || v == vereine - 1 ? ";\n" : "");
    for (int m = 0; m < mitglieder; ++m) {
        const QByteArray verein = p + nummer(m / kMitgliederJeVerein, 5);
        const QByteArray intern = nummer(m % kMitgliederJeVerein + 1, 3);
        sql += (m % 1000 ? ",(" : "INSERT INTO Mitglied (verein, mitgliedsArt, "
                                  "mitgliedsNummerImVerein, mitgliedsNummerKomplett, "
                                  "mitgliedsNummerSchluessel, jugend, vorname, nachname, "
                                  "datumGeburt, create_tist, mut_tist) VALUES (") +
               QByteArray::number(1000000 + m / kMitgliederJeVerein) + "," + club + ",'" + intern +
               "','" + verein + intern + "C','" + verein + intern + "'," + nein + ",'Vorname " +
               QByteArray::number(m) + "','Nachname " + QByteArray::number(m) +
               "','1980-02-03',NOW(),NOW())" +
               (m % 1000 == 999 || m == mitglieder - 1 ? ";\n" : "");
    }
    return sql + "COMMIT;\n";
}

// The seconds of one import; `phasen` collects the seconds of each phase.
double importSekunden(const QString &pfad, std::map<QString, std::vector<double>> *phasen = nullptr)
{
    auto ctx = TestDatabase::openContext();
    CSVDataImporter importer(*ctx);
    QElapsedTimer uhr;
    QString phase;
    const auto phaseEnde = [&] {
        if (phasen && !phase.isEmpty())
            (*phasen)[phase].push_back(uhr.elapsed() / 1000.0);
        uhr.start();
    };
    importer.setFortschritt([&](const ImportFortschritt &stand) {
        if (stand.phase != phase) {
            phaseEnde();
            phase = stand.phase;
        }
    });
    const double ms = BenchUtil::millisecondsWithoutOutput([&] {
        uhr.start();
        importer.importiere(pfad);
        phaseEnde();
    });
    return ms / 1000.0;
}

double clientSekunden(const QByteArray &sql)
{
    QProcess client;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("MYSQL_PWD"), QString::fromStdString(TestDatabase::adminPassword()));
    client.setProcessEnvironment(umgebung);
    return BenchUtil::millisecondsOf([&] {
               client.start(QStringLiteral("mariadb"),
                            {QStringLiteral("--no-defaults"),
                             QStringLiteral("--socket=") +
                                 QString::fromStdString(TestDatabase::socketAddress().socket),
                             QStringLiteral("-u") + QString::fromStdString(TestDatabase::adminUser()),
                             QStringLiteral("kdb")});
               client.write(sql);
               client.closeWriteChannel();
               client.waitForFinished(-1);
           }) /
           1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int gross = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int wiederholungen = argc > 2 ? std::atoi(argv[2]) : 1;
    const int klein = gross / 10;
    QTemporaryDir verzeichnis;
    const DataModel modell;
    const QDir dir(verzeichnis.path());
    const QString kleinA = schreibeDatei(dir, modell, klein, QStringLiteral("A"));
    const QString grossA = schreibeDatei(dir, modell, gross, QStringLiteral("A"));
    const QString grossB = schreibeDatei(dir, modell, gross, QStringLiteral("B"));

    std::vector<double> leerKlein, leerGross, gefuellt, wieder, client;
    std::map<QString, std::vector<double>> phasen;
    for (int i = 0; i < wiederholungen; ++i) {
        if (!BenchUtil::openFreshContext())
            return 1;
        leerKlein.push_back(importSekunden(kleinA));
        BenchUtil::openFreshContext();
        leerGross.push_back(importSekunden(grossA, &phasen));
        gefuellt.push_back(importSekunden(grossB));
        wieder.push_back(importSekunden(grossA));
        auto ctx = BenchUtil::openFreshContext();
        client.push_back(clientSekunden(alsInserts(*ctx, gross, QStringLiteral("A"))));
    }
    const double g = BenchUtil::median(leerGross);
    std::printf("import %dk members: %.2f s\n", klein / 1000, BenchUtil::median(leerKlein));
    std::printf("import %dk members: %.2f s\n", gross / 1000, g);
    std::printf("import %dk members into filled database: %.2f s\n", gross / 1000,
                BenchUtil::median(gefuellt));
    std::printf("import %dk members again (overwriting): %.2f s\n", gross / 1000,
                BenchUtil::median(wieder));
    for (const auto &[phase, sekunden] : phasen)
        std::printf("import %dk members phase %s: %.2f s\n", gross / 1000, qPrintable(phase),
                    BenchUtil::median(sekunden));
    std::printf("mariadb client %dk members: %.2f s\n", gross / 1000, BenchUtil::median(client));
    std::printf("import ratio: %.2f\n", g / BenchUtil::median(client));
    std::printf("import growth %dk\u2192%dk: %.2f\n", klein / 1000, gross / 1000,
                g / BenchUtil::median(leerKlein));
    return 0;
}
