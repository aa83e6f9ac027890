#include "Delegates.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "VariantConverter.h"
#include "entities/CodeValue.h"

#include <QLineEdit>

#include <iostream>

ComboBoxDelegate::ComboBoxDelegate(DatabaseContext &ctx, const QString &typeName,
                                   const QString &emptyText, QObject *parent)
    : QStyledItemDelegate(parent), m_ctx(ctx), m_typeName(typeName), m_emptyText(emptyText)
{}

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &) const
{
    return new CodeValueComboBox(m_ctx, m_typeName, m_emptyText, parent);
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *comboBox = qobject_cast<CodeValueComboBox *>(editor);
    if (!comboBox) {
        std::cerr << "ComboBoxDelegate::setEditorData says: comboBox is NULL.  Maybe this is a bug."
                  << std::endl;
        return;
    }
    comboBox->setValue(index.data(Qt::EditRole));
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    auto *comboBox = qobject_cast<CodeValueComboBox *>(editor);
    if (!comboBox) {
        std::cerr << "ComboBoxDelegate::setEditorData says: comboBox is NULL.  Maybe this is a bug."
                  << std::endl;
        return;
    }
    qlonglong id = 0;
    if (!variantToInteger(comboBox->value(), &id)) {
        std::cerr << "ComboBoxDelegate::setEditorData says: Value behind comboBox is not an int.  "
                     "Maybe this is a bug."
                  << std::endl;
        return;
    }
    model->setData(index, QVariant(id), Qt::EditRole);
}

CodeValueTableDelegate::CodeValueTableDelegate(DatabaseContext &ctx, QObject *parent)
    : QStyledItemDelegate(parent), m_ctx(ctx)
{}

QString CodeValueTableDelegate::kurzTextOf(const QVariant &value) const
{
    qlonglong id = 0;
    if (!variantToInteger(value, &id))
        return QString();
    const std::unique_ptr<CodeValue> codeValue = m_ctx.codeManager().getCodeValueById(id);
    return codeValue && codeValue->hasKurzText() ? codeValue->getKurzText() : QString();
}

QString CodeValueTableDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    qlonglong id = 0;
    if (!variantToInteger(value, &id))
        return QStyledItemDelegate::displayText(value, locale);
    return kurzTextOf(value);
}

QWidget *CodeValueTableDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                              const QModelIndex &) const
{
    auto *edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

void CodeValueTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(kurzTextOf(index.data(Qt::EditRole)));
}

void CodeValueTableDelegate::setModelData(QWidget *, QAbstractItemModel *,
                                          const QModelIndex &) const
{
    // The editor shows a text for an id; writing it back would replace the id.
}

MapperDelegate::MapperDelegate(QObject *parent) : QItemDelegate(parent) {}

void MapperDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    std::cout << "MapperDelegate::setEditorData called, column = " << index.column()
              << ", row = " << index.row() << std::endl;
    QItemDelegate::setEditorData(editor, index);
}

CompositeDelegate1D::CompositeDelegate1D(QObject *parent) : QAbstractItemDelegate(parent)
{
    setDefaultDelegate(nullptr);
}

CompositeDelegate1D::~CompositeDelegate1D() = default; // the held delegates are children

void CompositeDelegate1D::adopt(QAbstractItemDelegate *delegate)
{
    delegate->setParent(this);
    connect(delegate, &QAbstractItemDelegate::commitData, this, &QAbstractItemDelegate::commitData,
            Qt::UniqueConnection);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            &QAbstractItemDelegate::closeEditor, Qt::UniqueConnection);
    connect(delegate, &QAbstractItemDelegate::sizeHintChanged, this,
            &QAbstractItemDelegate::sizeHintChanged, Qt::UniqueConnection);
}

void CompositeDelegate1D::setColumnDelegate(int column, QAbstractItemDelegate *delegate)
{
    QAbstractItemDelegate *previous = m_byColumn.take(column);
    if (delegate) {
        adopt(delegate);
        m_byColumn.insert(column, delegate);
    }
    if (previous && previous != delegate && !m_byColumn.values().contains(previous) &&
        previous != m_default)
        delete previous;
}

void CompositeDelegate1D::setDefaultDelegate(QAbstractItemDelegate *delegate)
{
    if (!delegate)
        delegate = new QStyledItemDelegate;
    QAbstractItemDelegate *previous = m_default;
    adopt(delegate);
    m_default = delegate;
    if (previous && previous != delegate && !m_byColumn.values().contains(previous))
        delete previous;
}

QAbstractItemDelegate *CompositeDelegate1D::delegateForColumn(int column) const
{
    return m_byColumn.value(column, nullptr);
}

QAbstractItemDelegate *CompositeDelegate1D::delegateFor(const QModelIndex &index) const
{
    QAbstractItemDelegate *delegate = m_byColumn.value(index.column(), nullptr);
    return delegate ? delegate : m_default;
}

void CompositeDelegate1D::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    delegateFor(index)->paint(painter, option, index);
}

QSize CompositeDelegate1D::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    return delegateFor(index)->sizeHint(option, index);
}

QWidget *CompositeDelegate1D::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    QAbstractItemDelegate *delegate = delegateFor(index);
    QWidget *editor = delegate->createEditor(parent, option, index);
    if (editor) {
        m_editorOwners.insert(editor, delegate);
        auto *self = const_cast<CompositeDelegate1D *>(this);
        connect(editor, &QObject::destroyed, self,
                [self](QObject *gone) { self->m_editorOwners.remove(gone); });
    }
    return editor;
}

void CompositeDelegate1D::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    QAbstractItemDelegate *owner = m_editorOwners.take(editor);
    (owner ? owner : delegateFor(index))->destroyEditor(editor, index);
}

void CompositeDelegate1D::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    QAbstractItemDelegate *owner = m_editorOwners.value(editor);
    (owner ? owner : delegateFor(index))->setEditorData(editor, index);
}

void CompositeDelegate1D::setModelData(QWidget *editor, QAbstractItemModel *model,
                                       const QModelIndex &index) const
{
    QAbstractItemDelegate *owner = m_editorOwners.value(editor);
    (owner ? owner : delegateFor(index))->setModelData(editor, model, index);
}

void CompositeDelegate1D::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                               const QModelIndex &index) const
{
    QAbstractItemDelegate *owner = m_editorOwners.value(editor);
    (owner ? owner : delegateFor(index))->updateEditorGeometry(editor, option, index);
}

bool CompositeDelegate1D::editorEvent(QEvent *event, QAbstractItemModel *model,
                                      const QStyleOptionViewItem &option, const QModelIndex &index)
{
    return delegateFor(index)->editorEvent(event, model, option, index);
}

bool CompositeDelegate1D::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    return delegateFor(index)->helpEvent(event, view, option, index);
}

bool CompositeDelegate1D::eventFilter(QObject *watched, QEvent *event)
{
    QObject *owner = m_editorOwners.value(watched);
    if (owner)
        return owner->eventFilter(watched, event);
    return QAbstractItemDelegate::eventFilter(watched, event);
}
