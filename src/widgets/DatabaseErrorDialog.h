#pragma once

#include <QString>

class DatabaseContext;
class NoSuchPrivilegeException;
class PersistenceException;
class QWidget;

// The standard way a dialog reports a failure of the database: a critical box with the
// exception's short text as title and its long text as message, the text logged under
// "Fehlermeldung" with the dialog's name as location. The dialog stays where it was.
namespace DatabaseErrorDialog {

void show(DatabaseContext &ctx, QWidget *parent, const QString &location,
          const PersistenceException &error);
void show(DatabaseContext &ctx, QWidget *parent, const QString &location,
          const NoSuchPrivilegeException &error);

} // namespace DatabaseErrorDialog

// A critical box for an input or processing error, logged under "Fehlermeldung" (level 7).
void showError(DatabaseContext &ctx, QWidget *parent, const QString &location,
               const QString &title, const QString &text);
