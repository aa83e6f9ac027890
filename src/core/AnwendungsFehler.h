#pragma once

#include "Meldung.h"

#include <QByteArray>
#include <QString>

#include <exception>

// A failure of a service (results, export, import, archives) that the user is shown as a
// critical box with the title and text of `meldung`; `kategorie` and `ort` are the log
// category and location.
struct AnwendungsFehler : std::exception
{
    AnwendungsFehler(const QString &kategorie, const QString &ort, const QString &titel,
                     const QString &text)
        : meldung{titel, text, titel}, kategorie(kategorie), ort(ort), m_what(text.toUtf8())
    {
    }

    Meldung meldung;
    QString kategorie;
    QString ort;

    const char *what() const noexcept override { return m_what.constData(); }

private:
    QByteArray m_what;
};
