#include "CodeManager.h"

#include "DatabaseContext.h"
#include "Record.h"
#include "controllers/CodeTypeController.h"
#include "controllers/CodeValueController.h"

namespace {
const QString kCategory = QStringLiteral("Codes");
const QString kLocation = QStringLiteral("CodeManager");
} // namespace

CodeManager::CodeManager() = default;
CodeManager::~CodeManager() = default;

void CodeManager::loadCodes(DatabaseContext &ctx)
{
    m_ctx = &ctx;
    ctx.log(kCategory, kLocation, 8, QStringLiteral("Starting to load codes."));
    m_values.clear();
    m_byType.clear();
    m_byId.clear();
    m_byName.clear();

    const auto types = CodeTypeController().search(ctx, AlleCodeTypesSearchModel());
    ctx.log(kCategory, kLocation, 5,
            QStringLiteral("Read %1 CodeType instances.").arg(types.size()));
    for (const auto &type : types) {
        ctx.log(kCategory, kLocation, 3,
                QStringLiteral("Inspecting CodeType ") +
                    (type->hasName() ? type->getName() : QStringLiteral("(without name)")));
        if (!type->hasId()) {
            ctx.log(kCategory, kLocation, 9,
                    QStringLiteral("Found codeType without id.  Ignoring it.  Maybe there is some "
                                   "inconsistency."));
            continue;
        }
        if (!type->hasName()) {
            ctx.log(kCategory, kLocation, 9,
                    QStringLiteral("Found codeType without name.  Ignoring it.  Maybe there is "
                                   "some inconsistency."));
            continue;
        }
        CodeValueNachTypeIdSearchModel byType;
        byType.setType(type->getId());
        auto values = CodeValueController().search(ctx, byType);
        ctx.log(kCategory, kLocation, 3,
                QStringLiteral("Found %1 instances for CodeType ").arg(values.size()) +
                    type->getName());
        QList<const CodeValue *> &stored = m_byType[type->getName()];
        for (auto &value : values) {
            if (!value->hasId()) {
                ctx.log(kCategory, kLocation, 9,
                        QStringLiteral("Found codeValue without id.  Ignoring it.  Maybe there is "
                                       "some inconsistency."));
                continue;
            }
            ctx.log(kCategory, kLocation, 1,
                    QStringLiteral("Storing CodeValue ") +
                        (value->hasName() ? value->getName() : QString()));
            const CodeValue *kept = value.get();
            m_values.push_back(std::move(value));
            stored.append(kept);
            m_byId.insert(kept->getId(), kept);
            if (kept->hasName())
                m_byName.insert(kept->getName(), kept);
        }
    }
    ctx.log(kCategory, kLocation, 8, QStringLiteral("Finished loading codes."));
}

std::vector<std::unique_ptr<CodeValue>> CodeManager::getCodeValues(const QString &typeName) const
{
    std::vector<std::unique_ptr<CodeValue>> copies;
    for (const CodeValue *value : m_byType.value(typeName))
        copies.emplace_back(value->clone());
    return copies;
}

const CodeValue *CodeManager::find(const QString &typeName, const QString &valueName) const
{
    for (const CodeValue *value : m_byType.value(typeName)) {
        if (value->hasName() && value->getName() == valueName)
            return value;
    }
    return nullptr;
}

const CodeValue *CodeManager::require(const QString &typeName, const QString &valueName) const
{
    const CodeValue *value = find(typeName, valueName);
    if (!value && m_ctx)
        m_ctx->log(kCategory, kLocation, 9,
                   QStringLiteral("Der Codewert %1 des Codetyps %2 fehlt in den Codetabellen der "
                                  "Datenbank.  Bitte kontaktieren Sie den Administrator.")
                       .arg(valueName, typeName));
    return value;
}

std::unique_ptr<CodeValue> CodeManager::getCodeValue(const QString &typeName,
                                                     const QString &valueName) const
{
    const CodeValue *value = require(typeName, valueName);
    return value ? std::unique_ptr<CodeValue>(value->clone()) : nullptr;
}

bool CodeManager::isCodeValue(qlonglong id, const QString &typeName, const QString &valueName) const
{
    const CodeValue *value = require(typeName, valueName);
    return value && value->getId() == id;
}

bool CodeManager::isCodeValueAt(const Record &record, int row, const char *typeName,
                                const char *valueName) const
{
    return record.isSetAt(row) &&
           isCodeValue(record.rawValueAt(row).toLongLong(), QString::fromLatin1(typeName),
                       QString::fromLatin1(valueName));
}

std::unique_ptr<CodeValue> CodeManager::getCodeValueById(qlonglong id) const
{
    const CodeValue *value = m_byId.value(id);
    return value ? std::unique_ptr<CodeValue>(value->clone()) : nullptr;
}

std::unique_ptr<CodeValue> CodeManager::getCodeValueByName(const QString &valueName) const
{
    const CodeValue *value = m_byName.value(valueName);
    return value ? std::unique_ptr<CodeValue>(value->clone()) : nullptr;
}

qlonglong CodeManager::idOf(const QString &typeName, const QString &valueName) const
{
    const CodeValue *value = require(typeName, valueName);
    return value ? value->getId() : -1;
}
