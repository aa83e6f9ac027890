// CompositeTableModel: sorting, reading and writing cells, ownership of the rows.
#include "TestRegistry.h"

#include "CompositeTableModel.h"
#include "OutputCapture.h"
#include "entities/CodeValue.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The attributes shown in the columns of makeModel().
const QList<int> kAttributes = {CodeValue::nameRow, CodeValue::kurzTextRow,
                                CodeValue::reihenfolgeRow, CodeValue::create_tistRow};

// Rows are CodeValue objects: the name tags a row, the value goes to the attribute of `column`.
std::unique_ptr<CodeValue> row(const QString &tag, int column = 0, const QVariant &value = {})
{
    auto object = std::make_unique<CodeValue>();
    object->setName(tag);
    if (column > 0)
        object->setValueAt(kAttributes[column], value);
    return object;
}

// Shows a number in parentheses, as rank columns do.
class BracketConverter : public VariantConverter
{
public:
    QVariant convert(const QVariant &value) const override
    {
        return value.isValid() ? QVariant(QStringLiteral("(%1)").arg(value.toInt())) : QVariant();
    }
};

// Columns: name, kurzText, reihenfolge shown as "(n)", create_tist shown as a date; all but
// the name sorted by `strategy`.
std::unique_ptr<CompositeTableModel> makeModel(int strategy = SortAsText)
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(kAttributes[0], ColumnDescription("Name", 80));
    columns.emplace(kAttributes[1], ColumnDescription("Kurztext", 120, strategy));
    columns.emplace(kAttributes[2], ColumnDescription("Reihenfolge", 60, strategy,
                                                      std::make_unique<BracketConverter>()));
    columns.emplace(kAttributes[3],
                    ColumnDescription("Angelegt", 60, strategy, std::make_unique<DateConverter>()));
    return std::make_unique<CompositeTableModel>(kAttributes, std::move(columns));
}

QString tags(const CompositeTableModel &model)
{
    QString result;
    for (const Record *object : model.rowObjects())
        result += static_cast<const CodeValue *>(object)->getName();
    return result;
}

} // namespace

class TableModelTest : public QObject
{
    Q_OBJECT
private slots:
    void sort_data()
    {
        QTest::addColumn<int>("strategy");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariantList>("values"); // of the rows tagged a, b, c...
        QTest::addColumn<QString>("expected");    // row tags in sorted order

        const int up = Qt::AscendingOrder, down = Qt::DescendingOrder;
        QTest::newRow("text") << int(SortAsText) << up << 1
                              << QVariantList{"birne", "apfel", "9", "10"} << "dcba";
        QTest::newRow("text ties keep their order")
            << int(SortAsText) << up << 1 << QVariantList{"x", "a", "x", "a"} << "bdac";
        QTest::newRow("text ties keep their order descending")
            << int(SortAsText) << down << 1 << QVariantList{"x", "a", "x", "a"} << "acbd";
        QTest::newRow("int32, no integer and overflow count as 0")
            << int(SortAsInt) << up << 1 << QVariantList{"10", "9", "x", "-1", "3000000000"}
            << "dceba";
        QTest::newRow("int64 descending, ties keep their order")
            << int(SortAsLongLong) << down << 1 << QVariantList{"2", "3000000000", "", "2"}
            << "badc";
        QTest::newRow("ranks in parentheses")
            << int(SortAsBracketedRank) << up << 1 << QVariantList{"(2)", "10", "(3)"} << "acb";
        QTest::newRow("ranks with asterisks, parentheses count as 0")
            << int(SortAsStarredRank) << up << 1 << QVariantList{"3*", "1", "2*", "(2)"} << "dbca";
        // Sorting compares the shown "(9)", "(10)", "(1)", not the attribute's numbers.
        QTest::newRow("shown values as text")
            << int(SortAsText) << up << 2 << QVariantList{9, 10, 1} << "cba";
        QTest::newRow("shown values as ranks")
            << int(SortAsBracketedRank) << up << 2 << QVariantList{9, 10, 1} << "cab";
        QTest::newRow("shown values as int are all 0")
            << int(SortAsInt) << up << 2 << QVariantList{9, 10, 1} << "abc";
        // Dates shown as "dd.MM.yyyy" sort by the calendar; a missing date comes first.
        const auto day = [](int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime()); };
        QTest::newRow("dates by the calendar")
            << int(SortAsText) << up << 3
            << QVariantList{day(2000, 2, 1), day(1999, 1, 15), QVariant(), day(1999, 12, 3)}
            << "cbda";
        QTest::newRow("invalid order changes nothing")
            << int(SortAsText) << 5 << 1 << QVariantList{"c", "b", "a"} << "abc";
        QTest::newRow("invalid strategy changes nothing")
            << 5 << up << 1 << QVariantList{"c", "b", "a"} << "abc";
    }

    void sort()
    {
        QFETCH(int, strategy);
        QFETCH(int, order);
        QFETCH(int, column);
        QFETCH(QVariantList, values);
        QFETCH(QString, expected);

        auto model = makeModel(strategy);
        QAbstractItemModelTester tester(model.get());
        for (int i = 0; i < values.size(); ++i) {
            const QString tag(QChar(u'a' + i));
            model->appendRow(row(tag, column, values[i]));
        }
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        OutputCapture err(2);
        model->sort(column, Qt::SortOrder(order));
        const bool invalid = strategy == 5 || order == 5;
        QCOMPARE(err.text().contains("==> Doing nothing, no sort will happen!"), invalid);
        QCOMPARE(tags(*model), expected);
        if (invalid)
            QCOMPARE(reset.count(), 0);
    }

    // The display passes through the converter; the edit role and setData use the attribute's
    // own value, so that an editor writes back a value of the attribute's type.
    void cellsShowAndWriteTheAttribute()
    {
        auto model = makeModel();
        QAbstractItemModelTester tester(model.get());
        model->appendRow(row("a", 1, "alt"));
        model->appendRow(row("b"));
        auto *object = model->rowObjectAs<CodeValue>(0);
        object->setReihenfolge(1);
        const QModelIndex rank = model->index(0, 2);
        QCOMPARE(rank.data(Qt::DisplayRole), QVariant("(1)"));
        QCOMPARE(rank.data(Qt::EditRole), QVariant(1));
        QVERIFY(!model->index(1, 2).data().isValid());

        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        QVERIFY(model->setData(rank, "7"));
        QCOMPARE(object->getReihenfolge(), 7);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), rank);
        QVERIFY(!model->setData(model->index(0, 1), "neu", Qt::DisplayRole));
        QVERIFY(!model->setData(model->index(3, 1), "neu"));
        QCOMPARE(object->getKurzText(), QStringLiteral("alt"));
        QCOMPARE(changed.count(), 1);

        // Changes made to a row object elsewhere reach its cell; those of no column nothing.
        object->setKurzText("z");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed[1][0].toModelIndex(), model->index(0, 1));
        object->setGlobalText("no column");
        QCOMPARE(changed.count(), 2);
    }

    void rowsAreOwned()
    {
        auto model = makeModel();
        QAbstractItemModelTester tester(model.get());
        for (const char *tag : {"a", "b", "c", "d"})
            model->appendRow(row(tag));
        QPointer<Record> a = model->rowObject(0), b = model->rowObject(1), c = model->rowObject(2),
                         d = model->rowObject(3);

        QVERIFY(model->removeRowAt(1));
        QVERIFY(b.isNull());
        QVERIFY(!model->removeRowAt(3));
        std::unique_ptr<Record> taken = model->takeRow(2);
        QCOMPARE(taken.get(), d.data());
        model->insertRow(0, row("e"));
        QCOMPARE(tags(*model), QStringLiteral("eac"));
        model->clear();
        QVERIFY(a.isNull() && c.isNull() && !d.isNull());
        model->appendRow(row("f"));
        QPointer<Record> f = model->rowObject(0);
        model.reset();
        QVERIFY(f.isNull());
    }
};

KALVOR_REGISTER_TEST(TableModelTest)
#include "tst_tablemodel.moc"
