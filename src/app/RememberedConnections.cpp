#include "RememberedConnections.h"

#include "entities/DatenbankVerbindung.h"

#include <QSettings>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>

namespace RememberedConnections {

namespace {

const QString kKey = QStringLiteral("OldConnections");
const QString kTlsKey = QStringLiteral("TlsConnections"); // server -> authority file

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalvor"),
                     QStringLiteral("Kalvor"));
}

// A separator inside a name would shift every later field: it is dropped.
QString field(const QString &text)
{
    QString cleaned = text;
    cleaned.remove(QLatin1Char(';'));
    return cleaned;
}

} // namespace

std::vector<std::unique_ptr<DatenbankVerbindung>> load()
{
    std::vector<std::unique_ptr<DatenbankVerbindung>> connections;
    QStringList fields = settings().value(kKey).toString().split(QLatin1Char(';'));
    fields.removeAll(QString());
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        auto connection = std::make_unique<DatenbankVerbindung>();
        connection->setBenutzername(fields.at(i));
        connection->setConnectionURL(fields.at(i + 1));
        connections.push_back(std::move(connection));
    }
    return connections;
}

void store(const QString &benutzername, const QString &connectionURL)
{
    const QString user = field(benutzername);
    const QString server = field(connectionURL);
    // Empty fields are skipped when the value is read, so a pair with one would pair the
    // wrong names later: such a login is not remembered.
    if (user.isEmpty() || server.isEmpty())
        return;
    QStringList entries;
    for (const auto &connection : load()) {
        if (!connection->hasBenutzername() || !connection->hasConnectionURL())
            continue;
        if (connection->getBenutzername() == user && connection->getConnectionURL() == server)
            continue;
        entries << connection->getBenutzername() + QLatin1Char(';') +
                       connection->getConnectionURL();
    }
    entries << user + QLatin1Char(';') + server;
    while (entries.size() > kMaximum)
        entries.removeFirst();
    QSettings store = settings();
    store.setValue(kKey, entries.join(QLatin1Char(';')));
    QVariantMap verified = store.value(kTlsKey).toMap();
    for (const QString &tlsServer : verified.keys()) {
        const bool named = std::any_of(entries.cbegin(), entries.cend(), [&](const QString &e) {
            return e.section(QLatin1Char(';'), 1) == tlsServer;
        });
        if (!named)
            verified.remove(tlsServer);
    }
    store.setValue(kTlsKey, verified);
    store.sync();
}

TlsSetting tls(const QString &connectionURL)
{
    const QVariantMap verified = settings().value(kTlsKey).toMap();
    TlsSetting setting;
    setting.verifyServer = verified.contains(connectionURL);
    setting.caFile = verified.value(connectionURL).toString();
    return setting;
}

void storeTls(const QString &connectionURL, const TlsSetting &setting)
{
    QSettings store = settings();
    QVariantMap verified = store.value(kTlsKey).toMap();
    if (setting.verifyServer)
        verified.insert(connectionURL, setting.caFile);
    else
        verified.remove(connectionURL);
    store.setValue(kTlsKey, verified);
    store.sync();
}

} // namespace RememberedConnections
