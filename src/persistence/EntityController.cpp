#include "EntityController.h"

#include "DataModel.h"
#include "PersistenceContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "WriteChecks.h"
#include "entities/Persistent.h"

#include <mysql++/mysql++.h>

#include <algorithm>
#include <iostream>

namespace {

int metaTypeOf(const AttributeDescription &attribute)
{
    return attribute.entity()->classInfo().slotAt(attribute.row()).metaType;
}

} // namespace

EntityController::EntityController(PersistenceContext &ctx, const ControllerDef &def)
    : m_ctx(ctx), m_def(def), m_entity(*ctx.dataModel().entities().at(def.entityIndex))
{
}

QVariant EntityController::fromColumnText(const char *data, size_t length, int metaType)
{
    switch (metaType) {
    case QMetaType::QByteArray:
        return QVariant(QByteArray(data, int(length)));
    case QMetaType::QString:
        return QVariant(QString::fromUtf8(data, int(length)));
    default:
        break;
    }
    const QString text = QString::fromLatin1(data, int(length));
    switch (metaType) {
    case QMetaType::Bool:
        return QVariant(text.toInt() == 1);
    case QMetaType::Int:
        return QVariant(text.toInt());
    case QMetaType::LongLong:
        return QVariant(text.toLongLong());
    case QMetaType::Double:
        return QVariant(text.toDouble());
    case QMetaType::QDate:
        return QVariant(QDate::fromString(text, Qt::ISODate));
    case QMetaType::QDateTime: {
        QString iso = text;
        if (iso.size() > 10 && iso.at(10) == QLatin1Char(' '))
            iso[10] = QLatin1Char('T');
        return QVariant(QDateTime::fromString(iso, Qt::ISODate));
    }
    default:
        std::cout << "SQLToQtConverter: Falling through when converting data" << std::endl;
        return QVariant();
    }
}

std::vector<std::unique_ptr<Persistent>>
EntityController::select(const QMap<QString, QVariant> &conditions, bool onlyListed,
                         const QSet<QString> &columns, bool skipPermissionCheck,
                         bool failIfFiltered)
{
    const std::string &alias = m_entity.alias();
    SqlStatement statement;
    statement << "SELECT ";
    if (columns.isEmpty() && !onlyListed) {
        statement.append(m_entity.selectList() + ' ', QStringLiteral("* "));
    } else {
        std::string list;
        for (const ColumnInfo &column : m_entity.columns()) {
            if (!list.empty())
                list += ", ";
            const bool listed = columns.contains(column.attribute->codeName());
            list += onlyListed != listed ? std::string("NULL") : alias + '.' + column.name;
        }
        statement.append(list + ' ', QStringLiteral("* "));
    }
    statement << "FROM " << m_entity.dbName().toStdString() << " " << alias;

    SqlWriter writer(m_ctx.connection());
    bool first = true;
    for (auto it = conditions.cbegin(); it != conditions.cend(); ++it) {
        const AttributeDescription *attribute = m_entity.attribute(it.key());
        if (!attribute)
            continue;
        std::string &text = statement.text();
        text += first ? " WHERE " : " AND ";
        first = false;
        text += alias + '.' + attribute->dbName().toStdString();
        // A null value asks for a null column: "= NULL" would never hold.
        if (!it.value().isValid()) {
            text += " IS NULL";
            continue;
        }
        text += " = ";
        const int type = metaTypeOf(*attribute);
        writer.appendLiteral(text, convertToMetaType(it.value(), type), type);
    }
    std::vector<std::unique_ptr<Persistent>> objects = read(statement);

    if (m_entity.privilegesChecked() && !skipPermissionCheck) {
        const size_t before = objects.size();
        objects.erase(std::remove_if(objects.begin(), objects.end(),
                                     [&](const std::unique_ptr<Persistent> &object) {
                                         return !m_ctx.mayRead(m_entity, *object);
                                     }),
                      objects.end());
        if (failIfFiltered && objects.size() != before)
            throw NoSuchPrivilegeException(
                QStringLiteral("Fehlende Berechtigungen"),
                QStringLiteral("Objekte vom Typ %1 konnten wegen fehlender Berechtigungen nicht "
                               "gelesen werden.")
                    .arg(m_entity.codeName()));
    }
    return objects;
}

std::vector<std::unique_ptr<Persistent>> EntityController::search(const Record &model,
                                                                  const SearchModelDef &modelDef,
                                                                  StrategyMap strategies)
{
    SqlStatement statement;
    statement << "SELECT ";
    statement.append(m_entity.selectList() + ' ', QStringLiteral("* "));
    statement << "FROM " << m_entity.dbName().toStdString() << " " << m_entity.alias();

    SqlWriter writer(m_ctx.connection());
    ConditionList conditions(writer);
    appendSearchConditions(conditions, model, modelDef, strategies);
    if (!conditions.conditions().isEmpty())
        statement << QStringLiteral(" WHERE ") +
                         conditions.conditions().join(QStringLiteral(" AND "));
    std::vector<std::unique_ptr<Persistent>> objects = read(statement);
    if (m_entity.privilegesChecked()) {
        objects.erase(std::remove_if(objects.begin(), objects.end(),
                                     [&](const std::unique_ptr<Persistent> &object) {
                                         return !m_ctx.mayRead(m_entity, *object);
                                     }),
                      objects.end());
    }
    return objects;
}

std::vector<std::unique_ptr<Persistent>> EntityController::read(const SqlStatement &statement)
{
    std::vector<std::unique_ptr<Persistent>> objects;
    const std::vector<ColumnInfo> &columns = m_entity.columns();
    const RecordClassInfo &info = m_entity.classInfo();
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        mysqlpp::UseQueryResult result =
            query.use(statement.text().data(), statement.text().size());
        const size_t width = std::min(columns.size(), size_t(result.num_fields()));
        while (const MYSQL_ROW row = result.fetch_raw_row()) {
            const unsigned long *lengths = result.fetch_lengths();
            std::unique_ptr<Persistent> object(static_cast<Persistent *>(info.create()));
            for (size_t column = 0; column < width; ++column) {
                if (row[column])
                    object->loadValueAt(columns[column].row,
                                        fromColumnText(row[column], lengths[column],
                                                       columns[column].metaType));
            }
            objects.push_back(std::move(object));
        }
    } catch (const mysqlpp::Exception &error) {
        fail(statement, "SELECT", error.what());
    }
    m_ctx.logStatement(m_def.name, int(objects.size()), "SELECT", QString(), statement,
                       m_entity.dbName(), m_def.logToDatabase);
    return objects;
}

std::unique_ptr<Persistent> EntityController::readById(qlonglong id, bool skipPermissionCheck)
{
    auto objects = select({{QStringLiteral("id"), id}}, false, QSet<QString>(),
                          skipPermissionCheck, false);
    if (objects.size() != 1)
        return nullptr;
    return std::move(objects.front());
}

std::vector<std::unique_ptr<Persistent>> EntityController::readBy(const char *attribute,
                                                                  const Persistent &referenced)
{
    if (!referenced.hasId())
        return {};
    return select({{QString::fromLatin1(attribute), referenced.getId()}}, false, QSet<QString>(),
                  false, false);
}

void EntityController::checkWritePermission(const Persistent &object) const
{
    WriteChecks::checkWritePermission(m_ctx, m_entity, object);
}

void EntityController::checkTextWidths(const Persistent &object) const
{
    WriteChecks::checkTextWidths(m_entity, object);
}

void EntityController::insertOrUpdate(Persistent &object)
{
    const bool insert = !object.hasId();
    const char *kind = insert ? "INSERT" : "UPDATE";
    checkWritePermission(object);

    const std::vector<ColumnInfo> &columns = m_entity.columns();
    qlonglong maxAllowedPacket = -1;
    for (const ColumnInfo &column : columns) {
        if (column.metaType == QMetaType::QByteArray) {
            maxAllowedPacket =
                m_ctx.readServerVariable(QStringLiteral("max_allowed_packet")).toLongLong();
            std::cout << "Read maxAllowedPacket = " << maxAllowedPacket << std::endl;
            break;
        }
    }
    checkTextWidths(object);
    for (const ColumnInfo &column : columns) {
        if (maxAllowedPacket < 0 || column.metaType != QMetaType::QByteArray ||
            !object.isSetAt(column.row))
            continue;
        const qlonglong size = object.rawValueAt(column.row).toByteArray().size();
        if (size > maxAllowedPacket)
            throw PersistenceException(
                QStringLiteral("Binaerdaten zu gross"),
                QStringLiteral(
                    "Sie versuchen gerade, Binaerdaten der Groesse %1 Byte auf die Datenbank zu "
                    "schreiben. Die Einstellung max_allowed_packet im Abschnitt [mysqld] der "
                    "mysql-Konfigurationsdatei erlaubt aber nur maximal %2 Byte. \n Die "
                    "Konfigurationsdatei heisst my.ini oder my.cnf und befindet sich im "
                    "MySQL-Installationsverzeichnis, beispielsweise unter C:\\Programme\\MySQL "
                    "Server 51.  Sind beide Dateien vorhanden, so ist my.cnf relevant.  Ist keine "
                    "vorhanden, legen Sie ggf. die Datei my.cnf an.Bitte passen Sie die "
                    "Einstellung an, oder kontaktieren Sie den Administrator.")
                    .arg(size)
                    .arg(maxAllowedPacket));
    }

    // The stamps change only when the statement succeeds.
    const QVariant oldCreate = object.rawValueAt(Persistent::create_tistRow);
    const QVariant oldMut = object.rawValueAt(Persistent::mut_tistRow);
    const QDateTime now = m_ctx.now();
    if (insert)
        object.setCreate_tist(now);
    object.setMut_tist(now);

    SqlWriter writer(m_ctx.connection());
    SqlStatement statement;
    statement << (insert ? "INSERT INTO " : "UPDATE ") << m_entity.dbName().toStdString()
              << " set ";
    bool first = true;
    for (const ColumnInfo &column : columns) {
        if (column.primaryKey)
            continue;
        std::string &text = statement.text();
        if (!first)
            text += ',';
        first = false;
        text += column.name;
        text += " = ";
        const QVariant &value = object.rawValueAt(column.row);
        if (column.metaType == QMetaType::QByteArray && value.isValid()) {
            std::string bytes;
            writer.appendLiteral(bytes, value, column.metaType);
            statement.append(bytes, QStringLiteral("<some binary data>"));
        } else {
            writer.appendLiteral(text, value, column.metaType);
        }
    }
    if (!insert)
        statement << " WHERE id = " << std::to_string(object.getId());

    mysqlpp::SimpleResult result;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        result = query.execute(statement.text().data(), statement.text().size());
    } catch (const mysqlpp::Exception &error) {
        object.loadValueAt(Persistent::create_tistRow, oldCreate);
        object.loadValueAt(Persistent::mut_tistRow, oldMut);
        fail(statement, kind, error.what());
    }
    m_ctx.logStatement(m_def.name, int(result.rows()), kind, QString(), statement,
                       m_entity.dbName(), m_def.logToDatabase);
    if (!result)
        std::cerr << "afterInsertOrUpdate says: Query not successful." << std::endl;
    if (insert)
        object.setId(qlonglong(result.insert_id()));
}

void EntityController::remove(const Persistent &object)
{
    checkWritePermission(object);
    if (!object.hasId())
        return; // never stored: nothing to delete
    SqlStatement statement;
    statement << "DELETE FROM " << m_entity.dbName().toStdString() << " WHERE id = "
              << std::to_string(object.getId());
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query.execute(statement.text().data(), statement.text().size());
    } catch (const mysqlpp::Exception &error) {
        fail(statement, "DELETE", error.what());
    }
    m_ctx.logStatement(m_def.name, 0, "DELETE", QString(), statement, m_entity.dbName(),
                       m_def.logToDatabase);
}

void EntityController::fail(const SqlStatement &statement, const char *kind,
                            const std::string &message) const
{
    WriteChecks::fail(m_ctx, m_def.name, m_def.logToDatabase, m_entity, statement, kind, message);
}
