#include "VariantConverter.h"

#include <QCoreApplication>
#include <QDateTime>

#include <limits>

QVariant TimeStampConverter::convert(const QVariant &value) const
{
    if (!value.isValid())
        return QVariant();
    const QDateTime timeStamp = value.toDateTime();
    if (!timeStamp.isValid())
        return QVariant();
    return timeStamp.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QVariant DateConverter::convert(const QVariant &value) const
{
    if (!value.isValid())
        return QVariant();
    const QDate date = value.toDate();
    if (!date.isValid())
        return QVariant();
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QVariant BoolConverter::convert(const QVariant &value) const
{
    if (!value.isValid())
        return QVariant();
    return value.toBool() ? QCoreApplication::translate("BoolConverter", "Ja")
                          : QCoreApplication::translate("BoolConverter", "Nein");
}

QVariant JaNeinVariantConverter::convert(const QVariant &value) const
{
    return value.isValid() ? QCoreApplication::translate("JaNeinVariantConverter", "Ja")
                           : QCoreApplication::translate("JaNeinVariantConverter", "Nein");
}

bool variantToInteger(const QVariant &value, qlonglong *result)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        *result = value.toLongLong();
        return true;
    case QMetaType::ULongLong:
        if (value.toULongLong() > qulonglong(std::numeric_limits<qlonglong>::max()))
            return false;
        *result = value.toLongLong();
        return true;
    default:
        return false;
    }
}
