#include "ResultCommands.h"

#include "AdminError.h"
#include "DatabaseContext.h"
#include "ErgebnisHelper.h"
#include "ErgebnisTabellen.h"
#include "StatistikHelper.h"
#include "Transaction.h"
#include "entities/Wettbewerb.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

namespace {

std::string text(const QString &string)
{
    return string.toStdString();
}

void print(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

// Results and statistics in one transaction: a failure in either leaves both as they were.
void compute(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    Transaction transaktion(ctx);
    const ErgebnisHelper::Ergebniszahlen zahlen =
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(ctx, wettbewerb);
    const int knoten = StatistikHelper::berechneStatistik(ctx, wettbewerb);
    transaktion.commit();
    const std::pair<const char *, const int *> arten[] = {
        {"Teilnehmerwertungen", zahlen.teilnehmer},
        {"Teilnehmer-Kombinationswertungen", zahlen.teilnehmerKombination},
        {"Vereinswertungen", zahlen.vereine},
        {"Vereins-Kombinationswertungen", zahlen.vereinsKombination}};
    for (const auto &[art, anzahl] : arten) {
        print(QStringLiteral("%1 Erwachsene: %2").arg(QLatin1String(art)).arg(anzahl[0]));
        print(QStringLiteral("%1 Jugend: %2").arg(QLatin1String(art)).arg(anzahl[1]));
    }
    print(QStringLiteral("Angenommene Bilder: %1 von %2").arg(zahlen.angenommen).arg(zahlen.bewertet));
    print(QStringLiteral("Statistikeinträge: %1").arg(knoten));
}

// A ranking as aligned columns under its title; ranks and points aligned right.
void showText(const ErgebnisTabelle &tabelle)
{
    print(tabelle.titel());
    print(QString(tabelle.titel().size(), QLatin1Char('=')));
    if (tabelle.zeilen.empty()) {
        print(QStringLiteral("(keine Einträge)"));
        print(QString());
        return;
    }
    const int spalten = int(tabelle.spalten.size());
    std::vector<int> breite(size_t(spalten), 0);
    for (int i = 0; i < spalten; ++i) {
        breite[size_t(i)] = int(tabelle.spalten[size_t(i)].titel.size());
        for (const QStringList &zeile : tabelle.zeilen)
            breite[size_t(i)] = std::max(breite[size_t(i)], int(zeile.at(i).size()));
    }
    const auto zeile = [&](const QStringList &zellen) {
        QStringList teile;
        for (int i = 0; i < spalten; ++i) {
            const bool rechts = i == 0 || i == spalten - 1;
            teile << (rechts ? zellen.at(i).rightJustified(breite[size_t(i)])
                             : zellen.at(i).leftJustified(breite[size_t(i)]));
        }
        static const QRegularExpression rechtsLeer(QStringLiteral(" +$"));
        print(teile.join(QStringLiteral("  ")).remove(rechtsLeer));
    };
    QStringList titel;
    for (const auto &spalte : tabelle.spalten)
        titel << spalte.titel;
    zeile(titel);
    for (const QStringList &zellen : tabelle.zeilen)
        zeile(zellen);
    print(QString());
}

QString csvFeld(const QString &wert)
{
    static const QRegularExpression besonders(QStringLiteral("[;\"\\r\\n]"));
    if (!wert.contains(besonders))
        return wert;
    return QLatin1Char('"') + QString(wert).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// All rankings in one table: the ranking and the age class, then every column that any of
// them has (empty where a ranking lacks it).
void showCsv(const std::vector<ErgebnisTabelle> &tabellen)
{
    QStringList spalten;
    for (const ErgebnisTabelle &tabelle : tabellen)
        for (const auto &spalte : tabelle.spalten)
            if (!spalten.contains(spalte.titel))
                spalten << spalte.titel;
    print((QStringList{QStringLiteral("Rangliste"), QStringLiteral("Altersklasse")} + spalten)
              .join(QLatin1Char(';')));
    for (const ErgebnisTabelle &tabelle : tabellen) {
        for (const QStringList &zellen : tabelle.zeilen) {
            QStringList felder{tabelle.rangliste(), tabelle.altersklasse()};
            for (const QString &name : spalten) {
                int i = 0;
                while (i < int(tabelle.spalten.size()) && tabelle.spalten[size_t(i)].titel != name)
                    ++i;
                felder << (i < int(tabelle.spalten.size()) ? zellen.at(i) : QString());
            }
            for (QString &feld : felder)
                feld = csvFeld(feld);
            print(felder.join(QLatin1Char(';')));
        }
    }
}

// kalvor-report, beside this program, writes the PDF; its one line of failure becomes ours.
void writePdf(const ResultCommand &command)
{
    const QString programm = QCoreApplication::applicationDirPath() + QStringLiteral("/kalvor-report");
    if (!QFileInfo(programm).isExecutable())
        throw AdminError("The program kalvor-report is missing beside kalvor-admin (" +
                         text(programm) + ").");
    QProcess report;
    report.start(programm, QStringList{QStringLiteral("--competition"), command.competition,
                                       QStringLiteral("--out"), command.out} +
                               command.connectionArguments);
    if (!report.waitForFinished(-1) || report.exitStatus() != QProcess::NormalExit)
        throw AdminError("kalvor-report did not finish: " + text(report.errorString()));
    const QString fehler = QString::fromUtf8(report.readAllStandardError()).trimmed();
    if (report.exitCode() != 0) {
        static const QRegularExpression vorsatz(QStringLiteral("^kalvor-report: "));
        const QString zeile = fehler.section(QLatin1Char('\n'), -1).remove(vorsatz);
        throw AdminError(zeile.isEmpty() ? std::string("kalvor-report failed.") : text(zeile));
    }
    std::fputs(report.readAllStandardOutput().constData(), stdout);
}

} // namespace

void runResultCommand(const ResultCommand &command)
{
    if (command.action == QLatin1String("pdf")) {
        writePdf(command);
        return;
    }
    const auto ctx = openKalvorContext(command.login);
    const auto wettbewerb = competitionByNumber(*ctx, command.competition);
    withOneLineErrors([&] {
        if (command.action == QLatin1String("compute")) {
            compute(*ctx, *wettbewerb);
            return;
        }
        const auto tabellen = leseErgebnisTabellen(*ctx, *wettbewerb);
        if (command.format == QLatin1String("csv")) {
            showCsv(tabellen);
            return;
        }
        for (const ErgebnisTabelle &tabelle : tabellen)
            showText(tabelle);
    });
}
