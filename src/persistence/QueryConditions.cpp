#include "QueryConditions.h"

#include "Record.h"
#include "SqlWriter.h"

void ValueQueryConditionStrategy::appendCondition(ConditionList &conditions,
                                                  const QString &column,
                                                  const QVariant &value) const
{
    if (!value.isValid())
        return;
    conditions.append(column + QLatin1Char(' ') + m_op + QLatin1Char(' ') +
                      conditions.writer().literal(value, m_metaType));
}

void DateNullQueryConditionStrategy::appendCondition(ConditionList &conditions,
                                                     const QString &column,
                                                     const QVariant &value) const
{
    if (!value.isValid())
        return;
    conditions.append(QLatin1Char('(') + column + QStringLiteral(" IS NULL OR ") + column +
                      QLatin1Char(' ') + m_op + QLatin1Char(' ') +
                      conditions.writer().literal(value, QMetaType::QDate) + QLatin1Char(')'));
}

void StringQueryConditionStrategy::appendCondition(ConditionList &conditions,
                                                   const QString &column,
                                                   const QVariant &value) const
{
    if (!value.isValid())
        return;
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return;
    const bool like = m_op.compare(QLatin1String("LIKE"), Qt::CaseInsensitive) == 0;
    const QString literal = like ? conditions.writer().likePattern(text, m_suffix)
                                 : conditions.writer().quoted(text + m_suffix);
    conditions.append(column + QLatin1Char(' ') + m_op + QLatin1Char(' ') + literal);
}

void ContainsQueryConditionStrategy::appendCondition(ConditionList &conditions,
                                                     const QString &column,
                                                     const QVariant &value) const
{
    if (!value.isValid() || value.toString().trimmed().isEmpty())
        return;
    conditions.append(column + QStringLiteral(" LIKE ") +
                      conditions.writer().likePattern(value.toString(), QStringLiteral("%"),
                                                      QStringLiteral("%")));
}

std::unique_ptr<QueryConditionStrategy> defaultStrategy(SearchFieldKind kind, int metaType)
{
    QString op = QStringLiteral("=");
    switch (kind) {
    case SearchFieldKind::Ignored:
        return nullptr;
    case SearchFieldKind::Unrestricted:
        return std::make_unique<TrueQueryConditionStrategy>();
    case SearchFieldKind::From:
        op = QStringLiteral(">=");
        break;
    case SearchFieldKind::To:
        op = QStringLiteral("<=");
        break;
    case SearchFieldKind::Equal:
        break;
    }
    switch (metaType) {
    case QMetaType::QString:
        return kind == SearchFieldKind::Equal ? std::make_unique<StringQueryConditionStrategy>()
                                              : std::make_unique<StringQueryConditionStrategy>(
                                                    QString(), op);
    case QMetaType::Bool:
        return std::make_unique<BoolQueryConditionStrategy>(op);
    case QMetaType::Int:
        return std::make_unique<IntQueryConditionStrategy>(op);
    case QMetaType::Double:
        return std::make_unique<DoubleQueryConditionStrategy>(op);
    case QMetaType::QDate:
        return std::make_unique<DateQueryConditionStrategy>(op);
    case QMetaType::QDateTime:
        return std::make_unique<DateTimeQueryConditionStrategy>(op);
    default:
        return std::make_unique<LongQueryConditionStrategy>(op);
    }
}

void appendSearchConditions(ConditionList &conditions, const Record &model,
                            const SearchModelDef &def, StrategyMap &strategies)
{
    for (int row = 0; row < def.fieldCount; ++row) {
        const SearchFieldDef &field = def.fields[row];
        if (field.kind == SearchFieldKind::Ignored || !field.column)
            continue;
        const QString column = QString::fromLatin1(field.column);
        const auto given = strategies.find(row);
        if (given != strategies.end() && given->second) {
            given->second->appendCondition(conditions, column, model.getValue(row));
            continue;
        }
        const std::unique_ptr<QueryConditionStrategy> strategy =
            defaultStrategy(field.kind, model.classInfo().slotAt(row).metaType);
        strategy->appendCondition(conditions, column, model.getValue(row));
    }
    strategies.clear();
}
