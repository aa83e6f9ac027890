#pragma once

#include <QObject>
#include <QString>

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

// Reads a null attribute on purpose (run in a child process by EntityTest).
int runNullGetterProbe(const QString &probe);
