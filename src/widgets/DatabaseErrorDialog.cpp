#include "DatabaseErrorDialog.h"

#include "DatabaseContext.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"

void showError(DatabaseContext &ctx, QWidget *parent, const QString &location,
               const QString &title, const QString &text)
{
    ctx.log(QStringLiteral("Fehlermeldung"), location, 7, text);
    MessageBoxes::current().critical(parent, title, text);
}

namespace DatabaseErrorDialog {

void show(DatabaseContext &ctx, QWidget *parent, const QString &location,
          const PersistenceException &error)
{
    showError(ctx, parent, location, error.shortText(), error.longText());
}

void show(DatabaseContext &ctx, QWidget *parent, const QString &location,
          const NoSuchPrivilegeException &error)
{
    showError(ctx, parent, location, error.shortText(), error.longText());
}

} // namespace DatabaseErrorDialog
