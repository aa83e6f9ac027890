#pragma once

#include <QAbstractItemDelegate>
#include <QHash>
#include <QItemDelegate>
#include <QPointer>
#include <QStyledItemDelegate>

class DatabaseContext;

// Edits a cell holding a code-value id through a CodeValueComboBox of one code type and
// writes the chosen id back as an integer.
class ComboBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ComboBoxDelegate(DatabaseContext &ctx, const QString &typeName,
                     const QString &emptyText = QString(), QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    DatabaseContext &m_ctx;
    QString m_typeName;
    QString m_emptyText;
};

// Shows the short text (kurzText) of the code-value id in a cell, also in a read-only line
// edit when the cell is edited; it never writes to the cell.
class CodeValueTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CodeValueTableDelegate(DatabaseContext &ctx, QObject *parent = nullptr);

    QString displayText(const QVariant &value, const QLocale &locale) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

    // The kurzText of a code-value id; empty when the id is unknown or no id.
    QString kurzTextOf(const QVariant &value) const;

private:
    DatabaseContext &m_ctx;
};

// The delegate of the widget mappers that bind entity attributes to form fields: the
// standard one, with a trace line on standard output whenever a field is filled.
class MapperDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit MapperDelegate(QObject *parent = nullptr);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
};

// One delegate per column and a default delegate for the other columns; every operation goes
// to the delegate of the index's column. It owns the delegates it holds.
class CompositeDelegate1D : public QAbstractItemDelegate
{
    Q_OBJECT
public:
    // Without a default delegate a QStyledItemDelegate is used.
    explicit CompositeDelegate1D(QObject *parent = nullptr);
    ~CompositeDelegate1D() override;

    // Takes `delegate` (null removes the column's own delegate); a previous one is deleted.
    void setColumnDelegate(int column, QAbstractItemDelegate *delegate);
    void setDefaultDelegate(QAbstractItemDelegate *delegate);
    QAbstractItemDelegate *delegateForColumn(int column) const;
    QAbstractItemDelegate *defaultDelegate() const { return m_default; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    // The view installs this delegate as the event filter of its editors; the delegate that
    // made an editor handles its keys and focus (commit on Enter, close on Escape).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemDelegate *delegateFor(const QModelIndex &index) const;
    void adopt(QAbstractItemDelegate *delegate);

    QHash<int, QAbstractItemDelegate *> m_byColumn;
    QAbstractItemDelegate *m_default = nullptr;
    // Which delegate made each open editor.
    mutable QHash<QObject *, QPointer<QAbstractItemDelegate>> m_editorOwners;
};
