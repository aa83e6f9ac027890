#pragma once

#include "Meldung.h"

#include <optional>

class DatabaseContext;
class EventLogSettings;
class QueryLogSettings;

// The output rules of the two logs as the administrator edits them. Every stored or deleted
// rule makes the context's logger reload at once, so the next report follows the new rules.
namespace LogRegeln {

// Checks an event rule's operand and its level as typed (`levelInput`), in this order: an
// operand needs a level, the operand must be one of <, <=, =, >=, >, an empty level makes the
// level null, a level needs an operand, the level must be a whole number (then it becomes the
// rule's level). The first failure is logged under "Fehlermeldung" and returned.
std::optional<Meldung> pruefe(DatabaseContext &ctx, EventLogSettings &regel);

// Checks, inserts or updates, and reloads the event logger; the refusal when the check fails.
// A database failure throws PersistenceException and leaves the logger's rules as they were.
std::optional<Meldung> speichere(DatabaseContext &ctx, EventLogSettings &regel);
void speichere(DatabaseContext &ctx, QueryLogSettings &regel);

void loesche(DatabaseContext &ctx, const EventLogSettings &regel);
void loesche(DatabaseContext &ctx, const QueryLogSettings &regel);

} // namespace LogRegeln
