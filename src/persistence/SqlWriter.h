#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <string>

namespace mysqlpp {
class Connection;
}

// Writes values as SQL literals. Texts and bytes go through the connection's own escaping
// (mysql_real_escape_string) and are enclosed in double quotes; nothing is quoted by hand.
class SqlWriter
{
public:
    explicit SqlWriter(mysqlpp::Connection &connection) : m_connection(connection) {}

    // The literal of a value of the given QMetaType; NULL for an invalid value.
    QString literal(const QVariant &value, int metaType) const;
    // A text literal ("..." with the text escaped).
    QString quoted(const QString &text) const;
    // A LIKE pattern literal: the text matches itself only (its %, _ and backslashes are
    // escaped for LIKE), followed by `suffix`, which keeps its wildcards.
    QString likePattern(const QString &text, const QString &suffix) const;
    // The escaped bytes enclosed in double quotes, for binary columns.
    std::string quotedBytes(const QByteArray &bytes) const;

    // Shortest form with 6 significant digits, as numbers are written into statements.
    static QString number(double value);

private:
    std::string escape(const char *data, size_t length) const;

    mysqlpp::Connection &m_connection;
};

// A statement as it is sent (UTF-8 bytes) together with its copy for the query log, in
// which every double quote is preceded by a backslash.
class SqlStatement
{
public:
    // Text that both forms share.
    SqlStatement &operator<<(const QString &text);
    SqlStatement &operator<<(const char *text);
    // Text that differs between the statement and its log copy.
    void append(const std::string &sent, const QString &logged);

    const std::string &text() const { return m_text; }
    const QString &logCopy() const { return m_log; }

    // The log copy of a statement text.
    static QString logForm(const QString &text);

private:
    std::string m_text;
    QString m_log;
};
