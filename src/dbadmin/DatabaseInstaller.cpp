#include "DatabaseInstaller.h"

#include "AdminError.h"
#include "SchemaStatements.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <mysql++/mysql++.h>

#include <utility>
#include <vector>

static void initSeedResource()
{
    Q_INIT_RESOURCE(seed);
}

namespace {

// One column value of a seed row; a null QVariant writes NULL.
using Column = std::pair<const char *, QVariant>;

void appendValue(mysqlpp::Query &query, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        query << "NULL";
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        query << (value.toBool() ? "TRUE" : "FALSE");
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
        query << value.toLongLong();
        break;
    case QMetaType::QDateTime:
        query << mysqlpp::quote
              << value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
        break;
    default:
        query << mysqlpp::quote << value.toString().toUtf8().toStdString();
    }
}

// Inserts one row and returns the id the server gave it. Table and column names come from
// the seed code below, values are escaped by the connection.
qlonglong insertRow(mysqlpp::Connection &connection, const char *table,
                    const std::vector<Column> &columns)
{
    const QVariant now(QDateTime::currentDateTime());
    mysqlpp::Query query = connection.query();
    query << "INSERT INTO `" << DatabaseInstaller::kDatabaseName << "`.`" << table
          << "` SET `create_tist` = ";
    appendValue(query, now);
    query << ", `mut_tist` = ";
    appendValue(query, now);
    for (const Column &column : columns) {
        query << ", `" << column.first << "` = ";
        appendValue(query, column.second);
    }
    query.execute();
    return qlonglong(query.insert_id());
}

QJsonObject loadSeed()
{
    initSeedResource();
    QFile file(QStringLiteral(":/seed.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw AdminError("The seed data is missing from this program.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw AdminError("The seed data of this program is damaged: " +
                         error.errorString().toStdString());
    return document.object();
}

QVariant optional(const QJsonObject &object, const char *name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    return value.isUndefined() || value.isNull() ? QVariant() : value.toVariant();
}

} // namespace

DatabaseInstaller::DatabaseInstaller(mysqlpp::Connection &server) : m_server(server)
{
}

int DatabaseInstaller::tableCount(const std::string &database)
{
    try {
        mysqlpp::Query query = m_server.query();
        query << "SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
              << mysqlpp::quote << database;
        const mysqlpp::StoreQueryResult result = query.store();
        return result.num_rows() == 1 ? int(result[0][0]) : 0;
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot read the tables of the database: ") + error.what());
    }
}

void DatabaseInstaller::install()
{
    bool createdDatabase = false;
    try {
        mysqlpp::Query exists = m_server.query();
        exists << "SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = "
               << mysqlpp::quote << kDatabaseName;
        const bool databaseExists = int(exists.store()[0][0]) > 0;
        if (databaseExists && tableCount() > 0)
            throw AdminError(std::string("The database \"") + kDatabaseName +
                             "\" already holds tables; nothing was changed.");
        if (!databaseExists) {
            mysqlpp::Query create = m_server.query();
            create << "CREATE DATABASE `" << kDatabaseName
                   << "` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci";
            create.execute();
            createdDatabase = true;
        }
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot create the database: ") + error.what());
    }

    try {
        createTables();
        insertSeed();
    } catch (const std::exception &error) {
        // Leave the server as it was: the database (or at least our tables) go again.
        try {
            mysqlpp::Query drop = m_server.query();
            if (createdDatabase) {
                drop << "DROP DATABASE IF EXISTS `" << kDatabaseName << "`";
                drop.execute();
            } else {
                for (const char *statement : Schema::createStatements()) {
                    const std::string text(statement);
                    const auto begin = text.find('`') + 1;
                    const std::string table = text.substr(begin, text.find('`', begin) - begin);
                    mysqlpp::Query dropTable = m_server.query();
                    dropTable << "DROP TABLE IF EXISTS `" << kDatabaseName << "`.`" << table
                              << "`";
                    dropTable.execute();
                }
            }
        } catch (const mysqlpp::Exception &) {
            // The original failure is what the user needs to see.
        }
        if (dynamic_cast<const AdminError *>(&error))
            throw;
        throw AdminError(std::string("Installing the database failed: ") + error.what());
    }
}

void DatabaseInstaller::createTables()
{
    mysqlpp::Query use = m_server.query();
    use << "USE `" << kDatabaseName << "`";
    use.execute();
    for (const char *statement : Schema::createStatements()) {
        mysqlpp::Query query = m_server.query();
        query << statement;
        query.execute();
    }
}

void DatabaseInstaller::insertSeed()
{
    const QJsonObject seed = loadSeed();

    insertRow(m_server, "DataModelInfo",
              {{"version", QString::fromLatin1(Schema::kDataModelVersion)},
               {"generatorVersion", QString::fromLatin1(Schema::kGeneratorVersion)},
               {"generation_tist", QDateTime::fromString(QString::fromLatin1(Schema::kGenerationTime),
                                                         Qt::ISODate)}});

    // Code values by "type/value", for the settings that refer to them.
    QHash<QString, qlonglong> codeValueIds;
    for (const QJsonValue &typeValue : seed.value(QStringLiteral("codeTypes")).toArray()) {
        const QJsonObject type = typeValue.toObject();
        const QString typeName = type.value(QStringLiteral("name")).toString();
        const qlonglong typeId = insertRow(m_server, "CodeType", {{"name", typeName}});
        for (const QJsonValue &valueValue : type.value(QStringLiteral("values")).toArray()) {
            const QJsonObject value = valueValue.toObject();
            const QString valueName = value.value(QStringLiteral("name")).toString();
            const QVariant order = optional(value, "reihenfolge");
            const qlonglong id = insertRow(
                m_server, "CodeValue",
                {{"type", typeId},
                 {"name", valueName},
                 {"kurzText", optional(value, "kurzText")},
                 {"globalText", optional(value, "globalText")},
                 {"reihenfolge", order.isValid() ? QVariant(order.toInt()) : QVariant()}});
            codeValueIds.insert(typeName + QLatin1Char('/') + valueName, id);
        }
    }

    QHash<QString, qlonglong> categoryIds;
    for (const QJsonValue &name : seed.value(QStringLiteral("eventLogCategories")).toArray())
        categoryIds.insert(name.toString(),
                           insertRow(m_server, "EventLogCategory", {{"name", name.toString()}}));

    for (const QJsonValue &ruleValue : seed.value(QStringLiteral("eventLogSettings")).toArray()) {
        const QJsonObject rule = ruleValue.toObject();
        const QVariant category = optional(rule, "category");
        const QVariant level = optional(rule, "level");
        insertRow(m_server, "EventLogSettings",
                  {{"category", category.isValid()
                                    ? QVariant(categoryIds.value(category.toString()))
                                    : QVariant()},
                   {"location", optional(rule, "location")},
                   {"level", level.isValid() ? QVariant(level.toInt()) : QVariant()},
                   {"levelOperand", optional(rule, "levelOperand")},
                   {"toStdOut", QVariant(rule.value(QStringLiteral("toStdOut")).toBool())},
                   {"toDB", QVariant(rule.value(QStringLiteral("toDB")).toBool())}});
    }

    for (const QJsonValue &settingValue : seed.value(QStringLiteral("globalSettings")).toArray()) {
        const QJsonObject setting = settingValue.toObject();
        const QString code = setting.value(QStringLiteral("codeType")).toString() +
                             QLatin1Char('/') + setting.value(QStringLiteral("codeValue")).toString();
        if (!codeValueIds.contains(code))
            throw AdminError("The seed data names the unknown code value " + code.toStdString());
        insertRow(m_server, "GlobaleEinstellung",
                  {{"name", setting.value(QStringLiteral("name")).toString()},
                   {"codeValue", codeValueIds.value(code)},
                   {"stringValue", optional(setting, "stringValue")}});
    }

    for (const QJsonValue &userValue : seed.value(QStringLiteral("users")).toArray()) {
        const QJsonObject user = userValue.toObject();
        insertRow(m_server, "Benutzer",
                  {{"benutzername", user.value(QStringLiteral("benutzername")).toString()},
                   {"guiBenutzer", QVariant(user.value(QStringLiteral("guiBenutzer")).toBool())},
                   {"webBenutzer", QVariant(user.value(QStringLiteral("webBenutzer")).toBool())}});
    }
}

std::string DatabaseInstaller::installedVersion()
{
    if (tableCount() == 0)
        throw AdminError(std::string("The database \"") + kDatabaseName +
                         "\" does not exist or holds no tables.");
    try {
        mysqlpp::Query query = m_server.query();
        query << "SELECT `version` FROM `" << kDatabaseName << "`.`DataModelInfo`";
        const mysqlpp::StoreQueryResult result = query.store();
        if (result.num_rows() != 1)
            throw AdminError("The table DataModelInfo holds " + std::to_string(result.num_rows()) +
                             " rows instead of exactly one.");
        if (result[0][0].is_null())
            throw AdminError("The data model row carries no version.");
        return std::string(result[0][0].data(), result[0][0].length());
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot read the data model version: ") + error.what());
    }
}
