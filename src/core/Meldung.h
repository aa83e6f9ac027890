#pragma once

#include <QString>

// An input or rule failure as the dialogs show it: a critical box with title and text, and
// the message logged under "Fehlermeldung" (often the title itself).
struct Meldung
{
    QString titel;
    QString text;
    QString log;
};
