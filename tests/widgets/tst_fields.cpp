// Line edits and timestamps, the composite delegate.
#include "TestRegistry.h"

#include "CompositeTableModel.h"
#include "Delegates.h"
#include "LineEdits.h"
#include "MessageBoxes.h"
#include "entities/CodeValue.h"

#include <QPointer>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

namespace {

std::unique_ptr<QLineEdit> field(const QString &kind)
{
    if (kind == QLatin1String("date"))
        return std::make_unique<DateLineEdit>();
    if (kind == QLatin1String("timestamp"))
        return std::make_unique<TimeStampLineEdit>();
    if (kind == QLatin1String("double"))
        return std::make_unique<DoubleLineEdit>();
    if (kind == QLatin1String("int 1..10"))
        return std::make_unique<IntLineEdit>(1, 10);
    return std::make_unique<IntLineEdit>();
}

// The value of a field, the user property that widget mappers use.
QVariant valueOf(const QLineEdit &edit)
{
    return edit.property(edit.metaObject()->userProperty().name());
}

// Writes what its line edit holds in upper case.
class UpperDelegate : public QStyledItemDelegate
{
public:
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QLineEdit *>(editor)->text().toUpper());
    }
};

} // namespace

class FieldTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { MessageBoxes::install(&m_boxes); }
    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_boxes.clear();
    }

    void input_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state"); // what the validator says; -1: not asked
        QTest::addColumn<QVariant>("value");

        const QString ts = "timestamp", date = "date", dbl = "double", i = "int";
        const QVariant none;
        const int ok = QValidator::Acceptable, partial = QValidator::Intermediate,
                  bad = QValidator::Invalid;
        const auto at = [](int h, int m, int s = 0) {
            return QVariant(QDateTime(QDate(2015, 1, 1), QTime(h, m, s)));
        };
        QTest::newRow("timestamp: date") << ts << "1.1.2015" << -1 << at(0, 0);
        QTest::newRow("timestamp: seconds with dots")
            << ts << "1.1.2015 9.05.30" << -1 << at(9, 5, 30);
        QTest::newRow("timestamp: minutes with dots") << ts << "1.1.2015 9.05" << -1 << at(9, 5);
        QTest::newRow("timestamp: seconds with colons")
            << ts << "1.1.2015 9:05:30" << -1 << at(9, 5, 30);
        QTest::newRow("timestamp: minutes with colons") << ts << "1.1.2015 9:05" << -1 << at(9, 5);
        QTest::newRow("timestamp: leading zeros, blanks around")
            << ts << " 01.01.2015 23:59:59 " << -1 << at(23, 59, 59);
        QTest::newRow("timestamp: no such day") << ts << "31.2.2015" << -1 << none;
        QTest::newRow("timestamp: no such hour") << ts << "1.1.2015 25:00" << -1 << none;
        QTest::newRow("timestamp: two-digit year") << ts << "1.1.15" << -1 << none;
        QTest::newRow("timestamp: hour alone") << ts << "1.1.2015 9" << -1 << none;
        QTest::newRow("timestamp: dots and colons mixed") << ts << "1.1.2015 9.05:30" << -1 << none;
        QTest::newRow("timestamp: empty") << ts << "" << -1 << none;
        QTest::newRow("date") << date << "1.2.2015" << ok << QVariant(QDate(2015, 2, 1));
        QTest::newRow("date with leading zeros")
            << date << "01.12.2015" << ok << QVariant(QDate(2015, 12, 1));
        QTest::newRow("date: no such day") << date << "31.2.2015" << ok << none;
        QTest::newRow("date: two-digit year") << date << "1.2.15" << partial << none;
        QTest::newRow("date: day 45") << date << "45.1.2015" << bad << none;
        QTest::newRow("date: month 22") << date << "1.22.2015" << bad << none;
        QTest::newRow("date with blanks")
            << date << " 1.2.2015 " << bad << QVariant(QDate(2015, 2, 1));
        QTest::newRow("double") << dbl << " -1e3 " << -1 << QVariant(-1000.0);
        QTest::newRow("double with comma") << dbl << "3,5" << -1 << none;
        QTest::newRow("int") << i << "-42" << ok << QVariant(-42);
        QTest::newRow("int with blanks") << i << " 42 " << bad << QVariant(42);
        QTest::newRow("int with separator") << i << "1.000" << bad << none;
        QTest::newRow("int too big") << i << "99999999999" << bad << none;
        QTest::newRow("int within bounds") << "int 1..10"
                                           << "5" << ok << QVariant(5);
        QTest::newRow("int above bounds") << "int 1..10"
                                          << "11" << partial << QVariant(11);
    }

    void input()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, state);
        QFETCH(QVariant, value);
        auto edit = ::field(field);
        if (field == QLatin1String("timestamp"))
            QCOMPARE(parseTimeStamp(text), value.toDateTime());
        QString probe = text;
        int position = 0;
        if (state >= 0)
            QCOMPARE(int(edit->validator()->validate(probe, position)), state);
        edit->setText(text);
        QCOMPARE(valueOf(*edit), value);
    }

    void shownValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");

        const QDateTime stamp(QDate(2015, 3, 7), QTime(9, 5, 3));
        QTest::newRow("date") << "date" << QVariant(QDate(2015, 3, 7)) << "7.3.2015";
        QTest::newRow("date of a timestamp") << "date" << QVariant(stamp) << "7.3.2015";
        QTest::newRow("null date") << "date" << QVariant() << "";
        QTest::newRow("timestamp") << "timestamp" << QVariant(stamp) << "07.03.2015 09:05:03";
        QTest::newRow("no timestamp") << "timestamp" << QVariant("morgen") << "";
        QTest::newRow("six digits") << "double" << QVariant(3.14159265) << "3.14159";
        QTest::newRow("large") << "double" << QVariant(1234567.0) << "1.23457e+06";
        QTest::newRow("no double") << "double" << QVariant("abc") << "";
        QTest::newRow("int") << "int" << QVariant(qlonglong(-17)) << "-17";
        QTest::newRow("no int") << "int" << QVariant("x") << "";
    }

    void shownValues()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, shown);
        auto edit = ::field(field);
        edit->setText("1.1.2000");
        QVERIFY(edit->setProperty(edit->metaObject()->userProperty().name(), value));
        QCOMPARE(edit->text(), shown);
    }

    // A wrong date is reported once, whether editing ends with Enter, by leaving the field or
    // both.
    void wrongDateReportedOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("reported");
        QTest::newRow("no such day") << "31.2.2015" << true;
        QTest::newRow("incomplete") << "1.2.15" << true;
        QTest::newRow("valid") << "1.2.2015" << false;
        QTest::newRow("empty") << "" << false;
    }

    void wrongDateReportedOnce()
    {
        QFETCH(QString, typed);
        QFETCH(bool, reported);
        QWidget window;
        auto *date = new DateLineEdit;
        auto *other = new QLineEdit;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(date);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        date->setFocus();
        QTest::keyClicks(date, typed);
        QTest::keyClick(date, Qt::Key_Return);
        other->setFocus();
        QCOMPARE(int(m_boxes.shown().size()), reported ? 1 : 0);
        date->clear();
        date->setFocus();
        QTest::keyClicks(date, typed);
        other->setFocus();
        QCOMPARE(int(m_boxes.shown().size()), reported ? 2 : 0);
        for (const auto &box : m_boxes.shown()) {
            QCOMPARE(box.kind, QStringLiteral("critical"));
            QCOMPARE(box.title, QStringLiteral("Datum falsch angegeben"));
            QCOMPARE(box.text, QStringLiteral("Die Eingabe %1 ist kein gueltiges Datum.\n\nBitte "
                                              "geben Sie das Datum im Format dd.mm.yyyy an.")
                                   .arg(typed));
        }
    }

    void compositeDelegateCommitsThroughColumnDelegates()
    {
        std::map<int, ColumnDescription> columns;
        columns.emplace(CodeValue::nameRow, ColumnDescription("Name", 80));
        columns.emplace(CodeValue::kurzTextRow, ColumnDescription("Kurztext", 80));
        CompositeTableModel model({CodeValue::nameRow, CodeValue::kurzTextRow}, std::move(columns));
        model.appendRow(std::make_unique<CodeValue>());
        QTableView view;
        view.setModel(&model);
        auto *composite = new CompositeDelegate1D(&view);
        QPointer<QAbstractItemDelegate> replaced = new UpperDelegate;
        QPointer<QAbstractItemDelegate> upper = new UpperDelegate;
        composite->setColumnDelegate(1, replaced);
        composite->setColumnDelegate(1, upper);
        QVERIFY(replaced.isNull());
        view.setItemDelegate(composite);
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));

        for (const int column : {0, 1}) {
            const QModelIndex cell = model.index(0, column);
            view.setCurrentIndex(cell);
            view.edit(cell);
            auto *editor = qobject_cast<QLineEdit *>(view.indexWidget(cell));
            QVERIFY(editor);
            QTest::keyClicks(editor, QStringLiteral("neu%1").arg(column));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits through a queued call
            QVERIFY(!view.indexWidget(cell));
        }
        // Column 1 went through its own delegate, column 0 through the default one.
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("neu0"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("NEU1"));
        view.setItemDelegate(nullptr);
        delete composite;
        QVERIFY(upper.isNull());
    }

private:
    RecordingMessageBoxes m_boxes;
};

KALVOR_REGISTER_TEST(FieldTest)
#include "tst_fields.moc"
