#include "JoinAuszug.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "JoinController.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "entities/Persistent.h"

#include <mysql++/mysql++.h>

#include <functional>

namespace {

// Runs a reading statement, handing each row with its lengths to `zeile`, and reports it to
// the query log like the controllers do; a database failure becomes PersistenceException.
void leseZeilen(DatabaseContext &ctx, const char *ort, const QString &entities, bool insLog,
          const SqlStatement &statement,
          const std::function<void(MYSQL_ROW, const unsigned long *, size_t)> &zeile)
{
    int anzahl = 0;
    try {
        mysqlpp::Query query = ctx.connection().query();
        mysqlpp::UseQueryResult result = query.use(statement.text().data(), statement.text().size());
        const size_t breite = result.num_fields();
        while (const MYSQL_ROW roh = result.fetch_raw_row()) {
            zeile(roh, result.fetch_lengths(), breite);
            ++anzahl;
        }
    } catch (const mysqlpp::Exception &fehler) {
        ctx.logQuery(QString::fromLatin1(ort), 0, QStringLiteral("SELECT"),
                     QStringLiteral("Database error: ") + QString::fromUtf8(fehler.what()),
                     statement.logCopy(), entities, insLog);
        throw PersistenceException::databaseError(QString::fromUtf8(fehler.what()));
    }
    ctx.logStatement(ort, anzahl, "SELECT", QString(), statement, entities, insLog);
}

} // namespace

JoinAuszug::JoinAuszug(DatabaseContext &ctx, const JoinDef &def,
                       const RecordClassInfo &zeilenklasse, std::vector<int> attribute)
    : m_ctx(ctx), m_def(def), m_klasse(zeilenklasse), m_attribute(std::move(attribute))
{
}

QString JoinAuszug::spalte(int attribut) const
{
    for (int t = 0; t < m_def.tableCount; ++t) {
        const JoinTableDef &table = m_def.tables[t];
        if (attribut >= table.firstRow && attribut < table.firstRow + table.columnCount)
            return QString::fromLatin1(table.alias) + QLatin1Char('.') +
                   QString::fromLatin1(table.columns[attribut - table.firstRow]);
    }
    throw PersistenceException(QStringLiteral("Interner Fehler"),
                               QStringLiteral("Attribut %1 von %2 wird nicht gelesen.")
                                   .arg(attribut)
                                   .arg(QString::fromLatin1(m_def.name)));
}

std::vector<std::vector<QVariant>>
JoinAuszug::lese(const std::vector<std::pair<int, QVariant>> &bedingungen)
{
    QStringList spalten;
    for (int attribut : m_attribute)
        spalten << spalte(attribut);
    QStringList tabellen;
    for (int t = 0; t < m_def.tableCount; ++t)
        tabellen << QString::fromLatin1(m_def.tables[t].table) + QLatin1Char(' ') +
                        QString::fromLatin1(m_def.tables[t].alias);
    QStringList wo;
    const SqlWriter writer(m_ctx.connection());
    for (const auto &[attribut, wert] : bedingungen)
        wo << spalte(attribut) + QStringLiteral(" = ") +
                  writer.literal(wert, m_klasse.slotAt(attribut).metaType);
    for (int j = 0; j < m_def.joinCount; ++j)
        wo << QString::fromLatin1(m_def.joins[j]);

    SqlStatement statement;
    statement << QStringLiteral("SELECT ") + spalten.join(QStringLiteral(", ")) +
                     QStringLiteral(" FROM ") + tabellen.join(QStringLiteral(", ")) +
                     QStringLiteral(" WHERE ") + wo.join(QStringLiteral(" AND ")) +
                     QStringLiteral(" ORDER BY ") + QString::fromLatin1(m_def.tables[0].alias) +
                     QStringLiteral(".id");

    std::vector<int> typen;
    for (int attribut : m_attribute)
        typen.push_back(m_klasse.slotAt(attribut).metaType);
    std::vector<std::vector<QVariant>> zeilen;
    leseZeilen(m_ctx, m_def.name, QString::fromLatin1(m_def.entities), m_def.logToDatabase, statement,
         [&](MYSQL_ROW roh, const unsigned long *laengen, size_t breite) {
             std::vector<QVariant> zeile(typen.size());
             for (size_t s = 0; s < std::min(breite, typen.size()); ++s)
                 if (roh[s])
                     zeile[s] = EntityController::fromColumnText(roh[s], laengen[s], typen[s]);
             zeilen.push_back(std::move(zeile));
         });
    return zeilen;
}

std::vector<std::unique_ptr<Persistent>> nurIds(DatabaseContext &ctx, const ControllerDef &def,
                                                const QString &attribut, qlonglong wert)
{
    const EntityDescription &entity = *ctx.dataModel().entities().at(size_t(def.entityIndex));
    SqlStatement statement;
    statement << "SELECT id FROM " << entity.dbName() << " WHERE "
              << entity.attribute(attribut)->dbName() << " = " << std::to_string(wert);
    std::vector<std::unique_ptr<Persistent>> objekte;
    leseZeilen(ctx, def.name, entity.dbName(), def.logToDatabase, statement,
         [&](MYSQL_ROW roh, const unsigned long *, size_t) {
             std::unique_ptr<Persistent> objekt(static_cast<Persistent *>(entity.classInfo().create()));
             objekt->setId(std::atoll(roh[0]));
             objekte.push_back(std::move(objekt));
         });
    return objekte;
}
