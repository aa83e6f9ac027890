#pragma once

class DatabaseContext;
class QWidget;
class Wettbewerb;

// Deletes a competition after a backup: the question "Wettbewerb wirklich loeschen?", the
// export of the competition with its pictures into a ZIP archive the user chooses, the question
// whether to go on after checking it, the deletion in one transaction and the closing message.
// A No, a cancelled or failed backup or a failed deletion deletes nothing (the user is told).
// True when the competition was deleted.
bool loescheWettbewerbMitSicherung(QWidget *parent, DatabaseContext &ctx,
                                   const Wettbewerb &wettbewerb);
