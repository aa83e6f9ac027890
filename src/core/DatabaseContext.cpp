#include "DatabaseContext.h"

#include "BerechtigungsPruefer.h"

#include "Clock.h"
#include "ConnectionSecurity.h"
#include "CodeManager.h"
#include "DataModel.h"
#include "EventLogger.h"
#include "PersistenceException.h"
#include "QueryLogger.h"
#include "Random.h"
#include "SqlMode.h"
#include "SqlWriter.h"
#include "controllers/BenutzerController.h"
#include "controllers/DataModelInfoController.h"
#include "controllers/GlobaleEinstellungController.h"
#include "controllers/SessionController.h"
#include "entities/DatenbankVerbindung.h"

#include <QFileInfo>
#include <QSysInfo>

#include <iostream>

#include <mysql++/mysql++.h>


namespace {

QString textOf(const DatenbankVerbindung &login, bool (DatenbankVerbindung::*has)() const,
               QString (DatenbankVerbindung::*get)() const)
{
    return (login.*has)() ? (login.*get)() : QString();
}

// This platform's name and version, as the session records them.
QString operatingSystemType()
{
    const QString kernel = QSysInfo::kernelType();
    return kernel.isEmpty() ? QStringLiteral("Unknown") : kernel.left(1).toUpper() + kernel.mid(1);
}

QString operatingSystemVersion()
{
    return (QSysInfo::prettyProductName() + QStringLiteral(" (kernel ") +
            QSysInfo::kernelVersion() + QLatin1Char(')'))
        .left(255);
}

} // namespace

DatabaseContext::DatabaseContext(std::unique_ptr<DatenbankVerbindung> login,
                                 const Session *existingSession, std::shared_ptr<Clock> clock)
    : m_programVersion(QString::fromLatin1(kProgramVersion)), m_login(std::move(login)),
      m_clock(clock ? std::move(clock) : std::make_shared<Clock>()),
      m_random(std::make_shared<Random>())
{
    m_queryLogger = std::make_unique<QueryLogger>();
    m_eventLogger = std::make_unique<EventLogger>(*this);
    m_codeManager = std::make_unique<CodeManager>();
    if (!m_login)
        m_login = std::make_unique<DatenbankVerbindung>();
    m_login->setDbName(QString::fromLatin1(kDatabaseName));

    connect();
    if (!isConnected())
        return;
    m_dataModel = std::make_unique<DataModel>();
    checkDataModel();
    if (existingSession)
        m_session.reset(existingSession->clone());
    else
        startSession();
    findBenutzer();
    m_pictureDirectory = QDir::current();
    m_exportDirectory = QDir::current();
    reloadConfiguration();
    loadPermissionMode();
    if (m_benutzer)
        reloadPermissions();
    m_deviceByJuror.clear();
    m_jurorByDevice.clear();
}

DatabaseContext::~DatabaseContext()
{
    endSession();
    if (m_connection && m_connection->connected())
        m_connection->disconnect();
}

QString DatabaseContext::accountName(const QString &benutzername)
{
    if (benutzername == QLatin1String("root"))
        return benutzername;
    return QString::fromLatin1(kDatabaseName) + QLatin1Char('_') + benutzername;
}

void DatabaseContext::connect()
{
    const QString user = textOf(*m_login, &DatenbankVerbindung::hasBenutzername,
                                &DatenbankVerbindung::getBenutzername);
    const std::string account = accountName(user).toStdString();
    const std::string password = textOf(*m_login, &DatenbankVerbindung::hasPassword,
                                        &DatenbankVerbindung::getPassword)
                                     .toStdString();
    const std::string server = textOf(*m_login, &DatenbankVerbindung::hasConnectionURL,
                                      &DatenbankVerbindung::getConnectionURL)
                                   .toStdString();
    TlsSetting tls;
    tls.verifyServer = m_login->hasTlsPruefen() && m_login->getTlsPruefen();
    tls.caFile = textOf(*m_login, &DatenbankVerbindung::hasTlsZertifizierungsstelle,
                        &DatenbankVerbindung::getTlsZertifizierungsstelle);
    const QString serverName = QString::fromStdString(server);
    if (tls.verifyServer && ConnectionSecurity::overNetwork(serverName) &&
        !tls.caFile.isEmpty() && !QFileInfo(tls.caFile).isReadable())
        throw PersistenceException(
            QStringLiteral("Zertifikat nicht lesbar"),
            QStringLiteral("Die Datei %1 mit dem Zertifikat der Zertifizierungsstelle, mit dem "
                           "das Zertifikat des Datenbankservers geprueft werden soll, laesst "
                           "sich nicht lesen.")
                .arg(tls.caFile));
    auto connection = std::make_unique<mysqlpp::Connection>(true);
    connection->set_option(new mysqlpp::SetCharsetNameOption("utf8mb4"));
    ConnectionSecurity::prepare(*connection, serverName, tls);
    try {
        if (!connection->connect(kDatabaseName, server.c_str(), account.c_str(), password.c_str(),
                                 0))
            return;
    } catch (const mysqlpp::ConnectionFailed &error) {
        if (!tls.verifyServer || !ConnectionSecurity::isTlsFailure(error.errnum()))
            throw;
        throw PersistenceException(
            QStringLiteral("Keine sichere Verbindung"),
            QStringLiteral("Mit dem Datenbankserver %1 kam keine verschluesselte Verbindung mit "
                           "geprueftem Serverzertifikat zustande. Die Anmeldung wurde "
                           "abgebrochen, damit Passwort und Daten nicht ungeschuetzt oder an "
                           "einen falschen Server gehen.\n\nBitte pruefen Sie den Servernamen "
                           "und die Datei der Zertifizierungsstelle, oder fragen Sie den "
                           "Administrator des Servers.\n\nMeldung der Datenbankbibliothek: %2")
                .arg(serverName, QString::fromUtf8(error.what())));
    }
    // No half-working connection: one whose SQL mode cannot be pinned is closed again.
    SqlMode::pin(*connection);
    m_connection = std::move(connection);
}

bool DatabaseContext::isConnected() const
{
    return m_connection && m_connection->connected();
}

mysqlpp::Connection &DatabaseContext::connection()
{
    if (!m_connection)
        throw PersistenceException(QStringLiteral("Interner Datenbankfehler"),
                                   QStringLiteral("Es besteht keine Verbindung zur Datenbank."));
    return *m_connection;
}

QDateTime DatabaseContext::now() const
{
    QDateTime time = m_clock->now();
    time.setTime(QTime(time.time().hour(), time.time().minute(), time.time().second()));
    return time;
}

void DatabaseContext::setRandom(std::shared_ptr<Random> random)
{
    m_random = random ? std::move(random) : std::make_shared<Random>();
}

void DatabaseContext::checkDataModel()
{
    auto rows = DataModelInfoController().select(*this, {});
    if (rows.size() != 1 || !rows.front()->hasVersion())
        throw PersistenceException(
            QStringLiteral("Interner Fehler"),
            QStringLiteral("Die Datenbanktabelle, die Informationen ueber das Datenmodell "
                           "bereitstellt hat hat einen fehlerhaften Inhalt.  Bitte kontaktieren "
                           "Sie ihren Administrator."));
    m_dataModelInfo = std::move(rows.front());
    if (m_dataModelInfo->getVersion() != m_dataModel->version())
        throw PersistenceException(
            QStringLiteral("Falsches Datenmodell"),
            QStringLiteral("Die vorliegende Programmversion benoetigt ein Datenmodell der Version "
                           "%1, das auf der Datenbank vorliegende Datenmodell hat aber Version "
                           "%2. Verwenden Sie eine veraltete Programmversion? \n\nBitte "
                           "kontaktieren Sie noetigenfalls Ihren Administrator.")
                .arg(m_dataModel->version(), m_dataModelInfo->getVersion()));
}

void DatabaseContext::startSession()
{
    auto session = std::make_unique<Session>();
    session->setStart_tist(now());
    session->setEnd_tistNull();
    if (m_dataModelInfo->hasVersion())
        session->setDataModelVersion(m_dataModelInfo->getVersion());
    if (m_dataModelInfo->hasGeneratorVersion())
        session->setDmgenVersion(m_dataModelInfo->getGeneratorVersion());
    session->setProgramVersion(m_programVersion);
    session->setBenutzername(textOf(*m_login, &DatenbankVerbindung::hasBenutzername,
                                    &DatenbankVerbindung::getBenutzername));
    session->setHostname(QSysInfo::machineHostName());
    session->setConnectionURL(textOf(*m_login, &DatenbankVerbindung::hasConnectionURL,
                                     &DatenbankVerbindung::getConnectionURL));
    session->setOstype(operatingSystemType());
    session->setOsversion(operatingSystemVersion());
    SessionController().insertOrUpdate(*this, *session);
    m_session = std::move(session);
    m_sessionStartedHere = true;
}

void DatabaseContext::endSession()
{
    if (!m_sessionStartedHere || !m_session || !isConnected())
        return;
    m_sessionStartedHere = false;
    // Whoever observed the statements may be gone already; this last one is not reported.
    m_queryObserver = nullptr;
    m_session->setEnd_tist(now());
    try {
        SessionController().insertOrUpdate(*this, *m_session);
    } catch (const PersistenceException &error) {
        std::cerr << "The end of session " << m_session->getId()
                  << " could not be recorded: " << error.longText().toStdString() << std::endl;
    }
}

void DatabaseContext::findBenutzer()
{
    BenutzerSucheSearchModel search;
    search.setBenutzername(textOf(*m_login, &DatenbankVerbindung::hasBenutzername,
                                  &DatenbankVerbindung::getBenutzername));
    // The name must match exactly, not as a pattern.
    StrategyMap strategies;
    strategies[0] = std::make_unique<StringQueryConditionStrategy>(QString(), QStringLiteral("="));
    auto users = BenutzerController().search(*this, search, std::move(strategies));
    m_benutzer = users.empty() ? nullptr : std::move(users.front());
}

void DatabaseContext::log(const QString &category, const QString &location, int level,
                          const QString &message)
{
    m_eventLogger->log(category, location, level, message);
}

bool DatabaseContext::logs(const QString &category, const QString &location, int level) const
{
    return m_eventLogger->wants(category, location, level);
}

void DatabaseContext::logQuery(const QString &location, int numberOfRows,
                               const QString &queryTypeName, const QString &info,
                               const QString &query, const QString &entities,
                               bool writeToDatabase)
{
    if (m_queryObserver)
        m_queryObserver(QueryReport{location, numberOfRows, queryTypeName, info, query, entities,
                                    writeToDatabase});
    if (!m_queryLogger->isEnabled())
        return;
    m_queryLogger->logQuery(location, numberOfRows,
                            m_codeManager->find(QStringLiteral("QueryType"), queryTypeName), info,
                            query, entities, writeToDatabase);
}

void DatabaseContext::logStatement(const char *location, int numberOfRows,
                                   const char *queryTypeName, const QString &info,
                                   const SqlStatement &statement, const QString &entities,
                                   bool writeToDatabase)
{
    if (!m_queryObserver && !m_queryLogger->wantsStatements())
        return;
    logQuery(QString::fromLatin1(location), numberOfRows, QString::fromLatin1(queryTypeName), info,
             statement.logCopy(), entities, writeToDatabase);
}

void DatabaseContext::setQueryObserver(std::function<void(const QueryReport &)> observer)
{
    m_queryObserver = std::move(observer);
}

void DatabaseContext::reloadConfiguration()
{
    m_eventLogger->disable();
    m_queryLogger->disable();
    auto codes = std::make_unique<CodeManager>();
    codes->loadCodes(*this);
    m_codeManager = std::move(codes);
    m_eventLogger->reload(*this);
    m_queryLogger->reload(*this);
}

void DatabaseContext::reloadEventLogConfiguration()
{
    m_eventLogger->reload(*this);
}

void DatabaseContext::reloadQueryLogConfiguration()
{
    m_queryLogger->reload(*this);
}

void DatabaseContext::loadPermissionMode()
{
    GlobaleEinstellungNachNameSearchModel search;
    search.setName(QStringLiteral("DatenBerechtigungsModus"));
    const auto settings = GlobaleEinstellungController().search(*this, search);
    m_permissionChecks = true;
    if (settings.size() == 1 && settings.front()->hasCodeValue()) {
        const qlonglong keine =
            m_codeManager->idOf(QStringLiteral("DatenBerechtigungsModus"), QStringLiteral("KEINE"));
        m_permissionChecks = settings.front()->getCodeValue() != keine;
    }
}

void DatabaseContext::reloadPermissions()
{
    m_pruefer.reset();
    if (m_benutzer && m_benutzer->hasId())
        m_pruefer = std::make_unique<BerechtigungsPruefer>(*this, m_benutzer->getId());
}

bool DatabaseContext::permissionChecksActive() const
{
    if (!m_permissionChecks)
        return false;
    return !(m_login->hasBenutzername() && m_login->getBenutzername() == QLatin1String("root"));
}

// Without a checker (a login without user row) nothing passes while checks are on.
bool DatabaseContext::mayRead(const EntityDescription &entity, const Persistent &object)
{
    if (!m_pruefer)
        return !permissionChecksActive();
    return m_pruefer->darfLesen(entity.codeName(), object);
}

bool DatabaseContext::mayWrite(const EntityDescription &entity, const Persistent &object)
{
    if (!m_pruefer)
        return !permissionChecksActive();
    return m_pruefer->darfSchreiben(entity.codeName(), object);
}

void DatabaseContext::assignKeyboard(qlonglong juror, qlonglong device)
{
    if (m_jurorByDevice.contains(device))
        m_deviceByJuror.remove(m_jurorByDevice.value(device));
    if (m_deviceByJuror.contains(juror))
        m_jurorByDevice.remove(m_deviceByJuror.value(juror));
    m_deviceByJuror.insert(juror, device);
    m_jurorByDevice.insert(device, juror);
}

void DatabaseContext::unassignJuror(qlonglong juror)
{
    if (!m_deviceByJuror.contains(juror))
        return;
    m_jurorByDevice.remove(m_deviceByJuror.take(juror));
}

bool DatabaseContext::hasKeyboard(qlonglong juror) const
{
    return m_deviceByJuror.contains(juror);
}

bool DatabaseContext::hasDevice(qlonglong device) const
{
    return m_jurorByDevice.contains(device);
}

qlonglong DatabaseContext::jurorForDevice(qlonglong device) const
{
    return m_jurorByDevice.value(device, -1);
}

qlonglong DatabaseContext::deviceForJuror(qlonglong juror) const
{
    return m_deviceByJuror.value(juror, -1);
}
