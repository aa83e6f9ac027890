#pragma once

#include <QString>

// The three modes of a dialog that edits an entity.
enum class Modus { NEU, BEARBEITEN, ANSEHEN };

inline QString modusName(Modus modus)
{
    switch (modus) {
    case Modus::NEU:
        return QStringLiteral("NEU");
    case Modus::BEARBEITEN:
        return QStringLiteral("BEARBEITEN");
    case Modus::ANSEHEN:
        break;
    }
    return QStringLiteral("ANSEHEN");
}
