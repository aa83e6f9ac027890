#pragma once

#include "Meldung.h"

#include <QString>

class DatabaseContext;
class Record;

// Helpers of the competition services: every refusal they hand to a dialog has been logged
// already, at level 7 under "Fehlermeldung" with the location of the dialog that shows it.
namespace Fehlermeldung {

// Logs `log` (the title when empty) and returns the refusal.
Meldung melde(DatabaseContext &ctx, const char *location, const QString &titel, const QString &text,
              const QString &log = QString());

// Logs a passed check ("==> Pruefung erfolgreich" and what follows) under "Dialog", level 7.
void erfolg(DatabaseContext &ctx, const char *location, const QString &text);

// The text of an attribute; empty when null.
QString text(const Record &record, int row);

} // namespace Fehlermeldung
