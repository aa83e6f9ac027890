#pragma once

#include "DatabaseContext.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class FixedClock;

// Entity objects: null flags, signals, the item-model face, maps and copies.
class EntityTest : public QObject
{
    Q_OBJECT
private slots:
    void newObjectIsAllNull();
    void settersSignalInOrder();
    void setDataConvertsAndNulls();
    void setDataRejectsOtherRoles();
    void mapRoundTrip_data();
    void mapRoundTrip();
    void mapConstructorConvertsTypes();
    void cloneAndCopy();
    void rowLayoutFollowsClassLevels();
    void nullGetterAborts_data();
    void nullGetterAborts();
};

// The registry, and the installed schema and seed data of the test server.
class SchemaTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void registryShape();
    void importExportKeys_data();
    void importExportKeys();
    void printOut();
    void tablesMatchRegistry();
    void serverLeavesTimestampsAlone();
    void seedContent_data();
    void seedContent();
    void seedSettings();
    void installRefusesNonEmptyDatabase();
    void failedInstallLeavesNothing();
    void installedVersionReportsDamage_data();
    void installedVersionReportsDamage();
    void cleanupTestCase();
};

// Controllers: statements, log copies, round trips, failures, transactions.
class ControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void insertThenUpdate();
    void readByIdOfMissingRow();
    void selectConditionsAndColumns();
    void readByReference();
    void nullsAndAllTypesRoundTrip();
    void hostileTextsRoundTrip();
    void hostileTextsThroughJoins();
    void textWiderThanColumnIsRefused();
    void picturesAndPacketLimit();
    void databaseFailures();
    void transactionRollsBack();

private:
    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::vector<QueryReport> m_reports;
};

// Query-condition strategies, search models and join controllers.
class SearchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void strategyConditions_data();
    void strategyConditions();
    void searchModelDefaults();
    void everySearchModelField();
    void everyJoinRuns();
    void joinReadsJoinedRows();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    std::vector<QueryReport> m_reports;
};

// Opening a database context: accounts, data-model check, session, settings.
class ContextTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void accountNames_data();
    void accountNames();
    void openRecordsSession();
    void userAccountsAndLookup();
    void permissionMode_data();
    void permissionMode();
    void dataModelCheck_data();
    void dataModelCheck();
    void serverVariables();
    void keyboardAssignment();
    void codesAreLoaded();
};

// Reads a null attribute on purpose (run in a child process by EntityTest).
int runNullGetterProbe(const QString &probe);
