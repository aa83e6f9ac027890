#pragma once

#include "VariantConverter.h"

#include <QString>

class DatabaseContext;

// Shows the short text (kurzText) of a value of one code type for its id. An id of another
// type, an unknown id or a variant that is no integer gives an empty cell.
class CodeValueKurzTextVariantConverter : public VariantConverter
{
public:
    CodeValueKurzTextVariantConverter(DatabaseContext &ctx, const QString &typeName);
    QVariant convert(const QVariant &value) const override;

private:
    DatabaseContext &m_ctx;
    QString m_typeName;
};

// Shows the short name of a round for the id of its DurchgangsArt: "1" for the first round,
// "2 (unteres Drittel)", "2 (mittleres Drittel)", "2 (bestes Drittel)" for the three second
// rounds; any other id gives an empty cell.
class DurchgangsNameVariantConverter : public VariantConverter
{
public:
    explicit DurchgangsNameVariantConverter(DatabaseContext &ctx);
    QVariant convert(const QVariant &value) const override;

private:
    DatabaseContext &m_ctx;
};
