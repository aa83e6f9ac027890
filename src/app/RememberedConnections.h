#pragma once

#include "ConnectionSecurity.h"

#include <QString>

#include <memory>
#include <vector>

class DatenbankVerbindung;

// The last logins of this computer (user name and server, never a password), kept in the
// settings value "OldConnections" of organisation and application "Kalvor"; beside them, in
// "TlsConnections", the servers of those logins that must show a verified certificate.
namespace RememberedConnections {

constexpr int kMaximum = 3;

// The remembered logins, the oldest first; each holds only benutzername and connectionURL.
std::vector<std::unique_ptr<DatenbankVerbindung>> load();

// Remembers a login as the newest one; an equal older entry moves to the end, and only the
// newest three are kept.
void store(const QString &benutzername, const QString &connectionURL);

// The TLS setting chosen for a server in the login dialog (off for any other server).
TlsSetting tls(const QString &connectionURL);
// Remembers it; the setting of a server that no remembered login names is forgotten with
// the next store().
void storeTls(const QString &connectionURL, const TlsSetting &setting);

} // namespace RememberedConnections
