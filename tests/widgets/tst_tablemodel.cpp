#include "tst_widgets.h"

#include "CompositeTableModel.h"
#include "StreamCapture.h"
#include "VariantConverter.h"
#include "entities/CodeValue.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

// Rows are CodeValue objects: the name tags a row, kurzText holds the text a test sorts.
std::unique_ptr<CodeValue> row(const QString &tag, const QVariant &text = QVariant(),
                               const QVariant &reihenfolge = QVariant())
{
    auto value = std::make_unique<CodeValue>();
    value->setName(tag);
    value->setValueAt(CodeValue::kurzTextRow, text);
    value->setValueAt(CodeValue::reihenfolgeRow, reihenfolge);
    return value;
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

// Columns: name, kurzText (sorted by `strategy`), reihenfolge (through `converter`).
std::unique_ptr<CompositeTableModel>
makeModel(int strategy = SortAsText, std::unique_ptr<VariantConverter> converter = nullptr,
          int reihenfolgeStrategy = SortAsInt)
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(CodeValue::nameRow, ColumnDescription(QStringLiteral("Name"), 80));
    columns.emplace(CodeValue::kurzTextRow,
                    ColumnDescription(QStringLiteral("Kurztext"), 120, strategy));
    columns.emplace(CodeValue::reihenfolgeRow,
                    ColumnDescription(QStringLiteral("Reihenfolge"), 60, reihenfolgeStrategy,
                                      std::move(converter)));
    return std::make_unique<CompositeTableModel>(
        QList<int>{CodeValue::nameRow, CodeValue::kurzTextRow, CodeValue::reihenfolgeRow},
        std::move(columns));
}

QString tags(const CompositeTableModel &model)
{
    QString result;
    for (const Record *object : model.rowObjects())
        result += static_cast<const CodeValue *>(object)->getName();
    return result;
}

void fill(CompositeTableModel &model, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        model.appendRow(row(QString(QChar(u'a' + i)), texts[i]));
}

} // namespace

void TableModelTest::sortStrategies_data()
{
    QTest::addColumn<int>("strategy");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected"); // row tags a, b, c... in sorted order

    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    QTest::newRow("text ascending")
        << int(SortAsText) << up << QStringList{"birne", "apfel", "citrus"} << "bac";
    QTest::newRow("text descending")
        << int(SortAsText) << down << QStringList{"birne", "apfel", "citrus"} << "cab";
    QTest::newRow("text compares digits as text")
        << int(SortAsText) << up << QStringList{"9", "10"} << "ba";
    QTest::newRow("text ties keep their order ascending")
        << int(SortAsText) << up << QStringList{"x", "a", "x", "a"} << "bdac";
    QTest::newRow("text ties keep their order descending")
        << int(SortAsText) << down << QStringList{"x", "a", "x", "a"} << "acbd";
    QTest::newRow("int32, no integer counts as 0")
        << int(SortAsInt) << up << QStringList{"10", "9", "x", "-1"} << "dcba";
    QTest::newRow("int32, too big counts as 0")
        << int(SortAsInt) << up << QStringList{"3000000000", "1", "-1"} << "cab";
    QTest::newRow("int64 takes big numbers")
        << int(SortAsLongLong) << up << QStringList{"3000000000", "1", "-1"} << "cba";
    QTest::newRow("int64 descending")
        << int(SortAsLongLong) << down << QStringList{"2", "30", "", "4"} << "bdac";
    QTest::newRow("integer ties keep their order descending")
        << int(SortAsInt) << down << QStringList{"1", "2", "1", "2"} << "bdac";
    QTest::newRow("ranks in parentheses")
        << int(SortAsBracketedRank) << up << QStringList{"(2)", "10", "(3)"} << "acb";
    QTest::newRow("ranks in parentheses descending")
        << int(SortAsBracketedRank) << down << QStringList{"(2)", "10", "(3)", "x"} << "bcad";
    QTest::newRow("ranks with asterisks")
        << int(SortAsStarredRank) << up << QStringList{"3*", "1", "2*", "*"} << "dbca";
    QTest::newRow("asterisk strategy keeps parentheses")
        << int(SortAsStarredRank) << up << QStringList{"5", "(2)", "1*"} << "bca";
}

void TableModelTest::sortStrategies()
{
    QFETCH(int, strategy);
    QFETCH(int, order);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);

    auto model = makeModel(strategy);
    QAbstractItemModelTester tester(model.get());
    fill(*model, texts);
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    model->sort(1, Qt::SortOrder(order));
    QCOMPARE(tags(*model), expected);
    QCOMPARE(reset.count(), 1);
}

void TableModelTest::sortUsesConvertedValues()
{
    // The reihenfolge column shows "(n)": as text "(10)" comes before "(9)", as bracketed
    // ranks after it.
    for (const int strategy : {int(SortAsText), int(SortAsBracketedRank), int(SortAsInt)}) {
        auto model = makeModel(SortAsText, std::make_unique<BracketConverter>(), strategy);
        QAbstractItemModelTester tester(model.get());
        model->appendRow(row(QStringLiteral("a"), QVariant(), 9));
        model->appendRow(row(QStringLiteral("b"), QVariant(), 10));
        model->appendRow(row(QStringLiteral("c"), QVariant(), 1));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("(9)"));
        model->sort(2, Qt::AscendingOrder);
        const QString expected = strategy == SortAsText            ? QStringLiteral("cba")
                                 : strategy == SortAsBracketedRank ? QStringLiteral("cab")
                                                                   : QStringLiteral("abc");
        QCOMPARE(tags(*model), expected);
    }
}

void TableModelTest::invalidSortChangesNothing_data()
{
    QTest::addColumn<int>("strategy");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("order") << int(SortAsText) << 5
                           << "CompositeTableModel::callStableSort says: Sort order 5 is invalid.";
    QTest::newRow("strategy 5")
        << 5 << int(Qt::AscendingOrder)
        << "CompositeTableModel::callStableSort says: Sort strategy 5 is invalid.";
    QTest::newRow("strategy -1")
        << -1 << int(Qt::DescendingOrder)
        << "CompositeTableModel::callStableSort says: Sort strategy -1 is invalid.";
}

void TableModelTest::invalidSortChangesNothing()
{
    QFETCH(int, strategy);
    QFETCH(int, order);
    QFETCH(QString, firstLine);

    auto model = makeModel(strategy);
    QAbstractItemModelTester tester(model.get());
    fill(*model, {"c", "b", "a"});
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy layout(model.get(), &QAbstractItemModel::layoutChanged);
    QStringList lines;
    {
        StreamCapture err(std::cerr);
        model->sort(1, Qt::SortOrder(order));
        lines = err.lines();
    }
    QCOMPARE(lines, QStringList({firstLine, "==> Doing nothing, no sort will happen!"}));
    QCOMPARE(tags(*model), QStringLiteral("abc"));
    QCOMPARE(reset.count(), 0);
    QCOMPARE(layout.count(), 0);
}

void TableModelTest::itemModelFaces()
{
    auto model = makeModel(SortAsText, std::make_unique<BracketConverter>());
    QAbstractItemModelTester tester(model.get(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    model->appendRow(row(QStringLiteral("AT"), QStringLiteral("Österreich"), 1));
    model->appendRow(row(QStringLiteral("DE"), QVariant(), QVariant()));

    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 3);
    const QModelIndex name = model->index(0, 0);
    const QModelIndex rank = model->index(0, 2);
    QCOMPARE(name.data(Qt::DisplayRole), QVariant(QStringLiteral("AT")));
    QCOMPARE(name.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!name.data(Qt::ToolTipRole).isValid());
    QVERIFY(!name.data(Qt::DecorationRole).isValid());
    // The display passes through the converter; the edit role is the attribute's own value,
    // so that an editor writes back a value of the attribute's type.
    QCOMPARE(rank.data(Qt::DisplayRole), QVariant(QStringLiteral("(1)")));
    QCOMPARE(rank.data(Qt::EditRole), QVariant(1));
    QVERIFY(!model->index(1, 1).data().isValid());
    QVERIFY(!model->index(1, 2).data().isValid());

    QVERIFY(!model->data(QModelIndex(), Qt::DisplayRole).isValid());
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model->flags(name), Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
}

void TableModelTest::setDataWritesTheAttribute()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    model->appendRow(row(QStringLiteral("a"), QStringLiteral("alt"), 1));
    auto *object = model->rowObjectAs<CodeValue>(0);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);

    QVERIFY(model->setData(model->index(0, 1), QStringLiteral("neu")));
    QCOMPARE(object->getKurzText(), QStringLiteral("neu"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model->index(0, 1));
    QCOMPARE(changed[0][1].toModelIndex(), model->index(0, 1));

    // The text of a number becomes the attribute's int.
    QVERIFY(model->setData(model->index(0, 2), QStringLiteral("7")));
    QCOMPARE(object->getReihenfolge(), 7);
    // Null is a value like any other.
    QVERIFY(model->setData(model->index(0, 1), QVariant()));
    QVERIFY(!object->hasKurzText());

    changed.clear();
    QVERIFY(!model->setData(model->index(0, 2), 9, Qt::DisplayRole));
    QVERIFY(!model->setData(QModelIndex(), 9));
    QVERIFY(!model->setData(model->index(3, 0), 9));
    QCOMPARE(object->getReihenfolge(), 7);
    QCOMPARE(changed.count(), 0);
}

void TableModelTest::rowObjectChangesReachTheCells()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    fill(*model, {"x", "y"});
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);

    model->rowObjectAs<CodeValue>(1)->setKurzText(QStringLiteral("z"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model->index(1, 1));
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("z"));

    // An attribute without a column changes no cell.
    model->rowObjectAs<CodeValue>(1)->setGlobalText(QStringLiteral("lang"));
    QCOMPARE(changed.count(), 1);

    // An object handed out is no longer watched.
    std::unique_ptr<Record> taken = model->takeRow(0);
    static_cast<CodeValue *>(taken.get())->setKurzText(QStringLiteral("w"));
    QCOMPARE(changed.count(), 1);
}

void TableModelTest::rowsAreOwned()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    auto first = row(QStringLiteral("a"));
    auto second = row(QStringLiteral("b"));
    auto third = row(QStringLiteral("c"));
    auto fourth = row(QStringLiteral("d"));
    QPointer<CodeValue> a = first.get(), b = second.get(), c = third.get(), d = fourth.get();
    model->appendRow(std::move(first));
    model->appendRow(std::move(second));
    model->appendRow(std::move(third));
    model->appendRow(std::move(fourth));

    QVERIFY(model->removeRowAt(1));
    QVERIFY(b.isNull());
    QVERIFY(!model->removeRowAt(3));
    QVERIFY(!model->removeRowAt(-1));
    QCOMPARE(tags(*model), QStringLiteral("acd"));

    std::unique_ptr<Record> taken = model->takeRow(2);
    QCOMPARE(taken.get(), d.data());
    QCOMPARE(model->rowObjects(), (QList<Record *>{a.data(), c.data()}));

    model->clear();
    QVERIFY(a.isNull());
    QVERIFY(c.isNull());
    QCOMPARE(model->rowCount(), 0);

    QPointer<Record> e;
    {
        auto other = makeModel();
        other->appendRow(row(QStringLiteral("e")));
        e = other->rowObject(0);
    }
    QVERIFY(e.isNull());
    QVERIFY(!d.isNull());
}

void TableModelTest::insertPositions()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    model->appendRow(row(QStringLiteral("b")));
    model->insertRow(0, row(QStringLiteral("a")));
    model->insertRow(99, row(QStringLiteral("d")));
    model->insertRow(2, row(QStringLiteral("c")));
    model->appendRow(nullptr);
    QCOMPARE(tags(*model), QStringLiteral("abcd"));
    QCOMPARE(inserted.count(), 4);
    QCOMPARE(inserted[3][1].toInt(), 2);

    std::vector<std::unique_ptr<CodeValue>> more;
    more.push_back(row(QStringLiteral("e")));
    more.push_back(row(QStringLiteral("f")));
    model->appendRows(std::move(more));
    QCOMPARE(tags(*model), QStringLiteral("abcdef"));
    QCOMPARE(inserted.count(), 5);
    QCOMPARE(model->positionOf(model->rowObject(4)), 4);
    QCOMPARE(model->positionOf(nullptr), -1);
}

void TableModelTest::columnWidthsAndHeaders()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QTableView view;
    view.setModel(model.get());
    model->setColumnWidths(&view);
    QCOMPARE(view.columnWidth(0), 80);
    QCOMPARE(view.columnWidth(1), 120);
    QCOMPARE(view.columnWidth(2), 60);

    QCOMPARE(model->headerData(1, Qt::Horizontal), QVariant(QStringLiteral("Kurztext")));
    QVERIFY(!model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model->headerData(3, Qt::Horizontal).isValid());

    QCOMPARE(model->attributeOfColumn(2), CodeValue::reihenfolgeRow);
    QCOMPARE(model->attributeOfColumn(3), -1);
    QCOMPARE(model->columnOfAttribute(CodeValue::kurzTextRow), 1);
    QCOMPARE(model->columnOfAttribute(CodeValue::globalTextRow), -1);
}

void TableModelTest::valueConverters_data()
{
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("shown");

    const QDateTime stamp(QDate(2015, 3, 7), QTime(9, 5, 3));
    QTest::newRow("timestamp") << "TimeStamp" << QVariant(stamp)
                               << QVariant(QStringLiteral("07.03.2015 09:05:03"));
    QTest::newRow("timestamp null") << "TimeStamp" << QVariant() << QVariant();
    QTest::newRow("timestamp invalid") << "TimeStamp" << QVariant(QDateTime()) << QVariant();
    QTest::newRow("date") << "Date" << QVariant(QDate(2015, 3, 7))
                          << QVariant(QStringLiteral("07.03.2015"));
    QTest::newRow("date null") << "Date" << QVariant() << QVariant();
    QTest::newRow("bool true") << "Bool" << QVariant(true) << QVariant(QStringLiteral("Ja"));
    QTest::newRow("bool false") << "Bool" << QVariant(false) << QVariant(QStringLiteral("Nein"));
    QTest::newRow("bool null") << "Bool" << QVariant() << QVariant();
    QTest::newRow("ja/nein null") << "JaNein" << QVariant() << QVariant(QStringLiteral("Nein"));
    QTest::newRow("ja/nein id") << "JaNein" << QVariant(qlonglong(17))
                                << QVariant(QStringLiteral("Ja"));
    QTest::newRow("ja/nein zero") << "JaNein" << QVariant(0) << QVariant(QStringLiteral("Ja"));
    QTest::newRow("ja/nein false") << "JaNein" << QVariant(false)
                                   << QVariant(QStringLiteral("Ja"));
}

void TableModelTest::valueConverters()
{
    QFETCH(QString, converter);
    QFETCH(QVariant, value);
    QFETCH(QVariant, shown);
    std::unique_ptr<VariantConverter> c;
    if (converter == QLatin1String("TimeStamp"))
        c = std::make_unique<TimeStampConverter>();
    else if (converter == QLatin1String("Date"))
        c = std::make_unique<DateConverter>();
    else if (converter == QLatin1String("Bool"))
        c = std::make_unique<BoolConverter>();
    else
        c = std::make_unique<JaNeinVariantConverter>();
    QCOMPARE(c->convert(value), shown);
}
