#pragma once

#include "Meldung.h"

class DatabaseContext;
class PersistenceException;
class QString;
class QWidget;

// How the competition dialogs show what the services hand back: a refusal (already logged by
// the service) in a critical box; a question as a Yes/No box, No being the default.
namespace Meldungen {

void zeige(QWidget *parent, const Meldung &meldung);
bool frage(QWidget *parent, const Meldung &frage, bool jaVorgabe = false);
// The error dialog of a failed database operation.
void fehler(DatabaseContext &ctx, QWidget *parent, const QString &ort,
            const PersistenceException &fehler);

} // namespace Meldungen
