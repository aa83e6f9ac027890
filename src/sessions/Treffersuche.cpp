#include "Treffersuche.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "JoinController.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "entities/Session.h"
#include "joins/EventLogListeJoinController.h"
#include "joins/QueryLogListeJoinController.h"

#include <mysql++/mysql++.h>

#include <algorithm>
#include <cstdlib>

Trefferquelle Trefferquelle::ausJoin(const JoinDef &join, const RecordClassInfo &rowClass,
                                     int basis)
{
    Trefferquelle q;
    q.rowClass = &rowClass;
    const JoinTableDef &base = join.tables[basis];
    const QString baseAlias = QString::fromLatin1(base.alias);
    q.from = QString::fromLatin1(base.table) + QLatin1Char(' ') + baseAlias;
    for (int t = 0; t < join.tableCount; ++t) {
        const JoinTableDef &table = join.tables[t];
        const QString alias = QString::fromLatin1(table.alias);
        for (int c = 0; c < table.columnCount; ++c) {
            q.spalten << alias + QLatin1Char('.') + QString::fromLatin1(table.columns[c]);
            q.zeilen.push_back(table.firstRow + c);
            q.typen.push_back(rowClass.slotAt(table.firstRow + c).metaType);
        }
        if (t == basis)
            continue;
        // The join condition that names this table's alias.
        for (int j = 0; j < join.joinCount; ++j) {
            const QString condition = QString::fromLatin1(join.joins[j]);
            if (condition.contains(QStringLiteral(" = ") + alias + QLatin1Char('.')) ||
                condition.startsWith(alias + QLatin1Char('.')))
                q.from += QStringLiteral(" LEFT JOIN ") + QString::fromLatin1(table.table) +
                          QLatin1Char(' ') + alias + QStringLiteral(" ON ") + condition;
        }
    }
    q.basisTabelle = QString::fromLatin1(base.table);
    q.idSpalte = baseAlias + QStringLiteral(".id");
    q.ort = QString::fromLatin1(join.name);
    q.entities = QString::fromLatin1(join.entities);
    q.logToDatabase = join.logToDatabase;
    return q;
}

Trefferquelle Trefferquelle::eventLog()
{
    return ausJoin(EventLogListeJoinController::joinDef(), EventLogListeJoinModel::staticClassInfo(),
                   1);
}

Trefferquelle Trefferquelle::queryLog()
{
    return ausJoin(QueryLogListeJoinController::joinDef(), QueryLogListeJoinModel::staticClassInfo(),
                   0);
}

Trefferquelle Trefferquelle::ausEntity(DatabaseContext &ctx, const QString &entity,
                                       const RecordClassInfo &rowClass, const QString &alias)
{
    Trefferquelle q;
    q.rowClass = &rowClass;
    const EntityDescription *description = ctx.dataModel().entity(entity);
    for (const ColumnInfo &column : description->columns()) {
        q.spalten << alias + QLatin1Char('.') + QString::fromStdString(column.name);
        q.zeilen.push_back(column.row);
        q.typen.push_back(column.metaType);
    }
    q.basisTabelle = description->dbName();
    q.from = q.basisTabelle + QLatin1Char(' ') + alias;
    q.idSpalte = alias + QStringLiteral(".id");
    q.ort = entity + QStringLiteral("Controller");
    q.entities = q.basisTabelle;
    q.logToDatabase = !q.basisTabelle.contains(QStringLiteral("Log"));
    return q;
}

Trefferquelle Trefferquelle::sessions(DatabaseContext &ctx)
{
    return ausEntity(ctx, QStringLiteral("Session"), Session::staticClassInfo(), QStringLiteral("s"));
}

Treffersuche::Treffersuche(DatabaseContext &ctx, Trefferquelle quelle, QStringList bedingungen)
    : m_ctx(ctx), m_quelle(std::move(quelle)), m_bedingungen(std::move(bedingungen))
{
}

Treffersuche::~Treffersuche() = default;

QString Treffersuche::where(const QString &zusatz) const
{
    QStringList alle = m_bedingungen;
    if (!zusatz.isEmpty())
        alle << zusatz;
    // Hits that came after the first page are not part of this search.
    else if (m_hoechsteId >= 0)
        alle << m_quelle.idSpalte + QStringLiteral(" <= ") + QString::number(m_hoechsteId);
    return alle.isEmpty() ? QString() : QStringLiteral(" WHERE ") + alle.join(QStringLiteral(" AND "));
}

qlonglong Treffersuche::anzahl()
{
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + m_quelle.from + where();
    try {
        mysqlpp::Query query = m_ctx.connection().query(sql.toStdString());
        const mysqlpp::StoreQueryResult result = query.store();
        const qlonglong n =
            result.num_rows() == 1 ? std::strtoll(result[0][0].c_str(), nullptr, 10) : 0;
        m_ctx.logQuery(m_quelle.ort, 1, QStringLiteral("SELECT"), QString(),
                       SqlStatement::logForm(sql), m_quelle.entities, m_quelle.logToDatabase);
        return n;
    } catch (const mysqlpp::Exception &error) {
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
}

std::vector<std::unique_ptr<Record>> Treffersuche::lies(const QString &sql, const char *art)
{
    std::vector<std::unique_ptr<Record>> rows;
    const std::string text = sql.toStdString();
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result = query.use(text.data(), text.size());
        const size_t width = std::min(m_quelle.zeilen.size(), size_t(result.num_fields()));
        while (const MYSQL_ROW row = result.fetch_raw_row()) {
            const unsigned long *lengths = result.fetch_lengths();
            std::unique_ptr<Record> object(m_quelle.rowClass->create());
            for (size_t c = 0; c < width; ++c)
                if (row[c])
                    object->loadValueAt(m_quelle.zeilen[c],
                                        EntityController::fromColumnText(row[c], lengths[c],
                                                                         m_quelle.typen[c]));
            rows.push_back(std::move(object));
        }
    } catch (const mysqlpp::Exception &error) {
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
    m_ctx.logQuery(m_quelle.ort, int(rows.size()), QString::fromLatin1(art), QString(),
                   SqlStatement::logForm(sql), m_quelle.entities, m_quelle.logToDatabase);
    return rows;
}

std::vector<std::unique_ptr<Record>> Treffersuche::naechsteSeite(int groesse)
{
    if (m_ende)
        return {};
    const QString nach = m_letzteId < 0 ? QString()
                                        : m_quelle.idSpalte + QStringLiteral(" < ") +
                                              QString::number(m_letzteId);
    auto rows = lies(QStringLiteral("SELECT ") + m_quelle.spalten.join(QStringLiteral(", ")) +
                         QStringLiteral(" FROM ") + m_quelle.from + where(nach) +
                         QStringLiteral(" ORDER BY ") + m_quelle.idSpalte +
                         QStringLiteral(" DESC LIMIT ") + QString::number(groesse),
                     "SELECT");
    if (int(rows.size()) < groesse)
        m_ende = true;
    if (!rows.empty()) {
        const int idZeile = m_quelle.zeilen.at(size_t(m_quelle.spalten.indexOf(m_quelle.idSpalte)));
        if (m_hoechsteId < 0)
            m_hoechsteId = rows.front()->rawValueAt(idZeile).toLongLong();
        m_letzteId = rows.back()->rawValueAt(idZeile).toLongLong();
    }
    return rows;
}

std::unique_ptr<Record> Treffersuche::trefferAn(qlonglong position)
{
    if (position < 0)
        return nullptr;
    auto rows = lies(QStringLiteral("SELECT ") + m_quelle.spalten.join(QStringLiteral(", ")) +
                         QStringLiteral(" FROM ") + m_quelle.from + where() +
                         QStringLiteral(" ORDER BY ") + m_quelle.idSpalte +
                         QStringLiteral(" DESC LIMIT 1 OFFSET ") + QString::number(position),
                     "SELECT");
    return rows.empty() ? nullptr : std::move(rows.front());
}

std::vector<qlonglong> Treffersuche::ids()
{
    const QString sql = QStringLiteral("SELECT ") + m_quelle.idSpalte + QStringLiteral(" FROM ") +
                        m_quelle.from + where();
    const std::string text = sql.toStdString();
    std::vector<qlonglong> ids;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result = query.use(text.data(), text.size());
        while (const MYSQL_ROW row = result.fetch_raw_row())
            ids.push_back(std::strtoll(row[0], nullptr, 10));
    } catch (const mysqlpp::Exception &error) {
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
    m_ctx.logQuery(m_quelle.ort, int(ids.size()), QStringLiteral("SELECT"), QString(),
                   SqlStatement::logForm(sql), m_quelle.entities, m_quelle.logToDatabase);
    return ids;
}

qlonglong loescheNachIds(DatabaseContext &ctx, const QString &tabelle,
                         const std::vector<qlonglong> &ids,
                         const std::function<bool(qlonglong, qlonglong)> &fortschritt, int stapel)
{
    const qlonglong gesamt = qlonglong(ids.size());
    const QString ort = tabelle + QStringLiteral("Controller");
    Transaction transaktion(ctx);
    qlonglong geloescht = 0;
    for (size_t anfang = 0; anfang < ids.size(); anfang += size_t(stapel)) {
        const size_t ende = std::min(ids.size(), anfang + size_t(stapel));
        std::string sql = "DELETE FROM " + tabelle.toStdString() + " WHERE id IN (";
        for (size_t i = anfang; i < ende; ++i) {
            if (i > anfang)
                sql += ',';
            sql += std::to_string(ids[i]);
        }
        sql += ')';
        try {
            mysqlpp::Query query = ctx.connection().query();
            geloescht += qlonglong(query.execute(sql.data(), sql.size()).rows());
        } catch (const mysqlpp::Exception &error) {
            throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
        }
        ctx.logQuery(ort, int(ende - anfang), QStringLiteral("DELETE"),
                     QStringLiteral("%1 ids").arg(ende - anfang),
                     QString::fromStdString(sql.substr(0, 200)), tabelle, false);
        if (fortschritt && !fortschritt(qlonglong(ende), gesamt))
            return 0;
    }
    transaktion.commit();
    return geloescht;
}
