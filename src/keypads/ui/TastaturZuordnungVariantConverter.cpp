#include "TastaturZuordnungVariantConverter.h"

#include "DatabaseContext.h"

#include <QCoreApplication>

QVariant TastaturZuordnungVariantConverter::convert(const QVariant &value) const
{
    qlonglong juror = 0;
    const bool hat = variantToInteger(value, &juror) && m_ctx.hasKeyboard(juror);
    return hat ? QCoreApplication::translate("TastaturZuordnungVariantConverter", "Ja")
               : QCoreApplication::translate("TastaturZuordnungVariantConverter", "Nein");
}
