#include "CompositeTableModel.h"

#include "Record.h"

#include <QTableView>

#include <algorithm>
#include <iostream>

namespace {

// What a row is sorted by: its text for text columns, its number for the others.
struct SortKey
{
    int position;
    QString text;
    qlonglong number;
    QVariant raw; // the attribute itself: dates sort by date, not by their "dd.MM.yyyy" text
};

bool isDate(const QVariant &value)
{
    const int type = value.metaType().id();
    return type == QMetaType::QDate || type == QMetaType::QDateTime;
}

// Text order, except that dates and timestamps (null ones first) keep the calendar's order.
int compareAsText(const SortKey &a, const SortKey &b)
{
    if ((isDate(a.raw) || !a.raw.isValid()) && (isDate(b.raw) || !b.raw.isValid()) &&
        (isDate(a.raw) || isDate(b.raw))) {
        if (!a.raw.isValid() || !b.raw.isValid())
            return int(a.raw.isValid()) - int(b.raw.isValid());
        const QDateTime left = a.raw.toDateTime();
        const QDateTime right = b.raw.toDateTime();
        return left < right ? -1 : (right < left ? 1 : 0);
    }
    return QString::localeAwareCompare(a.text, b.text);
}

qlonglong integerOf(QString text, int sortStrategy)
{
    if (sortStrategy == SortAsBracketedRank)
        text.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    else if (sortStrategy == SortAsStarredRank)
        text.remove(QLatin1Char('*'));
    text = text.trimmed();
    bool ok = false;
    const qlonglong number =
        sortStrategy == SortAsInt ? qlonglong(text.toInt(&ok, 10)) : text.toLongLong(&ok, 10);
    return ok ? number : 0;
}

} // namespace

CompositeTableModel::CompositeTableModel(QList<int> columnOrder,
                                         std::map<int, ColumnDescription> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columnToAttribute(std::move(columnOrder)),
      m_columns(std::move(columns))
{
    for (int column = 0; column < m_columnToAttribute.size(); ++column)
        m_attributeToColumn.insert(m_columnToAttribute[column], column);
}

CompositeTableModel::~CompositeTableModel()
{
    for (const auto &object : m_rows)
        release(object.get());
}

void CompositeTableModel::appendRow(std::unique_ptr<Record> object)
{
    insertRow(int(m_rows.size()), std::move(object));
}

void CompositeTableModel::appendRows(std::vector<std::unique_ptr<Record>> objects)
{
    objects.erase(std::remove(objects.begin(), objects.end(), nullptr), objects.end());
    if (objects.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(objects.size()) - 1);
    for (auto &object : objects) {
        adopt(object.get());
        m_rows.push_back(std::move(object));
    }
    endInsertRows();
}

void CompositeTableModel::insertRow(int position, std::unique_ptr<Record> object)
{
    if (!object)
        return;
    position = std::clamp(position, 0, int(m_rows.size()));
    beginInsertRows(QModelIndex(), position, position);
    adopt(object.get());
    m_rows.insert(m_rows.begin() + position, std::move(object));
    endInsertRows();
}

bool CompositeTableModel::removeRowAt(int position)
{
    return takeRow(position) != nullptr;
}

std::unique_ptr<Record> CompositeTableModel::takeRow(int position)
{
    if (position < 0 || position >= int(m_rows.size()))
        return nullptr;
    beginRemoveRows(QModelIndex(), position, position);
    std::unique_ptr<Record> object = std::move(m_rows[size_t(position)]);
    m_rows.erase(m_rows.begin() + position);
    release(object.get());
    endRemoveRows();
    return object;
}

void CompositeTableModel::clear()
{
    if (m_rows.empty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(m_rows.size()) - 1);
    std::vector<std::unique_ptr<Record>> gone;
    gone.swap(m_rows);
    for (const auto &object : gone)
        release(object.get());
    endRemoveRows();
    // `gone` deletes the objects only now, after the views have let go of the rows.
}

QList<Record *> CompositeTableModel::rowObjects() const
{
    QList<Record *> objects;
    objects.reserve(qsizetype(m_rows.size()));
    for (const auto &object : m_rows)
        objects.append(object.get());
    return objects;
}

Record *CompositeTableModel::rowObject(int position) const
{
    if (position < 0 || position >= int(m_rows.size()))
        return nullptr;
    return m_rows[size_t(position)].get();
}

int CompositeTableModel::positionOf(const Record *object) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].get() == object)
            return int(i);
    }
    return -1;
}

int CompositeTableModel::attributeOfColumn(int column) const
{
    if (column < 0 || column >= m_columnToAttribute.size())
        return -1;
    return m_columnToAttribute[column];
}

int CompositeTableModel::columnOfAttribute(int attribute) const
{
    return m_attributeToColumn.value(attribute, -1);
}

const ColumnDescription *CompositeTableModel::columnDescription(int column) const
{
    const auto it = m_columns.find(attributeOfColumn(column));
    return it == m_columns.end() ? nullptr : &it->second;
}

void CompositeTableModel::setColumnWidths(QTableView *view) const
{
    for (int column = 0; column < columnCount(); ++column) {
        if (const ColumnDescription *description = columnDescription(column))
            view->setColumnWidth(column, description->width);
    }
}

int CompositeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CompositeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columnToAttribute.size());
}

QVariant CompositeTableModel::displayValue(int position, int column) const
{
    const Record *object = rowObject(position);
    const int attribute = attributeOfColumn(column);
    if (!object || attribute < 0)
        return QVariant();
    const QVariant value = object->data(object->index(attribute, 0), Qt::DisplayRole);
    const ColumnDescription *description = columnDescription(column);
    if (description && description->converter)
        return description->converter->convert(value);
    return value;
}

bool CompositeTableModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < rowCount() &&
           index.column() < columnCount();
}

QVariant CompositeTableModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index))
        return QVariant();
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::DisplayRole:
        return displayValue(index.row(), index.column());
    case Qt::EditRole: {
        const Record *object = rowObject(index.row());
        return object->data(object->index(attributeOfColumn(index.column()), 0), Qt::EditRole);
    }
    default:
        return QVariant();
    }
}

bool CompositeTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !isCell(index))
        return false;
    Record *object = rowObject(index.row());
    const QModelIndex attribute = object->index(attributeOfColumn(index.column()), 0);
    if (!attribute.isValid())
        return false;
    m_settingData = true;
    const bool accepted = object->setData(attribute, value, Qt::EditRole);
    m_settingData = false;
    if (accepted)
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return accepted;
}

Qt::ItemFlags CompositeTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant CompositeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    const ColumnDescription *description = columnDescription(section);
    return description ? description->header : QVariant();
}

void CompositeTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    callStableSort(column, order);
}

void CompositeTableModel::callStableSort(int column, Qt::SortOrder order)
{
    const ColumnDescription *description = columnDescription(column);
    const int strategy = description ? description->sortStrategy : int(SortAsText);
    if (order != Qt::AscendingOrder && order != Qt::DescendingOrder) {
        std::cerr << "CompositeTableModel::callStableSort says: Sort order " << int(order)
                  << " is invalid." << std::endl;
        std::cerr << "==> Doing nothing, no sort will happen!" << std::endl;
        return;
    }
    if (strategy < SortAsText || strategy > SortAsStarredRank) {
        std::cerr << "CompositeTableModel::callStableSort says: Sort strategy " << strategy
                  << " is invalid." << std::endl;
        std::cerr << "==> Doing nothing, no sort will happen!" << std::endl;
        return;
    }

    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    for (int position = 0; position < int(m_rows.size()); ++position) {
        const QString text = displayValue(position, column).toString();
        const int attribute = attributeOfColumn(column);
        const Record *object = m_rows[size_t(position)].get();
        const QVariant raw = attribute >= 0 && attribute < object->attributeCount()
                                 ? object->rawValueAt(attribute)
                                 : QVariant();
        keys.push_back(
            {position, text, strategy == SortAsText ? 0 : integerOf(text, strategy), raw});
    }
    const bool ascending = order == Qt::AscendingOrder;
    if (strategy == SortAsText) {
        std::stable_sort(keys.begin(), keys.end(), [ascending](const SortKey &a, const SortKey &b) {
            const int comparison = compareAsText(a, b);
            return ascending ? comparison < 0 : comparison > 0;
        });
    } else {
        std::stable_sort(keys.begin(), keys.end(), [ascending](const SortKey &a, const SortKey &b) {
            return ascending ? a.number < b.number : a.number > b.number;
        });
    }

    beginResetModel();
    std::vector<std::unique_ptr<Record>> sorted;
    sorted.reserve(m_rows.size());
    for (const SortKey &key : keys)
        sorted.push_back(std::move(m_rows[size_t(key.position)]));
    m_rows.swap(sorted);
    endResetModel();
}

void CompositeTableModel::adopt(Record *object)
{
    connect(object, &QAbstractItemModel::dataChanged, this,
            [this, object](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                rowObjectChanged(object, topLeft.row(), bottomRight.row());
            });
}

void CompositeTableModel::release(Record *object)
{
    disconnect(object, nullptr, this, nullptr);
}

void CompositeTableModel::rowObjectChanged(const Record *object, int firstAttribute,
                                           int lastAttribute)
{
    // Changes made through setData are signalled there, once.
    if (m_settingData)
        return;
    const int position = positionOf(object);
    if (position < 0)
        return;
    for (int column = 0; column < m_columnToAttribute.size(); ++column) {
        const int attribute = m_columnToAttribute[column];
        if (attribute >= firstAttribute && attribute <= lastAttribute) {
            const QModelIndex changed = index(position, column);
            emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
        }
    }
}
