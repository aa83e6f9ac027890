#include "EntityController.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
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

EntityController::EntityController(DatabaseContext &ctx, const ControllerSpec &spec)
    : m_ctx(ctx), m_spec(spec), m_entity(*ctx.dataModel().entities().at(spec.entityIndex)),
      m_alias(m_entity.codeName().toLower())
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
    const auto attributes = m_entity.allAttributes();
    QString list;
    for (const AttributeDescription *attribute : attributes) {
        if (!list.isEmpty())
            list += QStringLiteral(", ");
        const bool listed = columns.contains(attribute->codeName());
        if (onlyListed != listed)
            list += QStringLiteral("NULL");
        else
            list += m_alias + QLatin1Char('.') + attribute->dbName();
    }
    SqlStatement statement;
    statement << "SELECT ";
    statement.append(list.toStdString() + ' ', QStringLiteral("* "));
    statement << QStringLiteral("FROM ") + m_entity.dbName() + QLatin1Char(' ') + m_alias;

    SqlWriter writer(m_ctx.connection());
    QStringList texts;
    for (auto it = conditions.cbegin(); it != conditions.cend(); ++it) {
        const AttributeDescription *attribute = m_entity.attribute(it.key());
        if (!attribute)
            continue;
        const QString column = m_alias + QLatin1Char('.') + attribute->dbName();
        // A null value asks for a null column: "= NULL" would never hold.
        if (!it.value().isValid())
            texts << column + QStringLiteral(" IS NULL");
        else
            texts << column + QStringLiteral(" = ") +
                         writer.literal(convertToMetaType(it.value(), metaTypeOf(*attribute)),
                                        metaTypeOf(*attribute));
    }
    std::vector<std::unique_ptr<Persistent>> objects = read(statement, texts);

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
                                                                  const SearchModelSpec &modelSpec,
                                                                  StrategyMap strategies)
{
    QString list;
    for (const AttributeDescription *attribute : m_entity.allAttributes()) {
        if (!list.isEmpty())
            list += QStringLiteral(", ");
        list += m_alias + QLatin1Char('.') + attribute->dbName();
    }
    SqlStatement statement;
    statement << "SELECT ";
    statement.append(list.toStdString() + ' ', QStringLiteral("* "));
    statement << QStringLiteral("FROM ") + m_entity.dbName() + QLatin1Char(' ') + m_alias;

    SqlWriter writer(m_ctx.connection());
    ConditionList conditions(writer);
    appendSearchConditions(conditions, model, modelSpec, strategies);
    std::vector<std::unique_ptr<Persistent>> objects = read(statement, conditions.conditions());
    if (m_entity.privilegesChecked()) {
        objects.erase(std::remove_if(objects.begin(), objects.end(),
                                     [&](const std::unique_ptr<Persistent> &object) {
                                         return !m_ctx.mayRead(m_entity, *object);
                                     }),
                      objects.end());
    }
    return objects;
}

std::vector<std::unique_ptr<Persistent>> EntityController::read(SqlStatement &statement,
                                                                const QStringList &conditions)
{
    if (!conditions.isEmpty())
        statement << QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));

    const auto attributes = m_entity.allAttributes();
    std::vector<int> rows;
    std::vector<int> types;
    for (const AttributeDescription *attribute : attributes) {
        rows.push_back(attribute->row());
        types.push_back(metaTypeOf(*attribute));
    }

    std::vector<std::unique_ptr<Persistent>> objects;
    mysqlpp::StoreQueryResult result;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query << statement.text();
        result = query.store();
    } catch (const mysqlpp::Exception &error) {
        fail(statement, "SELECT", error.what());
    }
    m_ctx.logQuery(QString::fromLatin1(m_spec.name), int(result.num_rows()),
                   QStringLiteral("SELECT"), QString(), statement.logCopy(), m_entity.dbName(),
                   m_spec.logToDatabase);
    objects.reserve(result.num_rows());
    const RecordClassInfo &info = m_entity.classInfo();
    for (const mysqlpp::Row &row : result) {
        std::unique_ptr<Persistent> object(static_cast<Persistent *>(info.create()));
        for (size_t column = 0; column < rows.size() && column < row.size(); ++column) {
            const mysqlpp::String &field = row[column];
            if (field.is_null())
                continue;
            object->loadValueAt(rows[column],
                                fromColumnText(field.data(), field.length(), types[column]));
        }
        objects.push_back(std::move(object));
    }
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
    if (m_entity.privilegesChecked() && !m_ctx.mayWrite(m_entity, object))
        throw NoSuchPrivilegeException(
            QStringLiteral("Keine Berechtigung."),
            QStringLiteral("Sie haben keine Berechtigung, dieses Objekt vom Typ %1 auf die "
                           "Datenbank zu schreiben.  Bitte pruefen Sie Ihre Berechtigungen.")
                .arg(m_entity.codeName()));
}

void EntityController::checkTextWidths(const Persistent &object) const
{
    for (const AttributeDescription *attribute : m_entity.allAttributes()) {
        const int width = attribute->maxLength();
        if (width < 0 || !object.isSetAt(attribute->row()))
            continue;
        const qsizetype length = object.rawValueAt(attribute->row()).toString().toUcs4().size();
        if (length > width)
            throw PersistenceException(
                QStringLiteral("Eingabe zu lang"),
                QStringLiteral("Der Wert des Attributs %1 von %2 ist %3 Zeichen lang, die "
                               "Datenbank erlaubt aber hoechstens %4 Zeichen.  Bitte kuerzen Sie "
                               "die Eingabe.")
                    .arg(attribute->codeName(), m_entity.codeName())
                    .arg(length)
                    .arg(width));
    }
}

void EntityController::insertOrUpdate(Persistent &object)
{
    const bool insert = !object.hasId();
    const char *kind = insert ? "INSERT" : "UPDATE";
    checkWritePermission(object);

    const auto attributes = m_entity.allAttributes();
    qlonglong maxAllowedPacket = -1;
    for (const AttributeDescription *attribute : attributes) {
        if (metaTypeOf(*attribute) == QMetaType::QByteArray) {
            maxAllowedPacket =
                m_ctx.readServerVariable(QStringLiteral("max_allowed_packet")).toLongLong();
            std::cout << "Read maxAllowedPacket = " << maxAllowedPacket << std::endl;
            break;
        }
    }
    checkTextWidths(object);
    for (const AttributeDescription *attribute : attributes) {
        if (maxAllowedPacket >= 0 && metaTypeOf(*attribute) == QMetaType::QByteArray &&
            object.isSetAt(attribute->row())) {
            const qlonglong size = object.rawValueAt(attribute->row()).toByteArray().size();
            if (size > maxAllowedPacket)
                throw PersistenceException(
                    QStringLiteral("Binaerdaten zu gross"),
                    QStringLiteral(
                        "Sie versuchen gerade, Binaerdaten der Groesse %1 Byte auf die Datenbank "
                        "zu schreiben. Die Einstellung max_allowed_packet im Abschnitt [mysqld] "
                        "der mysql-Konfigurationsdatei erlaubt aber nur maximal %2 Byte. \n Die "
                        "Konfigurationsdatei heisst my.ini oder my.cnf und befindet sich im "
                        "MySQL-Installationsverzeichnis, beispielsweise unter C:\\Programme\\MySQL "
                        "Server 51.  Sind beide Dateien vorhanden, so ist my.cnf relevant.  Ist "
                        "keine vorhanden, legen Sie ggf. die Datei my.cnf an.Bitte passen Sie die "
                        "Einstellung an, oder kontaktieren Sie den Administrator.")
                        .arg(size)
                        .arg(maxAllowedPacket));
        }
    }

    // The stamps change only when the statement succeeds.
    const QVariant oldCreate = object.rawValueAt(1);
    const QVariant oldMut = object.rawValueAt(2);
    const QDateTime now = m_ctx.now();
    if (insert)
        object.setCreate_tist(now);
    object.setMut_tist(now);

    SqlWriter writer(m_ctx.connection());
    SqlStatement statement;
    statement << (insert ? "INSERT INTO " : "UPDATE ") << m_entity.dbName() << " set ";
    bool first = true;
    for (const AttributeDescription *attribute : attributes) {
        if (attribute->isPrimaryKey())
            continue;
        if (!first)
            statement << ",";
        first = false;
        statement << attribute->dbName() + QStringLiteral(" = ");
        const QVariant &value = object.rawValueAt(attribute->row());
        if (metaTypeOf(*attribute) == QMetaType::QByteArray && value.isValid())
            statement.append(writer.quotedBytes(value.toByteArray()),
                             QStringLiteral("<some binary data>"));
        else
            statement << writer.literal(value, metaTypeOf(*attribute));
    }
    if (!insert)
        statement << QStringLiteral(" WHERE id = ") + QString::number(object.getId());

    mysqlpp::SimpleResult result;
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query << statement.text();
        result = query.execute();
    } catch (const mysqlpp::Exception &error) {
        object.loadValueAt(1, oldCreate);
        object.loadValueAt(2, oldMut);
        fail(statement, kind, error.what());
    }
    m_ctx.logQuery(QString::fromLatin1(m_spec.name), int(result.rows()),
                   QString::fromLatin1(kind), QString(), statement.logCopy(), m_entity.dbName(),
                   m_spec.logToDatabase);
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
    statement << QStringLiteral("DELETE FROM ") + m_entity.dbName() +
                     QStringLiteral(" WHERE id = ") + QString::number(object.getId());
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query << statement.text();
        query.execute();
    } catch (const mysqlpp::Exception &error) {
        fail(statement, "DELETE", error.what());
    }
    m_ctx.logQuery(QString::fromLatin1(m_spec.name), 0, QStringLiteral("DELETE"), QString(),
                   statement.logCopy(), m_entity.dbName(), m_spec.logToDatabase);
}

void EntityController::fail(const SqlStatement &statement, const char *kind,
                            const std::string &message) const
{
    m_ctx.logQuery(QString::fromLatin1(m_spec.name), 0, QString::fromLatin1(kind),
                   QStringLiteral("Database error: ") + QString::fromStdString(message),
                   statement.logCopy(), m_entity.dbName(), m_spec.logToDatabase);
    throw PersistenceException::databaseError(QString::fromStdString(message));
}
