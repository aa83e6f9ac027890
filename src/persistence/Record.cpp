#include "Record.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

const RecordClassInfo &RecordClassInfo::declaringClass(int row) const
{
    const RecordClassInfo *info = this;
    while (info->base && row < info->firstRow())
        info = info->base;
    return *info;
}

const AttributeSlot &RecordClassInfo::slotAt(int row) const
{
    const RecordClassInfo &owner = declaringClass(row);
    return owner.attributes[row - owner.firstRow()];
}

int RecordClassInfo::rowOf(const QString &attributeName) const
{
    for (const RecordClassInfo *info = this; info; info = info->base) {
        for (int i = 0; i < info->ownCount; ++i) {
            if (attributeName == QLatin1String(info->attributes[i].name))
                return info->firstRow() + i;
        }
    }
    return -1;
}

QVariant convertToMetaType(const QVariant &value, int metaType)
{
    if (!value.isValid())
        return QVariant();
    if (value.metaType().id() == metaType)
        return value;
    QVariant converted(value);
    converted.convert(QMetaType(metaType));
    if (!converted.isValid())
        return QVariant(QMetaType(metaType));
    return converted;
}

Record::Record(const RecordClassInfo &info) : m_info(&info), m_values(size_t(info.rowCount()))
{
}

Record::~Record() = default;

QVariant Record::getValue(int row) const
{
    if (row < 0 || row >= attributeCount())
        return QVariant();
    return m_values[size_t(row)];
}

QString Record::getEntityName() const
{
    return QString::fromLatin1(m_info->name);
}

QMap<QString, QVariant> Record::toMap() const
{
    QMap<QString, QVariant> map;
    for (int row = 0; row < attributeCount(); ++row)
        map.insert(QString::fromLatin1(m_info->slotAt(row).name), m_values[size_t(row)]);
    return map;
}

Record *Record::clone() const
{
    Record *copy = m_info->create();
    copy->m_values = m_values;
    return copy;
}

void Record::setAllNull()
{
    for (int row = 0; row < attributeCount(); ++row)
        storeAt(row, QVariant());
}

void Record::setValueAt(int row, const QVariant &value)
{
    storeAt(row, convertToMetaType(value, m_info->slotAt(row).metaType));
}

void Record::storeAt(int row, const QVariant &value)
{
    m_values[size_t(row)] = value;
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed);
    emitAttributeChanged(row);
}

void Record::copyAllFrom(const Record &other)
{
    const int rows = qMin(attributeCount(), other.attributeCount());
    for (int row = 0; row < rows; ++row)
        storeAt(row, other.m_values[size_t(row)]);
}

void Record::initFromMap(const QMap<QString, QVariant> &map)
{
    for (int row = 0; row < attributeCount(); ++row) {
        const AttributeSlot &slot = m_info->slotAt(row);
        const auto it = map.constFind(QString::fromLatin1(slot.name));
        if (it != map.constEnd())
            m_values[size_t(row)] = convertToMetaType(it.value(), slot.metaType);
    }
}

void Record::emitAttributeChanged(int)
{
}

void Record::abortNullAccess(int row) const
{
    const RecordClassInfo &owner = m_info->declaringClass(row);
    std::cerr << "Trying to return attribute " << owner.name << "::" << m_info->slotAt(row).name
              << " although it is null." << std::endl;
    std::cerr << "This is an internal error, aborting now." << std::endl;
    std::fflush(stdout);
    std::exit(-1);
}

int Record::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : attributeCount();
}

QVariant Record::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return getValue(index.row());
    return QVariant();
}

bool Record::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role == Qt::EditRole && index.isValid()) {
        if (index.row() >= attributeCount())
            return false;
        setValueAt(index.row(), value);
        return true;
    }
    std::cout << "else case of " << m_info->name << "::setData called, role = " << role
              << std::endl;
    return false;
}

Qt::ItemFlags Record::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

QVariant Record::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}
