#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <string>
#include <vector>

namespace mysqlpp {
class Connection;
}

// Writes values as SQL literals. Texts and bytes go through the connection's own escaping
// (mysql_real_escape_string) and are enclosed in double quotes; nothing is quoted by hand.
class SqlWriter
{
public:
    explicit SqlWriter(mysqlpp::Connection &connection) : m_connection(connection) {}

    // Appends the literal of a value of the given QMetaType; NULL for an invalid value.
    void appendLiteral(std::string &out, const QVariant &value, int metaType) const;
    // Appends the escaped bytes enclosed in double quotes.
    void appendQuoted(std::string &out, const char *data, size_t length) const;

    QString literal(const QVariant &value, int metaType) const;
    // A text literal ("..." with the text escaped).
    QString quoted(const QString &text) const;
    // A LIKE pattern literal: the text matches itself only (its %, _ and backslashes are
    // escaped for LIKE), between `prefix` and `suffix`, which keep their wildcards.
    QString likePattern(const QString &text, const QString &suffix,
                        const QString &prefix = QString()) const;

    // Shortest form with 6 significant digits, as numbers are written into statements.
    static QString number(double value);

private:
    mysqlpp::Connection &m_connection;
};

// A statement as it is sent (UTF-8 bytes). Its copy for the query log, in which every double
// quote is preceded by a backslash and some parts read differently, is made only on demand.
class SqlStatement
{
public:
    SqlStatement &operator<<(const char *text)
    {
        m_text += text;
        return *this;
    }
    SqlStatement &operator<<(const std::string &text)
    {
        m_text += text;
        return *this;
    }
    SqlStatement &operator<<(const QString &text)
    {
        m_text += text.toStdString();
        return *this;
    }
    // Text that reads `logged` in the log copy.
    void append(const std::string &sent, const QString &logged);
    // The text, for writers that append to it directly.
    std::string &text() { return m_text; }
    const std::string &text() const { return m_text; }

    QString logCopy() const;

    // The log copy of a statement text.
    static QString logForm(const QString &text);

private:
    struct Replacement
    {
        size_t offset;
        size_t length;
        QString logged;
    };
    std::string m_text;
    std::vector<Replacement> m_replacements;
};
