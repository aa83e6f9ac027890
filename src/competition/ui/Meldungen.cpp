#include "Meldungen.h"

#include "DatabaseErrorDialog.h"
#include "MessageBoxes.h"

namespace Meldungen {

void zeige(QWidget *parent, const Meldung &meldung)
{
    MessageBoxes::current().critical(parent, meldung.titel, meldung.text);
}

bool frage(QWidget *parent, const Meldung &frage, bool jaVorgabe)
{
    return MessageBoxes::current().question(parent, frage.titel, frage.text, jaVorgabe);
}

void fehler(DatabaseContext &ctx, QWidget *parent, const QString &ort,
            const PersistenceException &fehler)
{
    DatabaseErrorDialog::show(ctx, parent, ort, fehler);
}

} // namespace Meldungen
