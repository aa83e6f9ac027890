#pragma once

#include "VariantConverter.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

#include <map>
#include <memory>
#include <vector>

class QTableView;
class Record;

// How a column compares the values it shows when the list is sorted by it.
enum SortStrategy
{
    SortAsText = 0,          // locale-aware text comparison
    SortAsInt = 1,           // 32-bit integers
    SortAsLongLong = 2,      // 64-bit integers
    SortAsBracketedRank = 3, // integers after removing "(" and ")", e.g. "(3)"
    SortAsStarredRank = 4,   // integers after removing "*", e.g. "3*"
};

// One column of a CompositeTableModel: header, width in pixels, sort strategy and an optional
// converter for the shown value.
struct ColumnDescription
{
    ColumnDescription() = default;
    ColumnDescription(QVariant header, int width, int sortStrategy = SortAsText,
                      std::unique_ptr<VariantConverter> converter = nullptr)
        : header(std::move(header)), width(width), sortStrategy(sortStrategy),
          converter(std::move(converter))
    {}

    QVariant header;
    int width = 100;
    int sortStrategy = SortAsText;
    std::unique_ptr<VariantConverter> converter;
};

// The table of every list: one row per object (an entity or a join model, any Record), one
// column per shown attribute. The model owns its row objects and deletes them when their rows
// go away.
//
// The display role shows the attribute's value through the column's converter; the edit role
// hands out the attribute's own value, so that what an editor writes back through setData
// is of the attribute's type.
class CompositeTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // `columnOrder` lists the attribute rows (Record rows) of the visible columns, left to
    // right; `columns` describes them by attribute row.
    CompositeTableModel(QList<int> columnOrder, std::map<int, ColumnDescription> columns,
                        QObject *parent = nullptr);
    ~CompositeTableModel() override;

    void appendRow(std::unique_ptr<Record> object);
    void appendRows(std::vector<std::unique_ptr<Record>> objects);
    template <typename T> void appendRows(std::vector<std::unique_ptr<T>> objects)
    {
        std::vector<std::unique_ptr<Record>> records;
        records.reserve(objects.size());
        for (auto &object : objects)
            records.push_back(std::move(object));
        appendRows(std::move(records));
    }
    // Inserts before `position`; a position past the end appends.
    void insertRow(int position, std::unique_ptr<Record> object);
    // Removes the row and deletes its object; false when there is no such row.
    bool removeRowAt(int position);
    // Removes the row and hands its object to the caller; null when there is no such row.
    std::unique_ptr<Record> takeRow(int position);
    void clear();

    // The row objects, still owned by the model.
    QList<Record *> rowObjects() const;
    Record *rowObject(int position) const;
    template <typename T> T *rowObjectAs(int position) const
    {
        return qobject_cast<T *>(rowObject(position));
    }
    // The row of an object of this model; -1 when it holds no such object.
    int positionOf(const Record *object) const;

    // The attribute row shown in a visible column (-1 when out of range), and the visible
    // column of an attribute row (-1 when not shown).
    int attributeOfColumn(int column) const;
    int columnOfAttribute(int attribute) const;
    const ColumnDescription *columnDescription(int column) const;

    void setColumnWidths(QTableView *view) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The value a cell shows: the attribute's display value through the column's converter.
    QVariant displayValue(int position, int column) const;

private:
    bool isCell(const QModelIndex &index) const;
    void adopt(Record *object);
    void release(Record *object);
    void rowObjectChanged(const Record *object, int firstAttribute, int lastAttribute);
    void callStableSort(int column, Qt::SortOrder order);

    QList<int> m_columnToAttribute;
    QHash<int, int> m_attributeToColumn;
    std::map<int, ColumnDescription> m_columns;
    std::vector<std::unique_ptr<Record>> m_rows;
    bool m_settingData = false;
};
