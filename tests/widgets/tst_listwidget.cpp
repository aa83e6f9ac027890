#include "tst_widgets.h"

#include "DatabaseContext.h"
#include "ListWidget.h"
#include "TestDatabase.h"
#include "entities/CodeValue.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

// A list of code values: name and position. It needs no database.
class CodeListe : public ListWidget
{
public:
    explicit CodeListe(DatabaseContext &ctx) : ListWidget(ctx) { initialise(); }

protected:
    void createTableView() override
    {
        std::map<int, ColumnDescription> columns;
        columns.emplace(CodeValue::nameRow, ColumnDescription(QStringLiteral("Name"), 90));
        columns.emplace(CodeValue::reihenfolgeRow,
                        ColumnDescription(QStringLiteral("Position"), 40, SortAsInt));
        setTableView(new QTableView,
                     new CompositeTableModel({CodeValue::nameRow, CodeValue::reihenfolgeRow},
                                             std::move(columns)));
    }
};

DatabaseContext *g_ctx = nullptr;

DatabaseContext &context()
{
    return *g_ctx;
}

std::vector<std::unique_ptr<CodeValue>> codes(int count)
{
    std::vector<std::unique_ptr<CodeValue>> values;
    for (int i = 0; i < count; ++i) {
        auto value = std::make_unique<CodeValue>();
        value->setName(QStringLiteral("v%1").arg(i));
        value->setReihenfolge(count - i);
        values.push_back(std::move(value));
    }
    return values;
}

QList<int> selectedRows(const ListWidget &list)
{
    QList<int> rows;
    for (const QModelIndex &index : list.selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void select(ListWidget &list, const QList<int> &rows)
{
    list.selectionModel()->clearSelection();
    for (int row : rows)
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList names(const ListWidget &list)
{
    QStringList result;
    for (const Record *object : list.rows())
        result << static_cast<const CodeValue *>(object)->getName();
    return result;
}

} // namespace

void ListWidgetTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
    m_ctx = TestDatabase::openContext();
    g_ctx = m_ctx.get();
}

void ListWidgetTest::cleanupTestCase()
{
    g_ctx = nullptr;
    m_ctx.reset();
}

void ListWidgetTest::selectRow_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("request");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("in range") << 5 << 2 << QList<int>{2};
    QTest::newRow("first") << 5 << 0 << QList<int>{0};
    QTest::newRow("row count selects the last") << 5 << 5 << QList<int>{4};
    QTest::newRow("far past the end selects the last") << 5 << 70 << QList<int>{4};
    QTest::newRow("empty list") << 0 << 0 << QList<int>{};
    QTest::newRow("negative row") << 5 << -1 << QList<int>{};
}

void ListWidgetTest::selectRow()
{
    QFETCH(int, count);
    QFETCH(int, request);
    QFETCH(QList<int>, expected);
    CodeListe list(context());
    QAbstractItemModelTester tester(list.model());
    list.replaceRows(codes(count));
    if (count > 3)
        select(list, {1, 3});
    list.selectRow(request);
    QCOMPARE(selectedRows(list), expected);
    // Whole rows are selected.
    for (int row : expected)
        QVERIFY(list.selectionModel()->isSelected(list.model()->index(row, 1)));
}

void ListWidgetTest::keys_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("consumed");
    QTest::addColumn<QList<int>>("expected");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("up") << 5 << QList<int>{3} << int(Qt::Key_Up) << none << true << QList<int>{2};
    QTest::newRow("up on the first row")
        << 5 << QList<int>{0} << int(Qt::Key_Up) << none << true << QList<int>{0};
    QTest::newRow("ctrl+p") << 5 << QList<int>{3} << int(Qt::Key_P) << ctrl << true
                            << QList<int>{2};
    QTest::newRow("p alone") << 5 << QList<int>{3} << int(Qt::Key_P) << none << false
                             << QList<int>{3};
    QTest::newRow("down") << 5 << QList<int>{3} << int(Qt::Key_Down) << none << true
                          << QList<int>{4};
    QTest::newRow("down on the last row")
        << 5 << QList<int>{4} << int(Qt::Key_Down) << none << true << QList<int>{4};
    QTest::newRow("ctrl+n") << 5 << QList<int>{3} << int(Qt::Key_N) << ctrl << true
                            << QList<int>{4};
    QTest::newRow("n alone") << 5 << QList<int>{3} << int(Qt::Key_N) << none << false
                             << QList<int>{3};
    QTest::newRow("up with two rows selected")
        << 5 << QList<int>{1, 3} << int(Qt::Key_Up) << none << true << QList<int>{1, 3};
    QTest::newRow("down with nothing selected")
        << 5 << QList<int>{} << int(Qt::Key_Down) << none << true << QList<int>{};
    QTest::newRow("page up from 12") << 20 << QList<int>{12} << int(Qt::Key_PageUp) << none
                                     << true << QList<int>{2};
    QTest::newRow("page up from 10") << 20 << QList<int>{10} << int(Qt::Key_PageUp) << none
                                     << true << QList<int>{0};
    QTest::newRow("page up from 9") << 20 << QList<int>{9} << int(Qt::Key_PageUp) << none << true
                                    << QList<int>{0};
    QTest::newRow("page down on row 5 of 12")
        << 12 << QList<int>{5} << int(Qt::Key_PageDown) << none << true << QList<int>{11};
    QTest::newRow("page down on row 0 of 12")
        << 12 << QList<int>{0} << int(Qt::Key_PageDown) << none << true << QList<int>{10};
    QTest::newRow("page down on row 1 of 12")
        << 12 << QList<int>{1} << int(Qt::Key_PageDown) << none << true << QList<int>{11};
    QTest::newRow("page down on row 0 of 3")
        << 3 << QList<int>{0} << int(Qt::Key_PageDown) << none << true << QList<int>{2};
    QTest::newRow("page down with two rows selected")
        << 12 << QList<int>{0, 1} << int(Qt::Key_PageDown) << none << true << QList<int>{0, 1};
    QTest::newRow("page up with nothing selected")
        << 12 << QList<int>{} << int(Qt::Key_PageUp) << none << true << QList<int>{};
    QTest::newRow("other key") << 5 << QList<int>{3} << int(Qt::Key_A) << none << false
                               << QList<int>{3};
    QTest::newRow("home") << 5 << QList<int>{3} << int(Qt::Key_Home) << none << false
                          << QList<int>{3};
    QTest::newRow("ctrl+up") << 5 << QList<int>{3} << int(Qt::Key_Up) << ctrl << true
                             << QList<int>{2};
}

void ListWidgetTest::keys()
{
    QFETCH(int, count);
    QFETCH(QList<int>, selected);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, consumed);
    QFETCH(QList<int>, expected);

    CodeListe list(context());
    list.replaceRows(codes(count));
    select(list, selected);
    QCOMPARE(list.handleKey(key, Qt::KeyboardModifiers(modifiers)), consumed);
    QCOMPARE(selectedRows(list), expected);
}

void ListWidgetTest::keysThroughTheView()
{
    // A window with its own Ctrl+P shortcut: in the list, Ctrl+P still moves up.
    QMainWindow window;
    auto *list = new CodeListe(context());
    window.setCentralWidget(list);
    auto *print = new QAction(&window);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    window.addAction(print);
    QSignalSpy printed(print, &QAction::triggered);
    window.show();
    QApplication::setActiveWindow(&window);
    list->tableView()->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    list->replaceRows(codes(30));
    list->selectRow(15);
    QTableView *view = list->tableView();
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(selectedRows(*list), QList<int>{14});
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(selectedRows(*list), QList<int>{24});
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(selectedRows(*list), QList<int>{25});
    QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(selectedRows(*list), QList<int>{24});
    QCOMPARE(printed.count(), 0);
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(selectedRows(*list), QList<int>{14});
}

void ListWidgetTest::firstSelectedRow()
{
    CodeListe list(context());
    QCOMPARE(&list.context(), g_ctx);
    list.replaceRows(codes(6));
    QCOMPARE(list.selectedRow(), -1);
    QVERIFY(!list.isExactlyOneRowSelected());
    list.selectionModel()->select(list.model()->index(4, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(list.selectedRow(), 2);
    QVERIFY(!list.isExactlyOneRowSelected());
    list.selectRow(5);
    QCOMPARE(list.selectedRow(), 5);
    QVERIFY(list.isExactlyOneRowSelected());
}

void ListWidgetTest::removeAndReplace()
{
    CodeListe list(context());
    QAbstractItemModelTester tester(list.model());
    auto first = codes(3);
    QPointer<CodeValue> old = first[1].get();
    list.replaceRows(std::move(first));
    QCOMPARE(list.rowCount(), 3);

    auto second = codes(4);
    QList<Record *> fresh;
    for (const auto &value : second)
        fresh << value.get();
    list.replaceRows(std::move(second));
    QVERIFY(old.isNull());
    QCOMPARE(list.rows(), fresh);

    QPointer<Record> removed = fresh[1];
    list.removeRow(1);
    QVERIFY(removed.isNull());
    QCOMPARE(names(list), (QStringList{"v0", "v2", "v3"}));
    list.removeRow(3);
    list.removeRow(-1);
    QCOMPARE(list.rowCount(), 3);
}

void ListWidgetTest::sortByAttribute()
{
    CodeListe list(context());
    QAbstractItemModelTester tester(list.model());
    list.replaceRows(codes(12)); // positions 12 down to 1
    list.sortByAttribute(CodeValue::reihenfolgeRow, Qt::AscendingOrder);
    QCOMPARE(names(list).first(), QStringLiteral("v11"));
    QCOMPARE(names(list).last(), QStringLiteral("v0"));
    list.sortByAttribute(CodeValue::nameRow, Qt::AscendingOrder);
    QCOMPARE(names(list).mid(0, 4), (QStringList{"v0", "v1", "v10", "v11"}));
    list.sortByAttribute(CodeValue::reihenfolgeRow, Qt::DescendingOrder);
    QCOMPARE(names(list).first(), QStringLiteral("v0"));

    QSignalSpy reset(list.model(), &QAbstractItemModel::modelReset);
    list.sortByAttribute(CodeValue::globalTextRow, Qt::AscendingOrder);
    QCOMPARE(reset.count(), 0);
}
