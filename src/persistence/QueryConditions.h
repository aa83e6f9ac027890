#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>

class SqlWriter;

// The conditions of a reading statement, collected from a search model's fields.
class ConditionList
{
public:
    explicit ConditionList(const SqlWriter &writer) : m_writer(writer) {}
    const SqlWriter &writer() const { return m_writer; }
    void append(const QString &condition) { m_conditions.append(condition); }
    const QStringList &conditions() const { return m_conditions; }

private:
    const SqlWriter &m_writer;
    QStringList m_conditions;
};

// Turns one search field into at most one condition on a column; nothing for a null value.
class QueryConditionStrategy
{
public:
    virtual ~QueryConditionStrategy() = default;
    virtual void appendCondition(ConditionList &conditions, const QString &column,
                                 const QVariant &value) const = 0;
};

// column operator value, for one value type.
class ValueQueryConditionStrategy : public QueryConditionStrategy
{
public:
    void appendCondition(ConditionList &conditions, const QString &column,
                         const QVariant &value) const override;

protected:
    ValueQueryConditionStrategy(int metaType, const QString &op) : m_metaType(metaType), m_op(op)
    {
    }

private:
    int m_metaType;
    QString m_op;
};

// The strategies of the value types; the operator defaults to "=".
template <int MetaType> class TypedQueryConditionStrategy : public ValueQueryConditionStrategy
{
public:
    explicit TypedQueryConditionStrategy(const QString &op = QStringLiteral("="))
        : ValueQueryConditionStrategy(MetaType, op)
    {
    }
};

using BoolQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::Bool>;
using IntQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::Int>;
using LongQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::LongLong>;
using DoubleQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::Double>;
using DateQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::QDate>;
using DateTimeQueryConditionStrategy = TypedQueryConditionStrategy<QMetaType::QDateTime>;

// (column IS NULL OR column operator date)
class DateNullQueryConditionStrategy : public QueryConditionStrategy
{
public:
    explicit DateNullQueryConditionStrategy(const QString &op = QStringLiteral("=")) : m_op(op) {}
    void appendCondition(ConditionList &conditions, const QString &column,
                         const QVariant &value) const override;

private:
    QString m_op;
};

// column operator "text" + suffix, only for a text that is not blank. With LIKE the typed
// text matches literally (its own % and _ are no wildcards); the suffix keeps its wildcards.
class StringQueryConditionStrategy : public QueryConditionStrategy
{
public:
    explicit StringQueryConditionStrategy(const QString &suffix = QString(),
                                          const QString &op = QStringLiteral("LIKE"))
        : m_suffix(suffix), m_op(op)
    {
    }
    void appendCondition(ConditionList &conditions, const QString &column,
                         const QVariant &value) const override;

private:
    QString m_suffix;
    QString m_op;
};

// column LIKE "%text%": the typed text anywhere in the column, matched literally (its own %
// and _ are no wildcards) and, with the tables' collation, case-insensitively; only for a text
// that is not blank.
class ContainsQueryConditionStrategy : public QueryConditionStrategy
{
public:
    void appendCondition(ConditionList &conditions, const QString &column,
                         const QVariant &value) const override;
};

// Never restricts the search.
class TrueQueryConditionStrategy : public QueryConditionStrategy
{
public:
    void appendCondition(ConditionList &, const QString &, const QVariant &) const override {}
};

// Strategies by search-model row; the controller that receives them owns them.
using StrategyMap = std::map<int, std::unique_ptr<QueryConditionStrategy>>;

// How the controller reads one field of a search model.
enum class SearchFieldKind {
    Ignored,     // a text form of another field: never read
    Equal,       // "=" (LIKE for texts) on the column
    From,        // lower end of a range: ">="
    To,          // upper end of a range: "<="
    Unrestricted // restricts nothing unless the caller passes a strategy
};

struct SearchFieldDef
{
    const char *column; // aliased column, nullptr for ignored fields
    SearchFieldKind kind;
};

struct SearchModelDef
{
    const char *name;
    const SearchFieldDef *fields; // one per row of the search model
    int fieldCount;
};

// The strategy a field gets when the caller passes none.
std::unique_ptr<QueryConditionStrategy> defaultStrategy(SearchFieldKind kind, int metaType);

class Record;
// Collects the conditions of every field of a search model, in row order.
void appendSearchConditions(ConditionList &conditions, const Record &model,
                            const SearchModelDef &def, StrategyMap &strategies);
