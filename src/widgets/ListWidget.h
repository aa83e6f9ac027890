#pragma once

#include "CompositeTableModel.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

class DatabaseContext;
class QItemSelectionModel;
class QKeyEvent;
class QTableView;
class Record;

// Base of every list: a table view over a CompositeTableModel, alone in the widget. A
// subclass defines its columns in createTableView() and calls initialise() from its
// constructor.
class ListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ListWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
    ~ListWidget() override;

    int rowCount() const;
    // Selects row `row`, or the last row when `row` is past the end; a negative row selects
    // nothing.
    void selectRow(int row);
    void removeRow(int row);
    // Clears the list and shows `objects`, which it then owns.
    void replaceRows(std::vector<std::unique_ptr<Record>> objects);
    template <typename T> void replaceRows(std::vector<std::unique_ptr<T>> objects)
    {
        model()->clear();
        model()->appendRows(std::move(objects));
    }
    // The row objects, still owned by the list.
    QList<Record *> rows() const;
    QItemSelectionModel *selectionModel() const;

    // Sorts by the visible column of an attribute row; nothing happens when it is not shown.
    void sortByAttribute(int attribute, Qt::SortOrder order);

    // The first (lowest) selected row, -1 when none is selected.
    int selectedRow() const;
    bool isExactlyOneRowSelected() const;

    // Moves the selection for Up/Ctrl+P, Down/Ctrl+N, Page Up and Page Down; returns whether
    // the key was consumed.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

    DatabaseContext &context() const { return m_ctx; }
    CompositeTableModel *model() const { return m_model; }
    QTableView *tableView() const { return m_tableView; }

protected:
    // Creates the view and the model with this list's columns and hands them to
    // setTableView(). Called once, by initialise().
    virtual void createTableView() = 0;
    // Takes the view and the model (both become children of this list), connects them and
    // applies the column widths.
    void setTableView(QTableView *view, CompositeTableModel *model);
    // To be called from the subclass's constructor.
    void initialise();

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DatabaseContext &m_ctx;
    QTableView *m_tableView = nullptr;
    CompositeTableModel *m_model = nullptr;
};
