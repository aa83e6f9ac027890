#pragma once

#include <QString>

class DatabaseContext;
class QDialog;
class QHBoxLayout;
class QPushButton;

// The three modes of most dialogs that edit an entity.
enum class Modus { NEU, BEARBEITEN, ANSEHEN };

QString modusName(Modus modus);

// One mode of an edit dialog as the dialog shows it. Dialogs with other modes (two, four, or
// names of their own) describe them the same way; a dialog without modes leaves `name` empty.
struct DialogModus
{
    QString name;          // as logged: "NEU", "BEARBEITEN", ...
    QString titel;         // the window title
    bool editierbar = true;
    QString speichernText; // the store button; empty: the dialog only shows and closes

    // The usual three: NEU and BEARBEITEN editable with their store texts, ANSEHEN read-only.
    static DialogModus aus(Modus modus, const QString &titelNeu, const QString &titelBearbeiten,
                           const QString &titelAnsehen, const QString &speichernNeu,
                           const QString &speichernBearbeiten);
};

// The buttons of an edit dialog, at the right of their row: a store button and "Abbre&chen"
// while the dialog edits, only "S&chliessen" while it shows. Buttons that are absent are null.
struct DialogKnoepfe
{
    QHBoxLayout *zeile = nullptr;
    QPushButton *speichern = nullptr;
    QPushButton *abbrechen = nullptr;
    QPushButton *schliessen = nullptr;
};

namespace DialogModi {

// Logs "Oeffne <dialogName> im Modus <name><zusatz>" (category "Dialog", level 7, the dialog's
// name as location) and sets the window title of the mode.
void oeffne(DatabaseContext &ctx, QDialog &dialog, const QString &dialogName,
            const DialogModus &modus, const QString &zusatz = QString());

// The buttons of the mode, named "speichern", "abbrechen" and "schliessen". With
// `speichernAufEnter` the store (or close) button is the default button; without, Return in a
// field presses no button.
DialogKnoepfe knoepfe(QDialog &dialog, const DialogModus &modus, bool speichernAufEnter = true);

} // namespace DialogModi
