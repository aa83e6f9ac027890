#include "tst_widgets.h"

#include "TestRegistry.h"

#include "CompositeTableModel.h"
#include "Delegates.h"
#include "FieldFactory.h"
#include "LineEdits.h"
#include "StreamCapture.h"
#include "entities/CodeValue.h"

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kGrey = QStringLiteral("background-color: rgb(225, 225, 225)");
const QString kWhite = QStringLiteral("background-color: white");
const QString kYellow = QStringLiteral("background-color: rgb(240, 240, 120)");

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

// One code value, "AT", shown by name and short text.
std::unique_ptr<CompositeTableModel> codeTable()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(CodeValue::nameRow, ColumnDescription(QStringLiteral("Name"), 80));
    columns.emplace(CodeValue::kurzTextRow, ColumnDescription(QStringLiteral("Kurztext"), 80));
    auto model = std::make_unique<CompositeTableModel>(
        QList<int>{CodeValue::nameRow, CodeValue::kurzTextRow}, std::move(columns));
    auto value = std::make_unique<CodeValue>();
    value->setName(QStringLiteral("AT"));
    value->setKurzText(QStringLiteral("Oesterreich"));
    model->appendRow(std::move(value));
    return model;
}

} // namespace

void FieldTest::init()
{
    m_boxes = std::make_unique<RecordingMessageBoxes>();
    MessageBoxes::install(m_boxes.get());
}

void FieldTest::cleanup()
{
    MessageBoxes::install(nullptr);
    m_boxes.reset();
}

void FieldTest::timeStamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // null: no format fits

    const QDate day(2015, 1, 1);
    QTest::newRow("date") << "1.1.2015" << QDateTime(day, QTime(0, 0));
    QTest::newRow("seconds with dots") << "1.1.2015 9.05.30" << QDateTime(day, QTime(9, 5, 30));
    QTest::newRow("minutes with dots") << "1.1.2015 9.05" << QDateTime(day, QTime(9, 5));
    QTest::newRow("seconds with colons") << "1.1.2015 9:05:30" << QDateTime(day, QTime(9, 5, 30));
    QTest::newRow("minutes with colons") << "1.1.2015 9:05" << QDateTime(day, QTime(9, 5));
    QTest::newRow("leading zeros, blanks around")
        << " 01.01.2015 23:59:59 " << QDateTime(day, QTime(23, 59, 59));
    QTest::newRow("no such day") << "31.2.2015" << QDateTime();
    QTest::newRow("no such hour") << "1.1.2015 25:00" << QDateTime();
    QTest::newRow("two-digit year") << "1.1.15" << QDateTime();
    QTest::newRow("hour alone") << "1.1.2015 9" << QDateTime();
    QTest::newRow("dots and colons mixed") << "1.1.2015 9.05:30" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
}

void FieldTest::timeStamps()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(parseTimeStamp(text), expected);
    TimeStampLineEdit edit;
    edit.setText(text);
    QCOMPARE(edit.value(), expected.isValid() ? QVariant(expected) : QVariant());
}

void FieldTest::dateInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state"); // what the validator says
    QTest::addColumn<QDate>("value");

    QTest::newRow("short") << "1.2.2015" << int(QValidator::Acceptable) << QDate(2015, 2, 1);
    QTest::newRow("leading zeros")
        << "01.12.2015" << int(QValidator::Acceptable) << QDate(2015, 12, 1);
    QTest::newRow("no such day") << "31.2.2015" << int(QValidator::Acceptable) << QDate();
    QTest::newRow("two-digit year") << "1.2.15" << int(QValidator::Intermediate) << QDate();
    QTest::newRow("day 45") << "45.1.2015" << int(QValidator::Invalid) << QDate();
    QTest::newRow("month 22") << "1.22.2015" << int(QValidator::Invalid) << QDate();
    QTest::newRow("blanks") << " 1.2.2015 " << int(QValidator::Invalid) << QDate(2015, 2, 1);
}

void FieldTest::dateInput()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(QDate, value);
    DateLineEdit edit;
    QString probe = text;
    int position = 0;
    QCOMPARE(int(edit.validator()->validate(probe, position)), state);
    edit.setText(text);
    QCOMPARE(edit.value(), value.isValid() ? QVariant(value) : QVariant());
}

void FieldTest::dateLineEditReports_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("reported");
    QTest::newRow("no such day") << "31.2.2015" << true;
    QTest::newRow("incomplete") << "1.2.15" << true;
    QTest::newRow("valid") << "1.2.2015" << false;
    QTest::newRow("empty") << "" << false;
}

void FieldTest::dateLineEditReports()
{
    QFETCH(QString, typed);
    QFETCH(bool, reported);
    const QString text = QStringLiteral("Die Eingabe %1 ist kein gueltiges Datum.\n\nBitte geben "
                                        "Sie das Datum im Format dd.mm.yyyy an.")
                             .arg(typed);
    QWidget window;
    auto *date = new DateLineEdit;
    auto *other = new QLineEdit;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(date);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Ended with Enter, then by leaving the field: reported once.
    date->setFocus();
    QTest::keyClicks(date, typed);
    QTest::keyClick(date, Qt::Key_Return);
    other->setFocus();
    QCOMPARE(int(m_boxes->shown().size()), reported ? 1 : 0);
    // Typed again and ended by leaving the field only.
    date->clear();
    date->setFocus();
    QTest::keyClicks(date, typed);
    other->setFocus();
    QCOMPARE(int(m_boxes->shown().size()), reported ? 2 : 0);
    for (const auto &box : m_boxes->shown()) {
        QCOMPARE(box.kind, QStringLiteral("critical"));
        QCOMPARE(box.title, QStringLiteral("Datum falsch angegeben"));
        QCOMPARE(box.text, text);
    }
}

void FieldTest::numberInput_data()
{
    QTest::addColumn<QString>("field"); // "double", "int" or "int 1..10"
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable"); // for the validator of int fields
    QTest::addColumn<QVariant>("value");

    QTest::newRow("double") << "double"
                            << " -1e3 " << true << QVariant(-1000.0);
    QTest::newRow("double with comma") << "double"
                                       << "3,5" << true << QVariant();
    QTest::newRow("int") << "int"
                         << "-42" << true << QVariant(-42);
    QTest::newRow("int with blanks") << "int"
                                     << " 42 " << false << QVariant(42);
    QTest::newRow("int with separator") << "int"
                                        << "1.000" << false << QVariant();
    QTest::newRow("int too big") << "int"
                                 << "99999999999" << false << QVariant();
    QTest::newRow("within bounds") << "int 1..10"
                                   << "5" << true << QVariant(5);
    QTest::newRow("above bounds") << "int 1..10"
                                  << "11" << false << QVariant(11);
}

void FieldTest::numberInput()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, acceptable);
    QFETCH(QVariant, value);
    if (field == QLatin1String("double")) {
        DoubleLineEdit edit;
        edit.setText(text);
        QCOMPARE(edit.value(), value);
        return;
    }
    std::unique_ptr<IntLineEdit> edit = field == QLatin1String("int")
                                            ? std::make_unique<IntLineEdit>()
                                            : std::make_unique<IntLineEdit>(1, 10);
    QString probe = text;
    int position = 0;
    QCOMPARE(edit->validator()->validate(probe, position) == QValidator::Acceptable, acceptable);
    edit->setText(text);
    QCOMPARE(edit->value(), value);
}

void FieldTest::shownValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");

    const QDateTime stamp(QDate(2015, 3, 7), QTime(9, 5, 3));
    QTest::newRow("date") << "date" << QVariant(QDate(2015, 3, 7)) << "7.3.2015";
    QTest::newRow("date of a timestamp") << "date" << QVariant(stamp) << "7.3.2015";
    QTest::newRow("null date") << "date" << QVariant() << "";
    QTest::newRow("timestamp") << "timestamp" << QVariant(stamp) << "07.03.2015 09:05:03";
    QTest::newRow("no timestamp") << "timestamp" << QVariant(QStringLiteral("morgen")) << "";
    QTest::newRow("six digits") << "double" << QVariant(3.14159265) << "3.14159";
    QTest::newRow("large") << "double" << QVariant(1234567.0) << "1.23457e+06";
    QTest::newRow("no double") << "double" << QVariant(QStringLiteral("abc")) << "";
    QTest::newRow("int") << "int" << QVariant(qlonglong(-17)) << "-17";
    QTest::newRow("no int") << "int" << QVariant(QStringLiteral("x")) << "";
}

void FieldTest::shownValues()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);
    std::unique_ptr<QLineEdit> edit;
    if (field == QLatin1String("date"))
        edit = std::make_unique<DateLineEdit>();
    else if (field == QLatin1String("timestamp"))
        edit = std::make_unique<TimeStampLineEdit>();
    else if (field == QLatin1String("double"))
        edit = std::make_unique<DoubleLineEdit>();
    else
        edit = std::make_unique<IntLineEdit>();
    edit->setText(QStringLiteral("1.1.2000"));
    // The value is the user property, which widget mappers use.
    QVERIFY(edit->setProperty(edit->metaObject()->userProperty().name(), value));
    QCOMPARE(edit->text(), shown);

    if (field == QLatin1String("timestamp"))
        QCOMPARE(edit->toolTip(),
                 QStringLiteral(
                     "Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer Zeit "
                     "dd.MM.yyyy hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy hh.mm.ss "
                     "eingegeben werden.  Fuehrende Nullen beim Datum duerfen weggelassen werden, "
                     "statt dem Punkt bei der Zeit darf auch ein Doppelpunkt geschrieben werden."));
}

void FieldTest::fieldFactory_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QString>("style");
    QTest::newRow("optional") << true << false << kWhite;
    QTest::newRow("optional read-only") << false << false << kGrey;
    QTest::newRow("mandatory") << true << true << kYellow;
    QTest::newRow("mandatory read-only") << false << true << kGrey;
}

void FieldTest::fieldFactory()
{
    QFETCH(bool, editable);
    QFETCH(bool, mandatory);
    QFETCH(QString, style);

    std::unique_ptr<QLineEdit> edit(mandatory ? FieldFactory::createLineEdit(editable, 40, true)
                                              : FieldFactory::createLineEdit(editable));
    QCOMPARE(edit->maxLength(), mandatory ? 40 : 32767);
    QCOMPARE(edit->isReadOnly(), !editable);
    QCOMPARE(edit->focusPolicy(), editable ? Qt::StrongFocus : Qt::ClickFocus);
    QCOMPARE(edit->styleSheet(), style);

    // A form switching a date field between modes.
    DateLineEdit date;
    FieldFactory::setEditable(&date, editable, mandatory);
    QCOMPARE(date.isReadOnly(), !editable);
    QCOMPARE(date.styleSheet(), style);

    QSpinBox spin;
    spin.setReadOnly(!editable);
    mandatory ? FieldFactory::colourMandatory(&spin) : FieldFactory::colourOptional(&spin);
    QCOMPARE(spin.styleSheet(), style);
    if (mandatory) {
        QTextEdit text;
        text.setReadOnly(!editable);
        FieldFactory::colourMandatory(&text);
        QCOMPARE(text.styleSheet(), style);
        QComboBox combo;
        FieldFactory::colourComboBox(&combo, editable);
        QCOMPARE(combo.styleSheet(), style);
    }
    std::unique_ptr<QLabel> label(FieldFactory::createLabel(QStringLiteral("Name")));
    QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

void FieldTest::mapperDelegateTraces()
{
    CodeValue value;
    value.setName(QStringLiteral("AT"));
    value.setCreate_tist(QDateTime(QDate(2015, 3, 7), QTime(9, 5, 3)));
    QDataWidgetMapper mapper;
    mapper.setModel(&value);
    mapper.setOrientation(Qt::Vertical);
    mapper.setItemDelegate(new MapperDelegate(&mapper));
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    QLineEdit name;
    TimeStampLineEdit stamp;
    mapper.addMapping(&name, CodeValue::nameRow);
    mapper.addMapping(&stamp, CodeValue::create_tistRow);
    QStringList lines;
    {
        StreamCapture out(std::cout);
        mapper.toFirst();
        lines = out.lines();
    }
    lines.sort();
    QCOMPARE(lines, (QStringList{"MapperDelegate::setEditorData called, column = 0, row = 1",
                                 "MapperDelegate::setEditorData called, column = 0, row = 4"}));
    QCOMPARE(stamp.text(), QStringLiteral("07.03.2015 09:05:03"));

    StreamCapture out(std::cout); // the record's change signals fill the fields again
    stamp.setText(QStringLiteral("8.3.2015 10:00"));
    QVERIFY(mapper.submit());
    QCOMPARE(value.getCreate_tist(), QDateTime(QDate(2015, 3, 8), QTime(10, 0)));
}

void FieldTest::compositeDelegateCommitsThroughColumnDelegates()
{
    auto model = codeTable();
    QTableView view;
    view.setModel(model.get());
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
        const QModelIndex cell = model->index(0, column);
        view.setCurrentIndex(cell);
        view.edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(view.indexWidget(cell));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("neu%1").arg(column));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits through a queued call
        QVERIFY(!view.indexWidget(cell));
    }
    // Column 1 went through its own delegate, column 0 through the default one.
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("neu0"));
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("NEU1"));
    view.setItemDelegate(nullptr);
    delete composite;
    QVERIFY(upper.isNull());
}

KALVOR_REGISTER_TEST(FieldTest)
