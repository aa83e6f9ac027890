#pragma once

#include <QString>

#include <memory>
#include <vector>

class DatenbankVerbindung;

// The last logins of this computer (user name and server, never a password), kept in the
// settings value "OldConnections" of organisation and application "Kalvor".
namespace RememberedConnections {

constexpr int kMaximum = 3;

// The remembered logins, the oldest first; each holds only benutzername and connectionURL.
std::vector<std::unique_ptr<DatenbankVerbindung>> load();

// Remembers a login as the newest one; an equal older entry moves to the end, and only the
// newest three are kept.
void store(const QString &benutzername, const QString &connectionURL);

} // namespace RememberedConnections
