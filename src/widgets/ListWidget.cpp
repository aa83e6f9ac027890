#include "ListWidget.h"

#include "Record.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

namespace {
constexpr int kPageRows = 10;
}

ListWidget::ListWidget(DatabaseContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx) {}

ListWidget::~ListWidget() = default;

void ListWidget::initialise()
{
    createTableView();
    Q_ASSERT(m_tableView && m_model);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tableView);
}

void ListWidget::setTableView(QTableView *view, CompositeTableModel *model)
{
    m_tableView = view;
    m_model = model;
    view->setParent(this);
    model->setParent(this);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    model->setColumnWidths(view);
    view->installEventFilter(this);
}

int ListWidget::rowCount() const
{
    return m_model->rowCount();
}

void ListWidget::selectRow(int row)
{
    QItemSelectionModel *selection = selectionModel();
    selection->clearSelection();
    const int count = rowCount();
    if (row < 0 || count == 0)
        return;
    if (row >= count)
        row = count - 1;
    const QModelIndex index = m_model->index(row, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_tableView->scrollTo(index);
}

void ListWidget::removeRow(int row)
{
    m_model->removeRowAt(row);
}

void ListWidget::replaceRows(std::vector<std::unique_ptr<Record>> objects)
{
    m_model->clear();
    m_model->appendRows(std::move(objects));
}

QList<Record *> ListWidget::rows() const
{
    return m_model->rowObjects();
}

QItemSelectionModel *ListWidget::selectionModel() const
{
    return m_tableView->selectionModel();
}

void ListWidget::sortByAttribute(int attribute, Qt::SortOrder order)
{
    const int column = m_model->columnOfAttribute(attribute);
    if (column >= 0)
        m_tableView->sortByColumn(column, order);
}

int ListWidget::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty())
        return -1;
    return std::min_element(
               selected.begin(), selected.end(),
               [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); })
        ->row();
}

bool ListWidget::isExactlyOneRowSelected() const
{
    return selectionModel()->selectedRows().size() == 1;
}

bool ListWidget::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool one = isExactlyOneRowSelected();
    const int row = one ? selectedRow() : -1;
    const int last = rowCount() - 1;

    if (key == Qt::Key_Up || (key == Qt::Key_P && control)) {
        if (one && row > 0)
            selectRow(row - 1);
        return true;
    }
    if (key == Qt::Key_Down || (key == Qt::Key_N && control)) {
        if (one && row < last)
            selectRow(row + 1);
        return true;
    }
    if (key == Qt::Key_PageUp) {
        if (one)
            selectRow(row >= kPageRows ? row - kPageRows : 0);
        return true;
    }
    if (key == Qt::Key_PageDown) {
        if (one)
            selectRow(row + kPageRows <= last ? row + kPageRows : last);
        return true;
    }
    return false;
}

void ListWidget::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event->key(), event->modifiers()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool ListWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tableView && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (handleKey(key->key(), key->modifiers()))
            return true;
    }
    // Ctrl+P and Ctrl+N belong to the list, even where a window has shortcuts on them.
    if (watched == m_tableView && event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_P || key->key() == Qt::Key_N) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
