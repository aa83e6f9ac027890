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

#include <set>

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

std::vector<QStringList> rows(mysqlpp::Connection &connection, const std::string &sql)
{
    std::vector<QStringList> result;
    for (const mysqlpp::Row &row : connection.query(sql).store()) {
        result.emplace_back();
        for (size_t i = 0; i < row.size(); ++i)
            result.back() << (row[i].is_null() ? QString() : QString::fromUtf8(row[i].c_str()));
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
                const QJsonValue spec = attributes[a];
                const AttributeDescription *attribute = entity->ownAttributes()[a];
                QCOMPARE(attribute->entity(), entity);
                QCOMPARE(
                    QVariantList({attribute->codeName(), attribute->dbName(), attribute->codeType(),
                                  attribute->dbType(), attribute->dbModifiers(),
                                  attribute->isPrimaryKey(), attribute->isIndexed(),
                                  attribute->referencedEntityName(),
                                  info.slotAt(attribute->row()).name,
                                  QMetaType(info.slotAt(attribute->row()).metaType).name()}),
                    QVariantList({spec[u"name"_s].toString(), spec[u"column"_s].toString(),
                                  spec[u"qt"_s].toString(), spec[u"sql"_s].toString(),
                                  spec[u"modifiers"_s].toString(), spec[u"primaryKey"_s].toBool(),
                                  spec[u"index"_s].toBool(), spec[u"ref"_s].toString(),
                                  spec[u"name"_s].toString(), spec[u"qt"_s].toString()}));
            }
            // Transient attributes live only in the class, with their type.
            for (const QJsonValue &spec : entities[e][u"transient"_s].toArray()) {
                const QString name = spec[u"name"_s].toString();
                QVERIFY2(info.rowOf(name) >= 0 && !entity->attribute(name), qPrintable(name));
                QCOMPARE(QMetaType(info.slotAt(info.rowOf(name)).metaType).name(),
                         spec[u"qt"_s].toString().toLatin1());
            }
        }
    }

    void tablesMatchRegistry()
    {
        const DataModel model;
        auto connection = TestDatabase::connectAsAdmin("kdb");
        std::set<QString> expectedTables;
        for (const EntityDescription *entity : model.entities()) {
            if (entity->isAbstract())
                continue;
            const std::string table = entity->dbName().toStdString();
            expectedTables.insert(entity->dbName());
            const auto columns = rows(*connection, "SELECT COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, "
                                                   "EXTRA, COLUMN_DEFAULT FROM information_schema."
                                                   "COLUMNS WHERE TABLE_SCHEMA = 'kdb' AND "
                                                   "TABLE_NAME = '" +
                                                       table + "' ORDER BY ORDINAL_POSITION");
            const auto attributes = entity->allAttributes();
            QCOMPARE(int(columns.size()), int(attributes.size()));
            for (int i = 0; i < attributes.size(); ++i) {
                const AttributeDescription *attribute = attributes[i];
                const QStringList &column = columns[size_t(i)];
                static const QMap<QString, QString> serverTypes = {{u"bool"_s, u"tinyint(1)"_s},
                                                                   {u"bigint"_s, u"bigint(20)"_s},
                                                                   {u"int"_s, u"int(11)"_s}};
                // Nullable, and the server never fills or changes a column by itself (the
                // first timestamp column of a table gets no automatic default or update).
                const QStringList expected = {
                    attribute->dbName(),
                    serverTypes.value(attribute->dbType(), attribute->dbType()),
                    attribute->isPrimaryKey() ? u"NO"_s : u"YES"_s,
                    attribute->isPrimaryKey() ? u"auto_increment"_s : QString()};
                QCOMPARE(column.mid(0, 4), expected);
                QVERIFY2(column[4].isEmpty() || column[4] == u"NULL"_s,
                         qPrintable(column.join(u' ')));
                if (attribute->isForeignKey()) {
                    QVERIFY2(TestDatabase::scalar(
                                 *connection, "SELECT COUNT(*) FROM information_schema.STATISTICS "
                                              "WHERE TABLE_SCHEMA = 'kdb' AND TABLE_NAME = '" +
                                                  table +
                                                  "' AND SEQ_IN_INDEX = 1 AND COLUMN_NAME = '" +
                                                  attribute->dbName().toStdString() + "'") != "0",
                             qPrintable(column[0] + u" is not indexed"_s));
                }
            }
        }
        const auto tables =
            rows(*connection, "SELECT TABLE_NAME, ENGINE, TABLE_COLLATION FROM "
                              "information_schema.TABLES WHERE TABLE_SCHEMA = 'kdb'");
        QCOMPARE(tables.size(), expectedTables.size());
        for (const QStringList &table : tables) {
            QVERIFY2(expectedTables.count(table[0]), qPrintable(table[0]));
            QCOMPARE(table[1], u"InnoDB"_s);
            QVERIFY(table[2].startsWith(u"utf8mb4"_s));
        }
    }

    // The installed database holds the program's seed data, exactly once.
    void seedMatchesSeedFile()
    {
        const QJsonObject seed = readJson(u":/seed.json"_s);
        QVERIFY(!seed.isEmpty());
        auto connection = TestDatabase::connectAsAdmin("kdb");
        const auto scalar = [&](const std::string &sql) {
            return QString::fromStdString(TestDatabase::scalar(*connection, sql));
        };
        QCOMPARE(scalar("SELECT CONCAT(COUNT(*), ':', MAX(version), '/', MAX(generatorVersion)) "
                        "FROM DataModelInfo"),
                 u"1:"_s + DataModel().version() + u'/' + DataModel().generatorVersion());
        int values = 0;
        const QJsonArray types = seed[u"codeTypes"_s].toArray();
        for (const QJsonValue &type : types) {
            for (const QJsonValue &value : type[u"values"_s].toArray()) {
                ++values;
                mysqlpp::Query query = connection->query();
                query << "SELECT CONCAT(COUNT(*), ':', MAX(v.kurzText), ':', MAX(v.reihenfolge)) "
                         "FROM CodeValue v, CodeType t WHERE v.type = t.id AND BINARY t.name = "
                      << mysqlpp::quote << type[u"name"_s].toString().toStdString()
                      << " AND BINARY v.name = " << mysqlpp::quote
                      << value[u"name"_s].toString().toStdString();
                QCOMPARE(scalar(query.str()), u"1:%1:%2"_s.arg(value[u"kurzText"_s].toString())
                                                  .arg(value[u"reihenfolge"_s].toInt()));
            }
        }
        QCOMPARE(scalar("SELECT CONCAT(COUNT(*), '/', (SELECT COUNT(*) FROM CodeType)) FROM "
                        "CodeValue"),
                 u"%1/%2"_s.arg(values).arg(types.size()));
        // Positions in choice lists are distinct per type; rows carry timestamps.
        QCOMPARE(scalar("SELECT COUNT(*) - COUNT(DISTINCT type, reihenfolge) FROM CodeValue"),
                 u"0"_s);
        QCOMPARE(scalar("SELECT COUNT(*) FROM CodeValue WHERE create_tist IS NULL OR mut_tist IS "
                        "NULL"),
                 u"0"_s);
        QCOMPARE(scalar("SELECT GROUP_CONCAT(name ORDER BY id) FROM EventLogCategory"),
                 seed[u"eventLogCategories"_s].toVariant().toStringList().join(u','));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(CONCAT_WS('/', level, levelOperand, toStdOut, toDB, "
                        "COALESCE(category, '-'), COALESCE(location, '-'))) FROM EventLogSettings"),
                 u"9/>=/1/0/-/-"_s);
        QCOMPARE(scalar("SELECT GROUP_CONCAT(CONCAT(g.name, '=', v.name)) FROM GlobaleEinstellung "
                        "g LEFT JOIN CodeValue v ON g.codeValue = v.id"),
                 u"DatenBerechtigungsModus=PRUEFEN"_s);
        QCOMPARE(scalar("SELECT GROUP_CONCAT(CONCAT_WS('/', benutzername, guiBenutzer, "
                        "webBenutzer, COALESCE(password, '-'))) FROM Benutzer"),
                 u"root/1/0/-"_s);
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

    void installedVersionReportsDamage_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("two rows") << "INSERT INTO kdb.DataModelInfo (version) VALUES ('1.37')"
                                  << "2 rows";
        QTest::newRow("no version") << "UPDATE kdb.DataModelInfo SET version = NULL"
                                    << "no version";
        QTest::newRow("no table") << "DROP TABLE kdb.DataModelInfo"
                                  << "DataModelInfo";
    }

    void installedVersionReportsDamage()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        TestDatabase::reinstall();
        auto connection = TestDatabase::connectAsAdmin();
        connection->query(damage.toStdString()).execute();
        try {
            DatabaseInstaller(*connection).installedVersion();
            QFAIL("the damage went unnoticed");
        } catch (const AdminError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(message), error.what());
        }
    }
};

KALVOR_REGISTER_TEST(SchemaTest)

#include "tst_schema.moc"
