#include "BatchController.h"

#include "DataModel.h"
#include "PersistenceContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "WriteChecks.h"
#include "entities/Persistent.h"

#include <mysql++/mysql++.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Statements are cut at about this length, far below any max_allowed_packet of a server.
constexpr size_t kStatementBytes = 1 << 20;

// The ids of one multi-row INSERT: its first id, the step and whether they are consecutive.
struct IdSequence
{
    qulonglong step = 1;
    bool consecutive = true;
};

IdSequence idSequence(mysqlpp::Connection &connection)
{
    IdSequence sequence;
    try {
        mysqlpp::Query query =
            connection.query("SELECT @@auto_increment_increment, @@innodb_autoinc_lock_mode");
        const mysqlpp::StoreQueryResult result = query.store();
        if (result && result.num_rows() == 1) {
            sequence.step = qulonglong(std::max(1LL, std::atoll(result[0][0].c_str())));
            sequence.consecutive = std::atoi(result[0][1].c_str()) != 2;
        }
    } catch (const mysqlpp::Exception &) {
        sequence.consecutive = false; // unknown: one row per statement
    }
    return sequence;
}

} // namespace

BatchController::BatchController(PersistenceContext &ctx, const ControllerDef &def)
    : m_ctx(ctx), m_def(def), m_entity(*ctx.dataModel().entities().at(def.entityIndex))
{}

std::pair<qulonglong, qulonglong> BatchController::execute(const SqlStatement &statement,
                                                           const char *kind)
{
    mysqlpp::SimpleResult result;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        result = query.execute(statement.text().data(), statement.text().size());
    } catch (const mysqlpp::Exception &error) {
        WriteChecks::fail(m_ctx, m_def.name, m_def.logToDatabase, m_entity, statement, kind,
                          error.what());
    }
    m_ctx.logStatement(m_def.name, int(result.rows()), kind, QString(), statement,
                       m_entity.dbName(), m_def.logToDatabase);
    return {result.rows(), result.insert_id()};
}

void BatchController::writeRows(
    const std::vector<Persistent *> &objects, const std::string &head,
    const std::vector<const ColumnInfo *> &columns, const std::string &tail, bool severalRows,
    const char *kind,
    const std::function<void(size_t, size_t, qulonglong, qulonglong)> &written)
{
    SqlWriter writer(m_ctx.connection());
    // A value equal to the one above it in the same column reuses its literal.
    std::vector<const QVariant *> lastValue(columns.size(), nullptr);
    std::vector<std::string> lastLiteral(columns.size());
    size_t first = 0;
    while (first < objects.size()) {
        SqlStatement statement;
        std::string &text = statement.text();
        text.reserve(std::min(kStatementBytes + 4096, 64 + objects.size() * 96));
        text = head;
        size_t next = first;
        while (next < objects.size() &&
               (next == first || (severalRows && text.size() < kStatementBytes))) {
            text += next == first ? "(" : ",(";
            for (size_t c = 0; c < columns.size(); ++c) {
                if (c)
                    text += ',';
                const QVariant &value = objects[next]->rawValueAt(columns[c]->row);
                if (!lastValue[c] || !(*lastValue[c] == value) ||
                    lastValue[c]->isValid() != value.isValid()) {
                    lastLiteral[c].clear();
                    writer.appendLiteral(lastLiteral[c], value, columns[c]->metaType);
                    lastValue[c] = &value;
                }
                text += lastLiteral[c];
            }
            text += ')';
            ++next;
        }
        text += tail;
        const auto [rows, insertId] = execute(statement, kind);
        if (written)
            written(first, next, rows, insertId);
        first = next;
    }
}

void BatchController::insertAll(const std::vector<Persistent *> &objects)
{
    if (objects.empty())
        return;
    for (const Persistent *object : objects) {
        if (object->hasId())
            throw PersistenceException(
                QStringLiteral("Interner Fehler"),
                QStringLiteral("Ein Objekt vom Typ %1 ist schon gespeichert und kann nicht "
                               "nochmals eingefuegt werden.")
                    .arg(m_entity.codeName()));
        WriteChecks::checkWritePermission(m_ctx, m_entity, *object);
        WriteChecks::checkTextWidths(m_entity, *object);
    }
    const IdSequence ids = objects.size() > 1 ? idSequence(m_ctx.connection()) : IdSequence();

    std::vector<const ColumnInfo *> columns;
    std::string head = "INSERT INTO " + m_entity.dbName().toStdString() + " (";
    for (const ColumnInfo &column : m_entity.columns()) {
        if (column.primaryKey)
            continue;
        head += columns.empty() ? "" : ", ";
        head += column.name;
        columns.push_back(&column);
    }
    head += ") VALUES ";

    // The stamps change only when the statements succeed.
    std::vector<std::pair<QVariant, QVariant>> oldStamps;
    oldStamps.reserve(objects.size());
    const QDateTime now = m_ctx.now();
    for (Persistent *object : objects) {
        oldStamps.emplace_back(object->rawValueAt(Persistent::create_tistRow),
                               object->rawValueAt(Persistent::mut_tistRow));
        object->loadValueAt(Persistent::create_tistRow, QVariant(now));
        object->loadValueAt(Persistent::mut_tistRow, QVariant(now));
    }

    std::vector<std::pair<size_t, qulonglong>> firstIds; // (first object, first id)
    try {
        writeRows(objects, head, columns, std::string(), ids.consecutive, "INSERT",
                  [&](size_t first, size_t next, qulonglong rows, qulonglong insertId) {
                      if (rows != next - first)
                          throw PersistenceException::databaseError(
                              QStringLiteral("%1 von %2 Zeilen eingefuegt.")
                                  .arg(rows)
                                  .arg(next - first));
                      firstIds.emplace_back(first, insertId);
                  });
    } catch (...) {
        for (size_t i = 0; i < objects.size(); ++i) {
            objects[i]->loadValueAt(Persistent::create_tistRow, oldStamps[i].first);
            objects[i]->loadValueAt(Persistent::mut_tistRow, oldStamps[i].second);
        }
        throw;
    }
    for (size_t chunk = 0; chunk < firstIds.size(); ++chunk) {
        const size_t end = chunk + 1 < firstIds.size() ? firstIds[chunk + 1].first : objects.size();
        for (size_t i = firstIds[chunk].first; i < end; ++i)
            objects[i]->setId(
                qlonglong(firstIds[chunk].second + (i - firstIds[chunk].first) * ids.step));
    }
}

void BatchController::updateAll(const std::vector<Persistent *> &objects)
{
    if (objects.empty())
        return;
    for (const Persistent *object : objects) {
        if (!object->hasId())
            throw PersistenceException(
                QStringLiteral("Interner Fehler"),
                QStringLiteral("Ein Objekt vom Typ %1 ist noch nicht gespeichert und kann nicht "
                               "ueberschrieben werden.")
                    .arg(m_entity.codeName()));
        WriteChecks::checkWritePermission(m_ctx, m_entity, *object);
        WriteChecks::checkTextWidths(m_entity, *object);
    }
    std::vector<const ColumnInfo *> columns;
    std::string head = "INSERT INTO " + m_entity.dbName().toStdString() + " (";
    std::string update = " ON DUPLICATE KEY UPDATE ";
    for (const ColumnInfo &column : m_entity.columns()) {
        head += columns.empty() ? "" : ", ";
        head += column.name;
        columns.push_back(&column);
        if (column.primaryKey || column.row == Persistent::create_tistRow)
            continue;
        update += update.back() == ' ' ? "" : ", ";
        update += column.name + " = VALUES(" + column.name + ")";
    }
    head += ") VALUES ";

    // The stamps change only when the statements succeed.
    std::vector<QVariant> oldMut;
    oldMut.reserve(objects.size());
    const QDateTime now = m_ctx.now();
    for (Persistent *object : objects) {
        oldMut.push_back(object->rawValueAt(Persistent::mut_tistRow));
        object->loadValueAt(Persistent::mut_tistRow, QVariant(now));
    }
    try {
        writeRows(objects, head, columns, update, true, "UPDATE", nullptr);
    } catch (...) {
        for (size_t i = 0; i < objects.size(); ++i)
            objects[i]->loadValueAt(Persistent::mut_tistRow, oldMut[i]);
        throw;
    }
}

template <typename P>
void BatchController::forIdLists(const std::vector<P> &objects, const std::string &head,
                                 const char *kind)
{
    size_t first = 0;
    while (first < objects.size()) {
        SqlStatement statement;
        std::string &text = statement.text();
        text = head;
        text += '(';
        bool any = false;
        for (; first < objects.size() && text.size() < kStatementBytes; ++first) {
            if (!objects[first]->hasId())
                continue;
            if (any)
                text += ',';
            text += std::to_string(objects[first]->getId());
            any = true;
        }
        text += ')';
        if (any)
            execute(statement, kind);
    }
}

void BatchController::removeAll(const std::vector<const Persistent *> &objects)
{
    for (const Persistent *object : objects)
        WriteChecks::checkWritePermission(m_ctx, m_entity, *object);
    forIdLists(objects, "DELETE FROM " + m_entity.dbName().toStdString() + " WHERE id IN ",
               "DELETE");
}

void BatchController::setAll(const std::vector<Persistent *> &objects, int row,
                             const QVariant &value)
{
    const auto column = std::find_if(m_entity.columns().begin(), m_entity.columns().end(),
                                     [row](const ColumnInfo &c) { return c.row == row; });
    if (column == m_entity.columns().end() || column->primaryKey)
        return;
    const QVariant typed = convertToMetaType(value, column->metaType);
    for (Persistent *object : objects) {
        WriteChecks::checkWritePermission(m_ctx, m_entity, *object);
        if (column->maxLength >= 0 && typed.isValid() &&
            typed.toString().toUcs4().size() > column->maxLength) {
            std::unique_ptr<Persistent> probe(object->clone());
            probe->loadValueAt(row, typed);
            WriteChecks::checkTextWidths(m_entity, *probe);
        }
    }
    const QDateTime now = m_ctx.now();
    SqlWriter writer(m_ctx.connection());
    std::string head = "UPDATE " + m_entity.dbName().toStdString() + " SET " + column->name + " = ";
    writer.appendLiteral(head, typed, column->metaType);
    head += ", mut_tist = ";
    writer.appendLiteral(head, QVariant(now), QMetaType::QDateTime);
    head += " WHERE id IN ";
    forIdLists(objects, head, "UPDATE");
    for (Persistent *object : objects) {
        if (!object->hasId())
            continue;
        object->setValueAt(row, typed);
        object->setMut_tist(now);
    }
}

std::vector<std::vector<std::unique_ptr<Persistent>>>
BatchController::read(const std::vector<const EntityDescription *> &entities,
                      const SqlStatement &rest)
{
    SqlStatement statement;
    statement << "SELECT ";
    std::string list;
    for (const EntityDescription *entity : entities)
        list += (list.empty() ? "" : ", ") + entity->selectList();
    statement.append(list, QStringLiteral("*"));
    statement << " FROM " << m_entity.dbName().toStdString() << " " << m_entity.alias() << " ";
    statement.text() += rest.text();

    std::vector<std::vector<std::unique_ptr<Persistent>>> rows;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result =
            query.use(statement.text().data(), statement.text().size());
        const size_t fields = result.num_fields();
        while (const MYSQL_ROW row = result.fetch_raw_row()) {
            const unsigned long *lengths = result.fetch_lengths();
            std::vector<std::unique_ptr<Persistent>> objects;
            size_t field = 0;
            for (const EntityDescription *entity : entities) {
                std::unique_ptr<Persistent> object;
                if (field < fields && row[field]) // the id first: no id, no object
                    object.reset(static_cast<Persistent *>(entity->classInfo().create()));
                for (const ColumnInfo &column : entity->columns()) {
                    if (object && field < fields && row[field])
                        object->loadValueAt(
                            column.row, EntityController::fromColumnText(row[field], lengths[field],
                                                                         column.metaType));
                    ++field;
                }
                objects.push_back(std::move(object));
            }
            if (objects.front() &&
                (!m_entity.privilegesChecked() || m_ctx.mayRead(m_entity, *objects.front())))
                rows.push_back(std::move(objects));
        }
    } catch (const mysqlpp::Exception &error) {
        WriteChecks::fail(m_ctx, m_def.name, m_def.logToDatabase, m_entity, statement, "SELECT",
                          error.what());
    }
    m_ctx.logStatement(m_def.name, int(rows.size()), "SELECT", QString(), statement,
                       m_entity.dbName(), m_def.logToDatabase);
    return rows;
}

std::vector<std::unique_ptr<Persistent>> BatchController::selectWhere(const SqlStatement &rest)
{
    std::vector<std::unique_ptr<Persistent>> objects;
    for (auto &row : read({&m_entity}, rest))
        objects.push_back(std::move(row.front()));
    return objects;
}

std::vector<std::pair<std::unique_ptr<Persistent>, std::unique_ptr<Persistent>>>
BatchController::selectWith(const ControllerDef &second, const SqlStatement &rest)
{
    std::vector<std::pair<std::unique_ptr<Persistent>, std::unique_ptr<Persistent>>> pairs;
    for (auto &row : read({&m_entity, m_ctx.dataModel().entities().at(second.entityIndex)}, rest))
        pairs.emplace_back(std::move(row[0]), std::move(row[1]));
    return pairs;
}
