#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class Record;

// One attribute as the generated classes know it: its code name and value type.
struct AttributeSlot
{
    const char *name;
    int metaType; // a QMetaType::Type
};

// The shape of one generated class: its own attributes (persisted ones first, then the
// attributes that are only held in memory) on top of those of its base class.
struct RecordClassInfo
{
    const char *name;
    const RecordClassInfo *base;
    const AttributeSlot *attributes;
    int ownCount;
    Record *(*create)();

    int firstRow() const { return base ? base->rowCount() : 0; }
    int rowCount() const { return firstRow() + ownCount; }
    // The class that declares the attribute at this row, and the attribute itself.
    const RecordClassInfo &declaringClass(int row) const;
    const AttributeSlot &slotAt(int row) const;
    int rowOf(const QString &attributeName) const; // -1 when unknown
};

// Converts a value to the given value type as the map constructor and setData do.
// An invalid value stays invalid (null).
QVariant convertToMetaType(const QVariant &value, int metaType);

// Base of every generated entity, search model and join model: a fixed list of typed,
// nullable attributes, shown to forms as a one-column item model with one row per attribute.
class Record : public QAbstractListModel
{
    Q_OBJECT
public:
    ~Record() override;

    const RecordClassInfo &classInfo() const { return *m_info; }
    int attributeCount() const { return int(m_values.size()); }

    virtual QVariant getValue(int row) const;
    virtual QString getEntityName() const;
    virtual QMap<QString, QVariant> toMap() const;
    virtual Record *clone() const;
    virtual void setAllNull();

    // Generic access by row, for code that walks the attributes.
    bool isSetAt(int row) const { return m_values[size_t(row)].isValid(); }
    const QVariant &rawValueAt(int row) const { return m_values[size_t(row)]; }
    // Converts to the attribute's type (an invalid value sets null) and signals.
    void setValueAt(int row, const QVariant &value);
    // Stores a value that already has the attribute's type, without signals; for loading
    // freshly created objects.
    void loadValueAt(int row, QVariant value) { m_values[size_t(row)] = std::move(value); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    explicit Record(const RecordClassInfo &info);

    template <typename T> T valueAt(int row) const
    {
        const QVariant &v = m_values[size_t(row)];
        if (!v.isValid())
            abortNullAccess(row);
        return v.value<T>();
    }
    // Stores an already typed value (invalid means null), then signals.
    void storeAt(int row, const QVariant &value);
    // Copies every attribute of another object of the same class, signalling each.
    void copyAllFrom(const Record &other);
    void initFromMap(const QMap<QString, QVariant> &map);
    // Emits the attribute's own change signal; each generated class handles its own rows.
    virtual void emitAttributeChanged(int row);

    [[noreturn]] void abortNullAccess(int row) const;

private:
    const RecordClassInfo *m_info;
    std::vector<QVariant> m_values;
};

// Hands over objects created through a base class as the derived class they are.
template <typename T, typename Base> std::unique_ptr<T> downcast(std::unique_ptr<Base> object)
{
    return std::unique_ptr<T>(static_cast<T *>(object.release()));
}

template <typename T, typename Base>
std::vector<std::unique_ptr<T>> downcast(std::vector<std::unique_ptr<Base>> objects)
{
    std::vector<std::unique_ptr<T>> result;
    result.reserve(objects.size());
    for (auto &object : objects)
        result.push_back(downcast<T>(std::move(object)));
    return result;
}
