#include "SqlWriter.h"

#include <QDate>
#include <QDateTime>

#include <mysql++/dbdriver.h>
#include <mysql++/mysql++.h>

QString SqlWriter::literal(const QVariant &value, int metaType) const
{
    if (!value.isValid())
        return QStringLiteral("NULL");
    switch (metaType) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return number(value.toDouble());
    case QMetaType::QDate:
        return QLatin1Char('"') + value.toDate().toString(Qt::ISODate) + QLatin1Char('"');
    case QMetaType::QDateTime:
        return QLatin1Char('"') + value.toDateTime().toString(Qt::ISODate) + QLatin1Char('"');
    case QMetaType::QByteArray:
        return QString::fromUtf8(quotedBytes(value.toByteArray()));
    default:
        return quoted(value.toString());
    }
}

QString SqlWriter::quoted(const QString &text) const
{
    const QByteArray utf8 = text.toUtf8();
    return QLatin1Char('"') + QString::fromUtf8(escape(utf8.constData(), size_t(utf8.size()))) +
           QLatin1Char('"');
}

QString SqlWriter::likePattern(const QString &text, const QString &suffix) const
{
    QString pattern;
    pattern.reserve(text.size() + suffix.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return quoted(pattern + suffix);
}

std::string SqlWriter::quotedBytes(const QByteArray &bytes) const
{
    return '"' + escape(bytes.constData(), size_t(bytes.size())) + '"';
}

QString SqlWriter::number(double value)
{
    return QString::number(value, 'g', 6);
}

std::string SqlWriter::escape(const char *data, size_t length) const
{
    std::string escaped;
    m_connection.driver()->escape_string(&escaped, data, length);
    return escaped;
}

SqlStatement &SqlStatement::operator<<(const QString &text)
{
    m_text += text.toStdString();
    m_log += logForm(text);
    return *this;
}

SqlStatement &SqlStatement::operator<<(const char *text)
{
    return *this << QString::fromUtf8(text);
}

void SqlStatement::append(const std::string &sent, const QString &logged)
{
    m_text += sent;
    m_log += logged;
}

QString SqlStatement::logForm(const QString &text)
{
    if (!text.contains(QLatin1Char('"')))
        return text;
    QString copy = text;
    copy.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return copy;
}
