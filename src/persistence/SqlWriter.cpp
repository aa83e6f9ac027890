#include "SqlWriter.h"

#include <QDate>
#include <QDateTime>

#include <mysql++/dbdriver.h>
#include <mysql++/mysql++.h>

void SqlWriter::appendLiteral(std::string &out, const QVariant &value, int metaType) const
{
    if (!value.isValid()) {
        out += "NULL";
        return;
    }
    switch (metaType) {
    case QMetaType::Bool:
        out += value.toBool() ? "TRUE" : "FALSE";
        return;
    case QMetaType::Int:
        out += std::to_string(value.toInt());
        return;
    case QMetaType::LongLong:
        out += std::to_string(value.toLongLong());
        return;
    case QMetaType::Double:
        out += number(value.toDouble()).toStdString();
        return;
    case QMetaType::QDate:
        out += '"';
        out += value.toDate().toString(Qt::ISODate).toStdString();
        out += '"';
        return;
    case QMetaType::QDateTime:
        out += '"';
        out += value.toDateTime().toString(Qt::ISODate).toStdString();
        out += '"';
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        appendQuoted(out, bytes.constData(), size_t(bytes.size()));
        return;
    }
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        appendQuoted(out, utf8.constData(), size_t(utf8.size()));
    }
    }
}

void SqlWriter::appendQuoted(std::string &out, const char *data, size_t length) const
{
    const size_t start = out.size();
    out.resize(start + 2 * length + 2);
    out[start] = '"';
    const size_t written = m_connection.driver()->escape_string(&out[start + 1], data, length);
    out.resize(start + 1 + written);
    out += '"';
}

QString SqlWriter::literal(const QVariant &value, int metaType) const
{
    std::string out;
    appendLiteral(out, value, metaType);
    return QString::fromStdString(out);
}

QString SqlWriter::quoted(const QString &text) const
{
    return literal(QVariant(text), QMetaType::QString);
}

QString SqlWriter::likePattern(const QString &text, const QString &suffix,
                               const QString &prefix) const
{
    QString pattern = prefix;
    pattern.reserve(prefix.size() + text.size() + suffix.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return quoted(pattern + suffix);
}

QString SqlWriter::number(double value)
{
    return QString::number(value, 'g', 6);
}

void SqlStatement::append(const std::string &sent, const QString &logged)
{
    m_replacements.push_back(Replacement{m_text.size(), sent.size(), logged});
    m_text += sent;
}

QString SqlStatement::logCopy() const
{
    QString copy;
    size_t position = 0;
    for (const Replacement &replacement : m_replacements) {
        copy += logForm(QString::fromUtf8(m_text.data() + position,
                                          qsizetype(replacement.offset - position)));
        copy += replacement.logged;
        position = replacement.offset + replacement.length;
    }
    copy += logForm(
        QString::fromUtf8(m_text.data() + position, qsizetype(m_text.size() - position)));
    return copy;
}

QString SqlStatement::logForm(const QString &text)
{
    if (!text.contains(QLatin1Char('"')))
        return text;
    QString copy = text;
    copy.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return copy;
}
