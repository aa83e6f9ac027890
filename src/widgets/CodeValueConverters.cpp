#include "CodeValueConverters.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "entities/CodeValue.h"

#include <QCoreApplication>

CodeValueKurzTextVariantConverter::CodeValueKurzTextVariantConverter(DatabaseContext &ctx,
                                                                     const QString &typeName)
    : m_ctx(ctx), m_typeName(typeName)
{}

QVariant CodeValueKurzTextVariantConverter::convert(const QVariant &value) const
{
    qlonglong id = 0;
    if (!variantToInteger(value, &id))
        return QVariant();
    // Codes are looked up on every call: the catalogue is replaced when it is reloaded.
    const CodeManager &codes = m_ctx.codeManager();
    const std::unique_ptr<CodeValue> codeValue = codes.getCodeValueById(id);
    if (!codeValue || !codeValue->hasKurzText())
        return QVariant();
    bool ofThisType = false;
    if (codeValue->hasName()) {
        const CodeValue *named = codes.find(m_typeName, codeValue->getName());
        ofThisType = named && named->hasId() && named->getId() == id;
    } else {
        for (const auto &candidate : codes.getCodeValues(m_typeName))
            ofThisType = ofThisType || (candidate->hasId() && candidate->getId() == id);
    }
    return ofThisType ? QVariant(codeValue->getKurzText()) : QVariant();
}

DurchgangsNameVariantConverter::DurchgangsNameVariantConverter(DatabaseContext &ctx) : m_ctx(ctx) {}

QVariant DurchgangsNameVariantConverter::convert(const QVariant &value) const
{
    qlonglong id = 0;
    if (!variantToInteger(value, &id))
        return QVariant();
    static const struct
    {
        const char *valueName;
        const char *shortName;
    } names[] = {
        {"ERSTER_DURCHGANG", QT_TRANSLATE_NOOP("DurchgangsNameVariantConverter", "1")},
        {"ZWEITER_DURCHGANG_SCHLECHTE",
         QT_TRANSLATE_NOOP("DurchgangsNameVariantConverter", "2 (unteres Drittel)")},
        {"ZWEITER_DURCHGANG_MITTLERE",
         QT_TRANSLATE_NOOP("DurchgangsNameVariantConverter", "2 (mittleres Drittel)")},
        {"ZWEITER_DURCHGANG_BESTE",
         QT_TRANSLATE_NOOP("DurchgangsNameVariantConverter", "2 (bestes Drittel)")},
    };
    const CodeManager &codes = m_ctx.codeManager();
    for (const auto &name : names) {
        if (codes.isCodeValue(id, QStringLiteral("DurchgangsArt"),
                              QString::fromLatin1(name.valueName)))
            return QCoreApplication::translate("DurchgangsNameVariantConverter", name.shortName);
    }
    return QVariant();
}
