#include "CommandLine.h"

#include "DatabaseContext.h"
#include "ImportDatei.h"
#include "ImportException.h"
#include "LaufenderFehler.h"
#include "entities/DatenbankVerbindung.h"

#include <mysql++/exceptions.h>

#include <iostream>

namespace {

const QString kCategory = QStringLiteral("CommandLine");
const QString kLocation = QStringLiteral("CommandLine.cpp");

struct RequiredParameter
{
    const char *name;
    const char *missing;
    const char *missingLog;
    const char *empty;
    const char *emptyLog;
};

const RequiredParameter kRequired[] = {
    {"-u", "Parameter -u (gibt den Namen des Datenbank-Benutzers an) fehlt", "Parameter -u fehlt",
     "Parameter -u (gibt den Namen des Datenbank-Benutzers an) ist zwar vorhanden, hat aber keinen "
     "Wert",
     "Parameter -u ist vorhanden, hat aber keinen Wert"},
    {"-p", "Parameter -p (gibt das Passwort des Datenbank-Benutzers an) fehlt",
     "Parameter -p fehlt",
     "Parameter -p (gibt das Passwort des Datenbank-Benutzers an) ist zwar vorhanden, hat aber "
     "keinen Wert",
     "Parameter -p ist vorhanden, hat aber keinen Wert"},
    {"-h", "Parameter -h (gibt die URL des Datenbankservers an) fehlt", "Parameter -h fehlt",
     "Parameter -h (gibt die URL des Datenbankservers an) ist zwar vorhanden, hat aber keinen Wert",
     "Parameter -h ist vorhanden, hat aber keinen Wert"},
    {"-f", "Parameter -f (gibt die zu importierende Datei an) fehlt", "Parameter -f fehlt",
     "Parameter -f (gibt die zu importierende Datei an) ist zwar vorhanden, hat aber keinen Wert",
     "Parameter -f ist vorhanden, hat aber keinen Wert"},
};

void writeError(const QString &text)
{
    std::cerr << text.toLocal8Bit().constData() << std::endl;
}

// What the import did, in one line for standard output.
QString zusammenfassung(const ImportResult &ergebnis)
{
    return QStringLiteral("Import beendet: %1 Datensaetze gelesen, %2 neu eingefuegt, %3 "
                          "ueberschrieben, %4 ignoriert.")
        .arg(ergebnis.gelesen)
        .arg(ergebnis.eingefuegt)
        .arg(ergebnis.ueberschrieben)
        .arg(ergebnis.ignoriert);
}

} // namespace

ImportResult CommandLine::importiereDatei(DatabaseContext &ctx, const QString &fileName)
{
    const ImportDatei datei = ImportDatei::bereiteVor(ctx, fileName);
    ImportResult ergebnis;
    try {
        CSVDataImporter importer(ctx);
        ergebnis = importer.importiere(datei.csvDatei);
    } catch (...) {
        datei.raeumeAuf(ctx);
        throw;
    }
    datei.raeumeAuf(ctx);
    return ergebnis;
}

CommandLine::CommandLine(Importer importer) : m_importer(std::move(importer)) {}

CommandLine::~CommandLine() = default;

bool CommandLine::parseParameters(const QStringList &arguments, QMap<QString, QString> &parameters,
                                  QString &offending)
{
    for (int i = 2; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1Char('-'))) {
            offending = argument;
            return false;
        }
        QString value;
        if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-')))
            value = arguments.at(++i);
        parameters.insert(argument, value);
    }
    return true;
}

void CommandLine::log(int level, const QString &message)
{
    if (m_logContext) {
        try {
            m_logContext->log(kCategory, kLocation, level, message);
            return;
        } catch (...) {
            // a connection that failed meanwhile: the line goes to standard error below
        }
    }
    // Without a connection nothing can be logged: the report goes to standard error.
    writeError(
        QStringLiteral("[%1][%2] %3 says: %4").arg(kCategory).arg(level).arg(kLocation, message));
}

int CommandLine::fail(const QString &errorText, const QString &logText)
{
    writeError(errorText);
    log(9, logText);
    return -1;
}

int CommandLine::run(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        log(9, QStringLiteral("Keine Parameter angegeben"));
        return -1;
    }
    const QString command = arguments.at(1);
    if (command != QLatin1String("import"))
        return fail(QStringLiteral("Illegales Kommando: ") + command +
                        QStringLiteral(" - Erlaubt: import"),
                    QStringLiteral("Illegales Kommando: ") + command);
    log(8, QStringLiteral("Kalvor im Modus fuer das Importieren von der Kommandozeile gestartet"));

    QMap<QString, QString> parameters;
    QString offending;
    if (!parseParameters(arguments, parameters, offending))
        return fail(QStringLiteral("Illegaler Parameter: ") + offending,
                    QStringLiteral("Illegaler Parameter - muss mit einem Minuszeichen anfangen"));
    for (const RequiredParameter &required : kRequired) {
        const QString name = QString::fromLatin1(required.name);
        if (!parameters.contains(name))
            return fail(QString::fromUtf8(required.missing),
                        QString::fromUtf8(required.missingLog));
        if (parameters.value(name).isNull())
            return fail(QString::fromUtf8(required.empty), QString::fromUtf8(required.emptyLog));
    }
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        const QString &name = it.key();
        if (name != QLatin1String("-u") && name != QLatin1String("-p") &&
            name != QLatin1String("-h") && name != QLatin1String("-f"))
            return fail(QStringLiteral("Illegaler Parameter für Kommando import: ") + name,
                        QStringLiteral("Illegaler Parameter für Import: ") + name);
    }

    const auto login = [&]() {
        auto record = std::make_unique<DatenbankVerbindung>();
        record->setBenutzername(parameters.value(QStringLiteral("-u")));
        record->setPassword(parameters.value(QStringLiteral("-p")));
        record->setConnectionURL(parameters.value(QStringLiteral("-h")));
        return record;
    };
    const auto reportFailure = [&](const QString &shortText, const QString &longText) {
        log(9, QStringLiteral("Error during import: ") + shortText);
        log(9, QStringLiteral("Long error message: ") + longText);
        writeError(QStringLiteral("Fehler beim Import: ") + shortText);
        writeError(QStringLiteral("==> Im Detail: ") + longText);
        return -1;
    };
    const QString fileName = parameters.value(QStringLiteral("-f"));
    bool angemeldet = false;
    try {
        // The log of this run is written with the account that was given, never another one.
        m_logContext = std::make_unique<DatabaseContext>(login());
        DatabaseContext importContext(login());
        angemeldet = true;
        const ImportResult ergebnis = m_importer(importContext, fileName);
        log(8, QStringLiteral("Daten erfolgreich importiert."));
        std::cout << zusammenfassung(ergebnis).toLocal8Bit().constData() << std::endl;
        return 0;
    } catch (const AnwendungsFehler &error) {
        // The details name the file, and its line where one is known.
        const auto *importFehler = dynamic_cast<const ImportException *>(&error);
        return reportFailure(
            error.meldung.titel,
            ImportException(error, importFehler ? importFehler->zeile : -1).meldungFuer(fileName));
    } catch (const mysqlpp::Exception &error) {
        if (!angemeldet)
            return reportFailure(QStringLiteral("Anmeldung an der Datenbank fehlgeschlagen"),
                                 QString::fromUtf8(error.what()));
        const Meldung fehler = laufenderFehler();
        return reportFailure(fehler.titel, fehler.text);
    } catch (...) {
        const Meldung fehler = laufenderFehler();
        return reportFailure(fehler.titel, fehler.text);
    }
}
