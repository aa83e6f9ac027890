#pragma once

#include <QVariant>

// Turns a stored value into the value a list cell shows. A column of a CompositeTableModel
// may own one; the model passes the display value of every cell through it.
class VariantConverter
{
public:
    virtual ~VariantConverter() = default;
    virtual QVariant convert(const QVariant &value) const = 0;
};

// A timestamp as "dd.MM.yyyy hh:mm:ss"; null or invalid timestamps give an empty cell.
class TimeStampConverter : public VariantConverter
{
public:
    QVariant convert(const QVariant &value) const override;
};

// A plain date as "dd.MM.yyyy"; null or invalid dates give an empty cell.
class DateConverter : public VariantConverter
{
public:
    QVariant convert(const QVariant &value) const override;
};

// true gives "Ja", false gives "Nein"; a null value gives an empty cell.
class BoolConverter : public VariantConverter
{
public:
    QVariant convert(const QVariant &value) const override;
};

// A null value gives "Nein", every other value "Ja" (for "is there a ..." columns).
class JaNeinVariantConverter : public VariantConverter
{
public:
    QVariant convert(const QVariant &value) const override;
};

// The integer a variant holds, for converters that look up ids: only variants of an integer
// type count; everything else (null, texts, doubles) gives false.
bool variantToInteger(const QVariant &value, qlonglong *result);
