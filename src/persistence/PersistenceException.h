#pragma once

#include <QString>

// The failure of the persistence layer: a short text (the title shown to the user) and a
// long text (the message).
class PersistenceException
{
public:
    explicit PersistenceException(const QString &text) : m_short(text), m_long(text) {}
    PersistenceException(const QString &shortText, const QString &longText)
        : m_short(shortText), m_long(longText)
    {
    }
    const QString &shortText() const { return m_short; }
    const QString &longText() const { return m_long; }

    // The failure of a statement, with the database's message.
    static PersistenceException databaseError(const QString &message)
    {
        return PersistenceException(
            QStringLiteral("Interner Datenbankfehler"),
            QStringLiteral("Es ist ein interner Datenbankfehler aufgetreten: \n\n") + message +
                QStringLiteral("\n\nBitte kontaktieren Sie den Administrator."));
    }

private:
    QString m_short;
    QString m_long;
};

// A write, delete or read of objects that the user's data permissions do not cover.
class NoSuchPrivilegeException
{
public:
    explicit NoSuchPrivilegeException(const QString &text) : m_short(text), m_long(text) {}
    NoSuchPrivilegeException(const QString &shortText, const QString &longText)
        : m_short(shortText), m_long(longText)
    {
    }
    const QString &shortText() const { return m_short; }
    const QString &longText() const { return m_long; }

private:
    QString m_short;
    QString m_long;
};
