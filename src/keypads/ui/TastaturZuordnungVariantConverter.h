#pragma once

#include "VariantConverter.h"

class DatabaseContext;

// A juror seat id as "Ja" when the seat has a keyboard in the context's assignment, else (and
// for an empty value) "Nein".
class TastaturZuordnungVariantConverter : public VariantConverter
{
public:
    explicit TastaturZuordnungVariantConverter(const DatabaseContext &ctx) : m_ctx(ctx) {}
    QVariant convert(const QVariant &value) const override;

private:
    const DatabaseContext &m_ctx;
};
