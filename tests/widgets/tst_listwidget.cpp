// ListWidget: selection, keys, replacement, removal, sorting by attribute.
#include "TestRegistry.h"

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

// A list of code values: name and position.
class CodeListe : public ListWidget
{
public:
    explicit CodeListe(DatabaseContext &ctx) : ListWidget(ctx) { initialise(); }

protected:
    void createTableView() override
    {
        std::map<int, ColumnDescription> columns;
        columns.emplace(CodeValue::nameRow, ColumnDescription("Name", 90));
        columns.emplace(CodeValue::reihenfolgeRow, ColumnDescription("Position", 40, SortAsInt));
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
        values.push_back(std::make_unique<CodeValue>());
        values.back()->setName(QStringLiteral("v%1").arg(i));
        values.back()->setReihenfolge(count - i);
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

class ListWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanupTestCase() { m_ctx.reset(); }

    void selectRow_data()
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

    void selectRow()
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

    void keys_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("consumed");
        QTest::addColumn<QList<int>>("expected");

        const int up = Qt::Key_Up, down = Qt::Key_Down, pgUp = Qt::Key_PageUp,
                  pgDown = Qt::Key_PageDown, p = Qt::Key_P, n = Qt::Key_N;
        using R = QList<int>;
        QTest::newRow("up") << 5 << R{3} << up << false << true << R{2};
        QTest::newRow("up on the first row") << 5 << R{0} << up << false << true << R{0};
        QTest::newRow("ctrl+p") << 5 << R{3} << p << true << true << R{2};
        QTest::newRow("p alone") << 5 << R{3} << p << false << false << R{3};
        QTest::newRow("down") << 5 << R{3} << down << false << true << R{4};
        QTest::newRow("down on the last row") << 5 << R{4} << down << false << true << R{4};
        QTest::newRow("ctrl+n") << 5 << R{3} << n << true << true << R{4};
        QTest::newRow("up with two rows selected")
            << 5 << R{1, 3} << up << false << true << R{1, 3};
        QTest::newRow("down with none selected") << 5 << R{} << down << false << true << R{};
        QTest::newRow("page up from 10") << 20 << R{10} << pgUp << false << true << R{0};
        QTest::newRow("page up from 9") << 20 << R{9} << pgUp << false << true << R{0};
        QTest::newRow("page down on row 5 of 12") << 12 << R{5} << pgDown << false << true << R{11};
        QTest::newRow("page down on row 0 of 12") << 12 << R{0} << pgDown << false << true << R{10};
        QTest::newRow("other key") << 5 << R{3} << int(Qt::Key_Home) << false << false << R{3};
    }

    void keys()
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

    // A window with its own Ctrl+P shortcut: in the list, Ctrl+P still moves up.
    void keysThroughTheView()
    {
        QMainWindow window;
        auto *list = new CodeListe(*m_ctx);
        window.setCentralWidget(list);
        auto *print = new QAction(&window);
        print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        window.addAction(print);
        QSignalSpy printed(print, &QAction::triggered);
        window.show();
        QApplication::setActiveWindow(&window);
        QTableView *view = list->tableView();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        list->replaceRows(codes(30));
        list->selectRow(15);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(selectedRows(*list), QList<int>{25});
        QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(selectedRows(*list), QList<int>{24});
        QCOMPARE(printed.count(), 0);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(selectedRows(*list), QList<int>{25});
    }

    void replaceRemoveAndSort()
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

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(ListWidgetTest)
#include "tst_listwidget.moc"
