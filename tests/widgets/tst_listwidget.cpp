#include "tst_widgets.h"

#include "TestRegistry.h"

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

// A list of code values: name and position.
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

// Values v0, v1, ... at positions count down to 1.
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

QString firstName(const ListWidget &list)
{
    return static_cast<const CodeValue *>(list.rows().first())->getName();
}

} // namespace

void ListWidgetTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
    m_ctx = TestDatabase::openContext();
}

void ListWidgetTest::cleanupTestCase()
{
    m_ctx.reset();
}

void ListWidgetTest::selectRow_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("request");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("in range") << 5 << 2 << QList<int>{2};
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
    CodeListe list(*m_ctx);
    list.replaceRows(codes(count));
    if (count > 3)
        select(list, {1, 3});
    list.selectRow(request);
    QCOMPARE(selectedRows(list), expected);
    QCOMPARE(list.isExactlyOneRowSelected(), expected.size() == 1);
    QCOMPARE(list.selectedRow(), expected.isEmpty() ? -1 : expected.first());
}

void ListWidgetTest::keys_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("control");
    QTest::addColumn<bool>("consumed");
    QTest::addColumn<QList<int>>("expected");

    const int up = Qt::Key_Up, down = Qt::Key_Down, pageUp = Qt::Key_PageUp,
              pageDown = Qt::Key_PageDown;
    const auto rows = [](std::initializer_list<int> r) { return QList<int>(r); };
    QTest::newRow("up") << 5 << rows({3}) << up << false << true << rows({2});
    QTest::newRow("up on the first row") << 5 << rows({0}) << up << false << true << rows({0});
    QTest::newRow("ctrl+p") << 5 << rows({3}) << int(Qt::Key_P) << true << true << rows({2});
    QTest::newRow("p alone") << 5 << rows({3}) << int(Qt::Key_P) << false << false << rows({3});
    QTest::newRow("down") << 5 << rows({3}) << down << false << true << rows({4});
    QTest::newRow("down on the last row") << 5 << rows({4}) << down << false << true << rows({4});
    QTest::newRow("ctrl+n") << 5 << rows({3}) << int(Qt::Key_N) << true << true << rows({4});
    QTest::newRow("up with two rows selected")
        << 5 << rows({1, 3}) << up << false << true << rows({1, 3});
    QTest::newRow("down with none selected") << 5 << rows({}) << down << false << true << rows({});
    QTest::newRow("page up from 10") << 20 << rows({10}) << pageUp << false << true << rows({0});
    QTest::newRow("page up from 9") << 20 << rows({9}) << pageUp << false << true << rows({0});
    QTest::newRow("page down on row 5 of 12")
        << 12 << rows({5}) << pageDown << false << true << rows({11});
    QTest::newRow("page down on row 0 of 12")
        << 12 << rows({0}) << pageDown << false << true << rows({10});
    QTest::newRow("other key") << 5 << rows({3}) << int(Qt::Key_Home) << false << false
                               << rows({3});
}

void ListWidgetTest::keys()
{
    QFETCH(int, count);
    QFETCH(QList<int>, selected);
    QFETCH(int, key);
    QFETCH(bool, control);
    QFETCH(bool, consumed);
    QFETCH(QList<int>, expected);

    CodeListe list(*m_ctx);
    list.replaceRows(codes(count));
    select(list, selected);
    QCOMPARE(list.handleKey(key, control ? Qt::ControlModifier : Qt::NoModifier), consumed);
    QCOMPARE(selectedRows(list), expected);
}

void ListWidgetTest::keysThroughTheView()
{
    // A window with its own Ctrl+P shortcut: in the list, Ctrl+P still moves up.
    QMainWindow window;
    auto *list = new CodeListe(*m_ctx);
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
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(selectedRows(*list), QList<int>{25});
    QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(selectedRows(*list), QList<int>{24});
    QCOMPARE(printed.count(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(selectedRows(*list), QList<int>{25});
}

void ListWidgetTest::replaceRemoveAndSort()
{
    CodeListe list(*m_ctx);
    QAbstractItemModelTester tester(list.model());
    auto first = codes(3);
    QPointer<CodeValue> old = first[1].get();
    list.replaceRows(std::move(first));
    list.replaceRows(codes(12)); // positions 12 down to 1
    QVERIFY(old.isNull());
    QCOMPARE(list.rowCount(), 12);

    QPointer<Record> removed = list.rows()[1];
    list.removeRow(1);
    list.removeRow(11);
    QVERIFY(removed.isNull());
    QCOMPARE(list.rowCount(), 11);

    list.sortByAttribute(CodeValue::reihenfolgeRow, Qt::AscendingOrder);
    QCOMPARE(firstName(list), QStringLiteral("v11"));
    list.sortByAttribute(CodeValue::nameRow, Qt::DescendingOrder);
    QCOMPARE(firstName(list), QStringLiteral("v9"));
    // An attribute without a column sorts nothing.
    QSignalSpy reset(list.model(), &QAbstractItemModel::modelReset);
    list.sortByAttribute(CodeValue::globalTextRow, Qt::AscendingOrder);
    QCOMPARE(reset.count(), 0);
}

KALVOR_REGISTER_TEST(ListWidgetTest)
