#pragma once

#include <QAbstractListModel>
#include <QComboBox>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class CodeValue;
class DatabaseContext;

// The choices of a code-value combo box: the given values in their order, then one empty
// entry (always the last row).
class ComboBoxModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        IdRole = Qt::UserRole
    }; // the value's id; nothing for the empty entry

    ComboBoxModel(std::vector<std::unique_ptr<CodeValue>> values, const QString &emptyText,
                  QObject *parent = nullptr);
    ~ComboBoxModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int emptyRow() const { return int(m_values.size()); }
    // The row of a value id; -1 (with a line on standard error) when this model lacks it.
    int rowOf(qlonglong id) const;
    // The id of a row as an integer variant; invalid for the empty entry and outside.
    QVariant idAt(int row) const;
    // The value of a row, owned by the model; null for the empty entry and outside.
    const CodeValue *valueAt(int row) const;

private:
    bool isCell(const QModelIndex &index) const;

    std::vector<std::unique_ptr<CodeValue>> m_values;
    QString m_emptyText;
};

// A choice among the values of one code type that have a position (reihenfolge), in that
// order, followed by the empty entry. Its value is the chosen value's id.
class CodeValueComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue USER true)
public:
    CodeValueComboBox(DatabaseContext &ctx, const QString &typeName,
                      const QString &emptyText = QString(), QWidget *parent = nullptr);

    // The chosen value's id as an integer (qlonglong) variant; invalid when nothing or the
    // empty entry is chosen.
    //
    // An id that setValue() could not show (a value that is not offered for choice) is still
    // handed out until the user picks an entry, so that showing and saving a record does not
    // lose it.
    QVariant value() const;
    // Selects the row of the id; an invalid variant selects the empty entry.
    void setValue(const QVariant &value);

    const QString &typeName() const { return m_typeName; }
    ComboBoxModel *codeModel() const { return m_model; }

private:
    QString m_typeName;
    ComboBoxModel *m_model;
    QVariant m_unshownId;
};
