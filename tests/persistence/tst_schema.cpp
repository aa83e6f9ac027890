// The registry against the data model file, and the installed schema and seed data.
#include "tst_persistence.h"

#include "AdminError.h"
#include "DataModel.h"
#include "DatabaseInstaller.h"
#include "TestRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <mysql++/mysql++.h>

using namespace Qt::StringLiterals;

namespace {

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

// The data model file the generator read: the build's CMake cache names the source tree.
QJsonObject dataModelFile()
{
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        QFile cache(dir.filePath(u"CMakeCache.txt"_s));
        if (cache.open(QIODevice::ReadOnly)) {
            const QRegularExpression home(u"^CMAKE_HOME_DIRECTORY:INTERNAL=(.*)$"_s,
                                          QRegularExpression::MultilineOption);
            const QString source = home.match(QString::fromUtf8(cache.readAll())).captured(1);
            return readJson(source + u"/datamodel/datamodel.json"_s);
        }
    } while (dir.cdUp());
    return {};
}

// The rows a query returns, each as its columns joined by '|' (NULL as "-").
QStringList lines(mysqlpp::Connection &connection, const std::string &sql)
{
    QStringList result;
    for (const mysqlpp::Row &row : connection.query(sql).store()) {
        QStringList columns;
        for (size_t i = 0; i < row.size(); ++i)
            columns << (row[i].is_null() ? u"-"_s : QString::fromUtf8(row[i].c_str()));
        result << columns.join(u'|');
    }
    return result;
}

} // namespace

class SchemaTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
    }
    void cleanupTestCase()
    {
        if (TestDatabase::isConfigured())
            TestDatabase::reinstall();
    }

    // The generator's registry and classes say what the data model file says.
    void registryMatchesDataModelFile()
    {
        const QJsonObject file = dataModelFile();
        QVERIFY2(!file.isEmpty(), "datamodel/datamodel.json not found through CMakeCache.txt");
        const DataModel model;
        QCOMPARE(model.version(), file[u"version"_s].toString());
        QCOMPARE(model.generatorVersion(), file[u"generatorVersion"_s].toString());
        const QJsonArray entities = file[u"entities"_s].toArray();
        QCOMPARE(model.entities().size(), entities.size());
        for (int e = 0; e < entities.size(); ++e) {
            const QJsonObject head = entities[e][u"entity"_s].toObject();
            const EntityDescription *entity = model.entities()[e];
            QStringList key;
            for (const AttributeDescription *attribute : entity->impExpKey())
                key << attribute->codeName();
            QCOMPARE(QVariantList({entity->codeName(), entity->dbName(), entity->isAbstract(),
                                   entity->base() ? entity->base()->codeName() : QString(),
                                   entity->privilegesChecked(), key}),
                     QVariantList({head[u"name"_s].toString(), head[u"table"_s].toString(),
                                   head[u"abstract"_s].toBool(), head[u"base"_s].toString(),
                                   head[u"permissions"_s].toBool(),
                                   head[u"key"_s].toVariant().toStringList()}));

            const RecordClassInfo &info = entity->classInfo();
            const QJsonArray attributes = entities[e][u"attributes"_s].toArray();
            QCOMPARE(entity->ownAttributes().size(), attributes.size());
            for (int a = 0; a < attributes.size(); ++a) {
                const QJsonValue described = attributes[a];
                const AttributeDescription *attribute = entity->ownAttributes()[a];
                QCOMPARE(attribute->entity(), entity);
                QCOMPARE(
                    QVariantList({attribute->codeName(), attribute->dbName(), attribute->codeType(),
                                  attribute->dbType(), attribute->dbModifiers(),
                                  attribute->isPrimaryKey(), attribute->isIndexed(),
                                  attribute->referencedEntityName(),
                                  info.slotAt(attribute->row()).name,
                                  QMetaType(info.slotAt(attribute->row()).metaType).name()}),
                    QVariantList({described[u"name"_s].toString(), described[u"column"_s].toString(),
                                  described[u"qt"_s].toString(), described[u"sql"_s].toString(),
                                  described[u"modifiers"_s].toString(), described[u"primaryKey"_s].toBool(),
                                  described[u"index"_s].toBool(), described[u"ref"_s].toString(),
                                  described[u"name"_s].toString(), described[u"qt"_s].toString()}));
            }
            // Transient attributes live only in the class, with their type.
            for (const QJsonValue &described : entities[e][u"transient"_s].toArray()) {
                const QString name = described[u"name"_s].toString();
                QVERIFY2(info.rowOf(name) >= 0 && !entity->attribute(name), qPrintable(name));
                QCOMPARE(QMetaType(info.slotAt(info.rowOf(name)).metaType).name(),
                         described[u"qt"_s].toString().toLatin1());
            }
        }
    }

    // Every column is nullable and the server never fills or changes one by itself (the first
    // timestamp column of a table gets no automatic default or update); references are indexed.
    void tablesMatchRegistry()
    {
        const QMap<QString, QString> serverTypes = {
            {u"bool"_s, u"tinyint(1)"_s}, {u"bigint"_s, u"bigint(20)"_s}, {u"int"_s, u"int(11)"_s}};
        auto connection = TestDatabase::connectAsAdmin("kdb");
        QStringList tables;
        const DataModel model;
        for (const EntityDescription *entity : model.entities()) {
            if (entity->isAbstract())
                continue;
            tables << entity->dbName() + u"|InnoDB|utf8mb4"_s;
            QStringList expected;
            for (const AttributeDescription *attribute : entity->allAttributes()) {
                const bool key = attribute->isPrimaryKey();
                expected << QStringList(
                                {attribute->dbName(),
                                 serverTypes.value(attribute->dbType(), attribute->dbType()),
                                 key ? u"NO|auto_increment"_s : u"YES|"_s, u"NULL"_s,
                                 key || attribute->isIndexed() || attribute->isForeignKey()
                                     ? u"indexed"_s
                                     : QString()})
                                .join(u'|');
            }
            QCOMPARE(lines(*connection,
                           "SELECT COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, EXTRA, "
                           "COALESCE(COLUMN_DEFAULT, 'NULL'), IF(EXISTS(SELECT * FROM "
                           "information_schema.STATISTICS s WHERE s.TABLE_SCHEMA = c.TABLE_SCHEMA "
                           "AND s.TABLE_NAME = c.TABLE_NAME AND s.COLUMN_NAME = c.COLUMN_NAME AND "
                           "s.SEQ_IN_INDEX = 1), 'indexed', '') FROM information_schema.COLUMNS c "
                           "WHERE TABLE_SCHEMA = 'kdb' AND TABLE_NAME = '" +
                               entity->dbName().toStdString() + "' ORDER BY ORDINAL_POSITION"),
                     expected);
        }
        QStringList installed =
            lines(*connection, "SELECT TABLE_NAME, ENGINE, LEFT(TABLE_COLLATION, "
                               "7) FROM information_schema.TABLES WHERE "
                               "TABLE_SCHEMA = 'kdb'");
        installed.sort();
        tables.sort();
        QCOMPARE(installed, tables);
    }

    // The installed database holds the program's seed data, exactly once.
    void seedMatchesSeedFile()
    {
        const QJsonObject seed = readJson(u":/seed.json"_s);
        auto connection = TestDatabase::connectAsAdmin("kdb");
        QCOMPARE(lines(*connection, "SELECT version, generatorVersion FROM DataModelInfo"),
                 QStringList(DataModel().version() + u'|' + DataModel().generatorVersion()));
        QStringList types;
        QStringList values;
        for (const QJsonValue &type : seed[u"codeTypes"_s].toArray()) {
            types << type[u"name"_s].toString();
            for (const QJsonValue &value : type[u"values"_s].toArray()) {
                values << QStringList({types.last(), value[u"name"_s].toString(),
                                       value[u"kurzText"_s].toString(),
                                       QString::number(value[u"reihenfolge"_s].toInt())})
                              .join(u'|');
            }
        }
        QVERIFY(values.size() > 50);
        QCOMPARE(lines(*connection, "SELECT name FROM CodeType ORDER BY id"), types);
        QCOMPARE(lines(*connection, "SELECT t.name, v.name, v.kurzText, v.reihenfolge FROM "
                                    "CodeValue v JOIN CodeType t ON v.type = t.id ORDER BY v.id"),
                 values);
        // Positions in choice lists are distinct per type; rows carry timestamps.
        QCOMPARE(lines(*connection, "SELECT COUNT(*) - COUNT(DISTINCT type, reihenfolge), "
                                    "SUM(create_tist IS NULL OR mut_tist IS NULL) FROM CodeValue"),
                 QStringList(u"0|0"_s));
        QCOMPARE(lines(*connection, "SELECT name FROM EventLogCategory ORDER BY id"),
                 seed[u"eventLogCategories"_s].toVariant().toStringList());
        QCOMPARE(lines(*connection,
                       "SELECT level, levelOperand, toStdOut, toDB, category, location "
                       "FROM EventLogSettings"),
                 QStringList(u"9|>=|1|0|-|-"_s));
        QCOMPARE(lines(*connection, "SELECT g.name, v.name FROM GlobaleEinstellung g LEFT JOIN "
                                    "CodeValue v ON g.codeValue = v.id"),
                 QStringList(u"DatenBerechtigungsModus|PRUEFEN"_s));
        QCOMPARE(lines(*connection, "SELECT benutzername, guiBenutzer, webBenutzer, password FROM "
                                    "Benutzer"),
                 QStringList(u"root|1|0|-"_s));
    }

    void failedInstallLeavesNothing()
    {
        // An account that may create and drop tables but not insert rows fails midway.
        auto admin = TestDatabase::connectAsAdmin();
        TestDatabase::dropKdb();
        for (const char *sql :
             {"CREATE DATABASE kdb",
              "CREATE OR REPLACE USER 'kalvor_limited'@'localhost' IDENTIFIED "
              "BY 'limited-pw'",
              "GRANT CREATE, DROP, SELECT ON kdb.* TO 'kalvor_limited'@'localhost'"})
            admin->query(sql).execute();
        {
            auto limited =
                connectToServer(TestDatabase::socketAddress(), "kalvor_limited", "limited-pw");
            DatabaseInstaller installer(*limited);
            try {
                installer.install();
                QFAIL("the installation should have failed");
            } catch (const AdminError &error) {
                QVERIFY2(QString::fromUtf8(error.what()).contains(u"INSERT"_s), error.what());
            }
            QCOMPARE(installer.tableCount(), 0);
        }
        admin->query("DROP USER 'kalvor_limited'@'localhost'").execute();
        TestDatabase::reinstall();
    }
};

KALVOR_REGISTER_TEST(SchemaTest)

#include "tst_schema.moc"
