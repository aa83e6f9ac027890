#include "CodeValueComboBox.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "VariantConverter.h"
#include "entities/CodeValue.h"

#include <iostream>
#include <map>

ComboBoxModel::ComboBoxModel(std::vector<std::unique_ptr<CodeValue>> values,
                             const QString &emptyText, QObject *parent)
    : QAbstractListModel(parent), m_values(std::move(values)), m_emptyText(emptyText)
{}

ComboBoxModel::~ComboBoxModel() = default;

int ComboBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_values.size()) + 1;
}

bool ComboBoxModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.column() == 0 &&
           index.row() < rowCount();
}

QVariant ComboBoxModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index))
        return QVariant();
    const CodeValue *value = valueAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (!value)
            return m_emptyText.isNull() ? QString(QLatin1String("")) : m_emptyText;
        return value->hasKurzText() ? value->getKurzText() : QString(QLatin1String(""));
    case Qt::TextAlignmentRole:
        return QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case IdRole:
        return idAt(index.row());
    default:
        return QVariant();
    }
}

int ComboBoxModel::rowOf(qlonglong id) const
{
    for (size_t row = 0; row < m_values.size(); ++row) {
        if (m_values[row]->hasId() && m_values[row]->getId() == id)
            return int(row);
    }
    std::cerr << "Code value id " << id << " not known by this combo box." << std::endl;
    return -1;
}

QVariant ComboBoxModel::idAt(int row) const
{
    const CodeValue *value = valueAt(row);
    return value && value->hasId() ? QVariant(value->getId()) : QVariant();
}

const CodeValue *ComboBoxModel::valueAt(int row) const
{
    if (row < 0 || row >= int(m_values.size()))
        return nullptr;
    return m_values[size_t(row)].get();
}

CodeValueComboBox::CodeValueComboBox(DatabaseContext &ctx, const QString &typeName,
                                     const QString &emptyText, QWidget *parent)
    : QComboBox(parent), m_typeName(typeName)
{
    // Ordered by position; of two values at one position the one fetched later stays.
    std::map<int, std::unique_ptr<CodeValue>> byPosition;
    for (auto &value : ctx.codeManager().getCodeValues(typeName)) {
        if (value->hasReihenfolge())
            byPosition[value->getReihenfolge()] = std::move(value);
    }
    std::vector<std::unique_ptr<CodeValue>> ordered;
    ordered.reserve(byPosition.size());
    for (auto &entry : byPosition)
        ordered.push_back(std::move(entry.second));

    m_model = new ComboBoxModel(std::move(ordered), emptyText, this);
    setModel(m_model);
    setCurrentIndex(m_model->emptyRow());
    // A choice of the user replaces an id that could not be shown.
    connect(this, &QComboBox::activated, this, [this] { m_unshownId = QVariant(); });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_unshownId = QVariant(); });
}

QVariant CodeValueComboBox::value() const
{
    if (m_unshownId.isValid())
        return m_unshownId;
    return m_model->idAt(currentIndex());
}

void CodeValueComboBox::setValue(const QVariant &value)
{
    m_unshownId = QVariant();
    qlonglong id = 0;
    if (!value.isValid()) {
        setCurrentIndex(m_model->emptyRow());
        return;
    }
    // An id may arrive in any integer type, or as its text from a generic item model.
    bool ok = variantToInteger(value, &id);
    if (!ok)
        id = value.toString().trimmed().toLongLong(&ok);
    const int row = ok ? m_model->rowOf(id) : -1;
    if (row >= 0) {
        setCurrentIndex(row);
        return;
    }
    setCurrentIndex(m_model->emptyRow());
    if (ok)
        m_unshownId = QVariant(id);
}
