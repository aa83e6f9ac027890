#include "tst_widgets.h"

#include "TestRegistry.h"

#include "CompositeTableModel.h"
#include "StreamCapture.h"
#include "entities/CodeValue.h"
#include "entities/Wettbewerb.h"

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

// Columns: name, kurzText (sorted by `strategy`), reihenfolge shown as "(n)".
std::unique_ptr<CompositeTableModel> makeModel(int strategy = SortAsText,
                                               int reihenfolgeStrategy = SortAsInt)
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(CodeValue::nameRow, ColumnDescription(QStringLiteral("Name"), 80));
    columns.emplace(CodeValue::kurzTextRow,
                    ColumnDescription(QStringLiteral("Kurztext"), 120, strategy));
    columns.emplace(CodeValue::reihenfolgeRow,
                    ColumnDescription(QStringLiteral("Reihenfolge"), 60, reihenfolgeStrategy,
                                      std::make_unique<BracketConverter>()));
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

// Rows tagged a, b, c... with the given texts.
void fill(CompositeTableModel &model, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        model.appendRow(row(QString(QChar(u'a' + i)), texts[i]));
}

} // namespace

void TableModelTest::sortStrategies_data()
{
    QTest::addColumn<int>("strategy");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected"); // row tags in sorted order

    QTest::newRow("text") << int(SortAsText) << true << QStringList{"birne", "apfel", "9", "10"}
                          << "dcba";
    QTest::newRow("text ties keep their order")
        << int(SortAsText) << true << QStringList{"x", "a", "x", "a"} << "bdac";
    QTest::newRow("text ties keep their order descending")
        << int(SortAsText) << false << QStringList{"x", "a", "x", "a"} << "acbd";
    QTest::newRow("int32, no integer and overflow count as 0")
        << int(SortAsInt) << true << QStringList{"10", "9", "x", "-1", "3000000000"} << "dceba";
    QTest::newRow("int64 descending, ties keep their order")
        << int(SortAsLongLong) << false << QStringList{"2", "3000000000", "", "2"} << "badc";
    QTest::newRow("ranks in parentheses")
        << int(SortAsBracketedRank) << true << QStringList{"(2)", "10", "(3)"} << "acb";
    QTest::newRow("ranks with asterisks, parentheses count as 0")
        << int(SortAsStarredRank) << true << QStringList{"3*", "1", "2*", "(2)"} << "dbca";
}

void TableModelTest::sortStrategies()
{
    QFETCH(int, strategy);
    QFETCH(bool, ascending);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);

    auto model = makeModel(strategy);
    QAbstractItemModelTester tester(model.get());
    fill(*model, texts);
    model->sort(1, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    QCOMPARE(tags(*model), expected);
}

void TableModelTest::sortUsesShownValues()
{
    // The reihenfolge column shows "(n)": as text "(10)" comes before "(9)", as bracketed
    // ranks after it, and as plain integers all are 0 and keep their order.
    const QList<QPair<int, QString>> cases{
        {SortAsText, "cba"}, {SortAsBracketedRank, "cab"}, {SortAsInt, "abc"}};
    for (const auto &[strategy, expected] : cases) {
        auto model = makeModel(SortAsText, strategy);
        model->appendRow(row(QStringLiteral("a"), QVariant(), 9));
        model->appendRow(row(QStringLiteral("b"), QVariant(), 10));
        model->appendRow(row(QStringLiteral("c"), QVariant(), 1));
        model->sort(2, Qt::AscendingOrder);
        QCOMPARE(tags(*model), expected);
    }
}

// Shown as "dd.MM.yyyy", dates still sort by the calendar; a missing date comes first.
void TableModelTest::datesSortByTheCalendar()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(Wettbewerb::datumRow,
                    ColumnDescription(QStringLiteral("Datum"), 80, SortAsText,
                                      std::make_unique<DateConverter>()));
    CompositeTableModel model(QList<int>{Wettbewerb::datumRow}, std::move(columns));
    QAbstractItemModelTester tester(&model);
    const QList<QDate> dates = {QDate(2000, 2, 1), QDate(1999, 1, 15), QDate(), QDate(1999, 12, 3)};
    for (const QDate &date : dates) {
        auto competition = std::make_unique<Wettbewerb>();
        competition->setValueAt(Wettbewerb::datumRow, date.isValid() ? QVariant(date) : QVariant());
        model.appendRow(std::move(competition));
    }
    model.sort(0, Qt::AscendingOrder);
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 0).data().toString();
    QCOMPARE(shown, QStringList({QString(), QStringLiteral("15.01.1999"),
                                 QStringLiteral("03.12.1999"), QStringLiteral("01.02.2000")}));
}

void TableModelTest::invalidSortChangesNothing_data()
{
    QTest::addColumn<int>("strategy");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("order") << int(SortAsText) << 5
                           << "CompositeTableModel::callStableSort says: Sort order 5 is invalid.";
    QTest::newRow("strategy")
        << 5 << int(Qt::AscendingOrder)
        << "CompositeTableModel::callStableSort says: Sort strategy 5 is invalid.";
}

void TableModelTest::invalidSortChangesNothing()
{
    QFETCH(int, strategy);
    QFETCH(int, order);
    QFETCH(QString, firstLine);

    auto model = makeModel(strategy);
    fill(*model, {"c", "b", "a"});
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    StreamCapture err(std::cerr);
    model->sort(1, Qt::SortOrder(order));
    QCOMPARE(err.lines(), QStringList({firstLine, "==> Doing nothing, no sort will happen!"}));
    QCOMPARE(tags(*model), QStringLiteral("abc"));
    QCOMPARE(reset.count(), 0);
}

void TableModelTest::itemModelFaces()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    model->appendRow(row(QStringLiteral("AT"), QStringLiteral("Österreich"), 1));
    model->appendRow(row(QStringLiteral("DE")));

    const QModelIndex name = model->index(0, 0);
    const QModelIndex rank = model->index(0, 2);
    QCOMPARE(name.data(), QVariant(QStringLiteral("AT")));
    QCOMPARE(name.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!name.data(Qt::ToolTipRole).isValid());
    // The display passes through the converter; the edit role is the attribute's own value,
    // so that an editor writes back a value of the attribute's type.
    QCOMPARE(rank.data(Qt::DisplayRole), QVariant(QStringLiteral("(1)")));
    QCOMPARE(rank.data(Qt::EditRole), QVariant(1));
    QVERIFY(!model->index(1, 2).data().isValid());
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model->flags(name), Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);

    QCOMPARE(model->headerData(1, Qt::Horizontal), QVariant(QStringLiteral("Kurztext")));
    QVERIFY(!model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    QTableView view;
    view.setModel(model.get());
    model->setColumnWidths(&view);
    QCOMPARE(view.columnWidth(1), 120);
    QCOMPARE(view.columnWidth(2), 60);
}

void TableModelTest::setDataWritesTheAttribute()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    model->appendRow(row(QStringLiteral("a"), QStringLiteral("alt"), 1));
    auto *object = model->rowObjectAs<CodeValue>(0);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);

    // The text of a number becomes the attribute's int; one signal for the cell.
    QVERIFY(model->setData(model->index(0, 2), QStringLiteral("7")));
    QCOMPARE(object->getReihenfolge(), 7);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model->index(0, 2));

    QVERIFY(!model->setData(model->index(0, 1), QStringLiteral("neu"), Qt::DisplayRole));
    QVERIFY(!model->setData(model->index(3, 1), QStringLiteral("neu")));
    QCOMPARE(object->getKurzText(), QStringLiteral("alt"));
    QCOMPARE(changed.count(), 1);

    // Changes made to a row object elsewhere reach its cell.
    object->setKurzText(QStringLiteral("z"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed[1][0].toModelIndex(), model->index(0, 1));
    object->setGlobalText(QStringLiteral("no column"));
    QCOMPARE(changed.count(), 2);
}

void TableModelTest::rowsAreOwned()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    fill(*model, {"1", "2", "3", "4"});
    QPointer<Record> a = model->rowObject(0), b = model->rowObject(1), c = model->rowObject(2),
                     d = model->rowObject(3);

    QVERIFY(model->removeRowAt(1));
    QVERIFY(b.isNull());
    QVERIFY(!model->removeRowAt(3));
    std::unique_ptr<Record> taken = model->takeRow(2);
    QCOMPARE(taken.get(), d.data());
    model->insertRow(0, row(QStringLiteral("e")));
    QCOMPARE(tags(*model), QStringLiteral("eac"));

    model->clear();
    QVERIFY(a.isNull() && c.isNull());
    QVERIFY(!d.isNull());
    QPointer<Record> f;
    {
        auto other = makeModel();
        other->appendRow(row(QStringLiteral("f")));
        f = other->rowObject(0);
    }
    QVERIFY(f.isNull());
}

KALVOR_REGISTER_TEST(TableModelTest)
