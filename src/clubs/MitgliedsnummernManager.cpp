#include "MitgliedsnummernManager.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"

#include <mysql++/mysql++.h>

#include <QSet>

#include <iostream>

namespace {

QString mitgliedsArtName(DatabaseContext &ctx, const Mitglied &mitglied)
{
    if (!mitglied.hasMitgliedsArt())
        return QString();
    const auto value = ctx.codeManager().getCodeValueById(mitglied.getMitgliedsArt());
    return value && value->hasName() ? value->getName() : QString();
}

} // namespace

QString MitgliedsnummernManager::typBuchstabe(const QString &mitgliedsArtName)
{
    if (mitgliedsArtName == QLatin1String("Club"))
        return QStringLiteral("C");
    if (mitgliedsArtName == QLatin1String("Landesverband"))
        return QStringLiteral("L");
    if (mitgliedsArtName == QLatin1String("Nichtmitglied"))
        return QStringLiteral("N");
    return QString();
}

bool MitgliedsnummernManager::berechneNummern(DatabaseContext &ctx, Mitglied &mitglied)
{
    QString vereinsNummer;
    if (mitglied.hasVerein()) {
        VereinNachIdSearchModel search;
        search.setId(mitglied.getVerein());
        const auto clubs = VereinController().search(ctx, search);
        if (clubs.size() != 1) {
            std::cerr << (clubs.empty() ? "MitgliedsnummernManager - Dateninkonsistenz: Kein "
                                          "Verein mit Id "
                                        : "MitgliedsnummernManager - Dateninkonsistenz: Mehrer "
                                          "Vereine mit Id ")
                      << mitglied.getVerein() << " gefunden." << std::endl;
            return false;
        }
        if (clubs.front()->hasVereinsNummerKomplett())
            vereinsNummer = clubs.front()->getVereinsNummerKomplett();
    }
    const QString intern =
        mitglied.hasMitgliedsNummerImVerein() ? mitglied.getMitgliedsNummerImVerein() : QString();
    const Nummern berechnet = nummern(vereinsNummer, intern, mitgliedsArtName(ctx, mitglied));
    mitglied.setMitgliedsNummerSchluessel(berechnet.schluessel);
    mitglied.setMitgliedsNummerKomplett(berechnet.komplett);
    return true;
}

MitgliedsnummernManager::Nummern MitgliedsnummernManager::nummern(const QString &vereinsNummer,
                                                                  const QString &intern,
                                                                  const QString &art)
{
    if (art == QLatin1String("Nichtmitglied"))
        return {vereinsNummer + typBuchstabe(art) + intern, vereinsNummer + intern};
    return {vereinsNummer + intern + typBuchstabe(art), vereinsNummer + intern};
}

QString MitgliedsnummernManager::neueMitgliedsnummer(DatabaseContext &ctx, const Mitglied &mitglied)
{
    const qlonglong verein = mitglied.hasVerein() ? mitglied.getVerein() : -1;
    ctx.log(QStringLiteral("Mitglied"), QStringLiteral("MitgliedsnummernManager"), 7,
            QStringLiteral("Generiere neue Mitgliedsnummer fuer Mitglied ") +
                (mitglied.hasVorname() ? mitglied.getVorname() : QString()) + QLatin1Char(' ') +
                (mitglied.hasNachname() ? mitglied.getNachname() : QString()) +
                QStringLiteral(" im Verein mit der ID ") + QString::number(verein));
    const qlonglong nichtmitglied =
        ctx.codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Nichtmitglied"));
    const bool istNichtmitglied =
        mitglied.hasMitgliedsArt() && mitglied.getMitgliedsArt() == nichtmitglied;

    SqlStatement statement;
    statement << "SELECT mitglied.mitgliedsNummerImVerein FROM Mitglied mitglied WHERE "
                 "mitglied.verein = "
              << std::to_string(verein)
              << (istNichtmitglied ? "  AND mitglied.mitgliedsArt = "
                                   : "  AND mitglied.mitgliedsArt != ")
              << std::to_string(nichtmitglied);
    QSet<QString> vergeben;
    try {
        mysqlpp::Query query = ctx.connection().query();
        mysqlpp::StoreQueryResult result =
            query.store(statement.text().data(), statement.text().size());
        for (const mysqlpp::Row &row : result) {
            if (!row[0].is_null())
                vergeben.insert(QString::fromUtf8(row[0].data(), int(row[0].length())));
        }
        ctx.logStatement("MitgliedsnummernManager", int(result.num_rows()), "SELECT", QString(),
                         statement, QStringLiteral("Mitglied"), true);
    } catch (const mysqlpp::Exception &error) {
        ctx.logQuery(QStringLiteral("MitgliedsnummernManager"), 0, QStringLiteral("SELECT"),
                     QStringLiteral("Database error: ") + QString::fromUtf8(error.what()),
                     statement.logCopy(), QStringLiteral("Mitglied"), true);
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }

    const int start = istNichtmitglied ? 1000 : 1;
    ctx.log(QStringLiteral("Mitglied"), QStringLiteral("MitgliedsnummernManager"), 7,
            istNichtmitglied
                ? QStringLiteral("Mitgliedsart Nichtmitglied, beginne Suche bei lokaler Nummer 1000")
                : QStringLiteral(
                      "Mitgliedsart ungleich Nichtmitglied, beginne Suche bei lokaler Nummer 1"));
    for (int n = start;; ++n) {
        const QString plain = QString::number(n);
        const QString padded = n < 10    ? QStringLiteral("00") + plain
                               : n < 100 ? QStringLiteral("0") + plain
                                         : plain;
        if (!vergeben.contains(plain) && !vergeben.contains(padded)) {
            ctx.log(QStringLiteral("Mitglied"), QStringLiteral("MitgliedsnummernManager"), 7,
                    QStringLiteral("Mitgliedsnummer ") + plain + QStringLiteral(" generiert."));
            return plain;
        }
    }
}
