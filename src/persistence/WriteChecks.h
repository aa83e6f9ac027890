#pragma once

#include <string>

class EntityDescription;
class PersistenceContext;
class Persistent;
class SqlStatement;

// The checks and the failure of a write that every controller shares.
namespace WriteChecks {

// NoSuchPrivilegeException when the entity's permissions are checked and the user may not
// write the object.
void checkWritePermission(PersistenceContext &ctx, const EntityDescription &entity,
                          const Persistent &object);

// PersistenceException ("Eingabe zu lang") when a text is longer than its column.
void checkTextWidths(const EntityDescription &entity, const Persistent &object);

// Logs the failed statement under `location` and throws PersistenceException with the
// database's message.
[[noreturn]] void fail(PersistenceContext &ctx, const char *location, bool logToDatabase,
                       const EntityDescription &entity, const SqlStatement &statement,
                       const char *kind, const std::string &message);

} // namespace WriteChecks
