#pragma once

#include "PersistenceContext.h"

#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace mysqlpp {
class Connection;
}

class Benutzer;
class BerechtigungsPruefer;
class Clock;
class CodeManager;
class DataModel;
class DataModelInfo;
class DatenbankVerbindung;
class EntityDescription;
class EventLogger;
class Persistent;
class QueryLogger;
class Random;
class Session;
class SqlStatement;

// One statement as the controllers report it to the query log.
struct QueryReport
{
    QString location;
    int numberOfRows = 0;
    QString queryType;
    QString info;
    QString query;
    QString entities;
    bool writeToDatabase = true;
};

// The one object through which a login reaches the database: it owns the connection, the
// login record, the session of this run, the user, the code catalogue, the loggers, the
// registry of the data model and the keyboard assignment.
class DatabaseContext : public PersistenceContext
{
public:
    static constexpr const char *kProgramVersion = "1.37.20";
    static constexpr const char *kDatabaseName = "kdb";

    // Opens the context for a login: connects (a failure of the client library propagates as
    // its exception), checks the data model (PersistenceException), records the session
    // unless `existingSession` is given (worker threads pass the session of the GUI's
    // context), finds the user, loads codes and log rules and the permission mode.
    // Closing a context that recorded its session stamps the session's end_tist; a worker
    // context that took a session over leaves it as it is.
    explicit DatabaseContext(std::unique_ptr<DatenbankVerbindung> login,
                             const Session *existingSession = nullptr,
                             std::shared_ptr<Clock> clock = nullptr);
    ~DatabaseContext() override;
    DatabaseContext(const DatabaseContext &) = delete;
    DatabaseContext &operator=(const DatabaseContext &) = delete;

    // The database account of a login name: "root" unchanged, others "kdb_" + name.
    static QString accountName(const QString &benutzername);

    bool isConnected() const;
    mysqlpp::Connection &connection() override;
    const DatenbankVerbindung &connectionRecord() const { return *m_login; }
    const DataModel &dataModel() const override { return *m_dataModel; }
    const DataModelInfo *dataModelInfo() const { return m_dataModelInfo.get(); }
    Session *session() const { return m_session.get(); }
    Benutzer *benutzer() const { return m_benutzer.get(); }
    CodeManager &codeManager() { return *m_codeManager; }
    const QString &programVersion() const { return m_programVersion; }

    QDir pictureDirectory() const { return m_pictureDirectory; }
    void setPictureDirectory(const QDir &directory) { m_pictureDirectory = directory; }
    QDir exportDirectory() const { return m_exportDirectory; }
    void setExportDirectory(const QDir &directory) { m_exportDirectory = directory; }

    // The current local time, to the second, from the context's clock.
    QDateTime now() const override;
    // The random numbers of this context; tests install a seeded generator.
    Random &random() const { return *m_random; }
    void setRandom(std::shared_ptr<Random> random);

    // Logging: every part of the program reports through these two calls.
    void log(const QString &category, const QString &location, int level,
             const QString &message);
    // Whether a rule prints or stores such an event (messages nobody reads need not be made).
    bool logs(const QString &category, const QString &location, int level) const;
    void logQuery(const QString &location, int numberOfRows, const QString &queryTypeName,
                  const QString &info, const QString &query, const QString &entities,
                  bool writeToDatabase) override;
    // The log copy of a statement is made only when a rule or an observer wants statements.
    void logStatement(const char *location, int numberOfRows, const char *queryTypeName,
                      const QString &info, const SqlStatement &statement,
                      const QString &entities, bool writeToDatabase) override;
    // Receives every statement reported through logQuery, whatever the log rules say.
    void setQueryObserver(std::function<void(const QueryReport &)> observer);

    void reloadConfiguration();
    void reloadEventLogConfiguration();
    void reloadQueryLogConfiguration();

    // Data permissions: the mode, and the checks the controllers call. reloadPermissions()
    // builds the checker anew for the logged-in user (after his permissions changed).
    void loadPermissionMode();
    void reloadPermissions();
    bool permissionChecksActive() const;
    // The checker of the logged-in user; null when the login has no user row.
    BerechtigungsPruefer *berechtigungsPruefer() const { return m_pruefer.get(); }
    bool mayRead(const EntityDescription &entity, const Persistent &object) override;
    bool mayWrite(const EntityDescription &entity, const Persistent &object) override;

    // Keyboard assignment: juror seat (JuriertBei id) <-> keyboard device.
    void assignKeyboard(qlonglong juror, qlonglong device);
    void unassignJuror(qlonglong juror);
    bool hasKeyboard(qlonglong juror) const;
    bool hasDevice(qlonglong device) const;
    qlonglong jurorForDevice(qlonglong device) const;
    qlonglong deviceForJuror(qlonglong juror) const;

private:
    void connect();
    void checkDataModel();
    void startSession();
    void endSession();
    void findBenutzer();

    QString m_programVersion;
    std::unique_ptr<mysqlpp::Connection> m_connection;
    std::unique_ptr<DatenbankVerbindung> m_login;
    std::unique_ptr<DataModelInfo> m_dataModelInfo;
    std::unique_ptr<Session> m_session;
    bool m_sessionStartedHere = false;
    std::unique_ptr<Benutzer> m_benutzer;
    bool m_permissionChecks = true;
    std::unique_ptr<BerechtigungsPruefer> m_pruefer;
    std::unique_ptr<CodeManager> m_codeManager;
    std::unique_ptr<EventLogger> m_eventLogger;
    std::unique_ptr<QueryLogger> m_queryLogger;
    std::unique_ptr<DataModel> m_dataModel;
    QDir m_pictureDirectory;
    QDir m_exportDirectory;
    QMap<qlonglong, qlonglong> m_deviceByJuror;
    QMap<qlonglong, qlonglong> m_jurorByDevice;
    std::shared_ptr<Clock> m_clock;
    std::shared_ptr<Random> m_random;
    std::function<void(const QueryReport &)> m_queryObserver;
};
