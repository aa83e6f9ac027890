#include "tst_widgets.h"

#include "CompositeTableModel.h"
#include "Delegates.h"
#include "FieldFactory.h"
#include "LineEdits.h"
#include "MessageBoxes.h"
#include "StreamCapture.h"
#include "entities/CodeValue.h"

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMetaProperty>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

RecordingMessageBoxes *g_boxes = nullptr;

const QString kGrey = QStringLiteral("background-color: rgb(225, 225, 225)");
const QString kWhite = QStringLiteral("background-color: white");
const QString kYellow = QStringLiteral("background-color: rgb(240, 240, 120)");

// Writes every call it gets into a shared journal, as "<name> <call> <column>".
class JournalDelegate : public QStyledItemDelegate
{
public:
    JournalDelegate(QString name, QStringList *journal) : m_name(std::move(name)), m_journal(journal)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        note("sizeHint", index);
        return QSize(1, 1);
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        note("createEditor", index);
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        note("setEditorData", index);
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        note("setModelData", index);
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    void note(const char *call, const QModelIndex &index) const
    {
        *m_journal << QStringLiteral("%1 %2 %3").arg(m_name, QLatin1String(call)).arg(index.column());
    }
    QString m_name;
    QStringList *m_journal;
};

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
    g_boxes = new RecordingMessageBoxes;
    MessageBoxes::install(g_boxes);
}

void FieldTest::cleanup()
{
    MessageBoxes::install(nullptr);
    delete g_boxes;
    g_boxes = nullptr;
}

void FieldTest::timeStamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // null: no format fits

    const QDate newYear(2015, 1, 1);
    QTest::newRow("date") << "1.1.2015" << QDateTime(newYear, QTime(0, 0));
    QTest::newRow("date with leading zeros") << "01.02.2015" << QDateTime(QDate(2015, 2, 1), QTime(0, 0));
    QTest::newRow("seconds with dots") << "1.1.2015 9.05.30" << QDateTime(newYear, QTime(9, 5, 30));
    QTest::newRow("minutes with dots") << "1.1.2015 9.05" << QDateTime(newYear, QTime(9, 5));
    QTest::newRow("seconds with colons") << "1.1.2015 9:05:30" << QDateTime(newYear, QTime(9, 5, 30));
    QTest::newRow("minutes with colons") << "1.1.2015 9:05" << QDateTime(newYear, QTime(9, 5));
    QTest::newRow("two-digit hour") << "31.12.2015 23:59:59"
                                    << QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59));
    QTest::newRow("blanks around") << "  1.1.2015 9:05 " << QDateTime(newYear, QTime(9, 5));
    QTest::newRow("no such day") << "31.2.2015" << QDateTime();
    QTest::newRow("no such hour") << "1.1.2015 25:00" << QDateTime();
    QTest::newRow("no such minute") << "1.1.2015 9.60" << QDateTime();
    QTest::newRow("two-digit year") << "1.1.15" << QDateTime();
    QTest::newRow("hour alone") << "1.1.2015 9" << QDateTime();
    QTest::newRow("dots and colons mixed") << "1.1.2015 9.05:30" << QDateTime();
    QTest::newRow("milliseconds") << "1.1.2015 9:05:30:00" << QDateTime();
    QTest::newRow("ISO") << "2015-01-01" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
    QTest::newRow("text") << "gestern" << QDateTime();
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

void FieldTest::timeStampLineEdit()
{
    TimeStampLineEdit edit;
    QCOMPARE(edit.toolTip(),
             QStringLiteral("Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer "
                            "Zeit dd.MM.yyyy hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy "
                            "hh.mm.ss eingegeben werden.  Fuehrende Nullen beim Datum duerfen "
                            "weggelassen werden, statt dem Punkt bei der Zeit darf auch ein "
                            "Doppelpunkt geschrieben werden."));
    const QDateTime stamp(QDate(2015, 3, 7), QTime(9, 5, 3));
    edit.setValue(stamp);
    QCOMPARE(edit.text(), QStringLiteral("07.03.2015 09:05:03"));
    QCOMPARE(edit.value(), QVariant(stamp));
    edit.setValue(QVariant());
    QCOMPARE(edit.text(), QString());
    edit.setValue(QStringLiteral("morgen"));
    QCOMPARE(edit.text(), QString());
}

void FieldTest::dateInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state"); // what the validator says
    QTest::addColumn<QDate>("value");

    const int ok = QValidator::Acceptable;
    const int partial = QValidator::Intermediate;
    const int bad = QValidator::Invalid;
    QTest::newRow("short") << "1.2.2015" << ok << QDate(2015, 2, 1);
    QTest::newRow("leading zeros") << "01.12.2015" << ok << QDate(2015, 12, 1);
    QTest::newRow("no such day") << "31.2.2015" << ok << QDate();
    QTest::newRow("no such month") << "1.19.2015" << ok << QDate();
    QTest::newRow("two-digit year") << "1.2.15" << partial << QDate();
    QTest::newRow("empty") << "" << partial << QDate();
    QTest::newRow("day 45") << "45.1.2015" << bad << QDate();
    QTest::newRow("month 22") << "1.22.2015" << bad << QDate();
    QTest::newRow("five-digit year") << "1.2.20155" << bad << QDate();
    QTest::newRow("letters") << "a" << bad << QDate();
    QTest::newRow("blanks") << " 1.2.2015 " << bad << QDate(2015, 2, 1);
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
    QVERIFY(g_boxes->shown().empty());
}

void FieldTest::dateLineEditReports_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("reported");
    QTest::newRow("no such day") << "31.2.2015" << true;
    QTest::newRow("no such month") << "39.19.2015" << true;
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

    // Ended with Enter, then leaving the field: one report.
    date->setFocus();
    QTest::keyClicks(date, typed);
    QCOMPARE(date->text(), typed);
    QTest::keyClick(date, Qt::Key_Return);
    other->setFocus();
    QCOMPARE(int(g_boxes->shown().size()), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(g_boxes->shown()[0].kind, QStringLiteral("critical"));
        QCOMPARE(g_boxes->shown()[0].title, QStringLiteral("Datum falsch angegeben"));
        QCOMPARE(g_boxes->shown()[0].text, text);
    }
    QVERIFY(!date->value().isValid() || !reported);

    // Ended by leaving the field.
    g_boxes->clear();
    date->clear();
    date->setFocus();
    QTest::keyClicks(date, typed);
    other->setFocus();
    QCOMPARE(int(g_boxes->shown().size()), reported ? 1 : 0);
    if (reported)
        QCOMPARE(g_boxes->shown()[0].text, text);
}

void FieldTest::lineEditsShowValues()
{
    DateLineEdit date;
    QCOMPARE(QString::fromLatin1(date.metaObject()->userProperty().name()), QStringLiteral("value"));
    date.setValue(QDate(2015, 3, 7));
    QCOMPARE(date.text(), QStringLiteral("7.3.2015"));
    QCOMPARE(date.value(), QVariant(QDate(2015, 3, 7)));
    date.setValue(QDateTime(QDate(2016, 12, 24), QTime(18, 0)));
    QCOMPARE(date.text(), QStringLiteral("24.12.2016"));
    date.setValue(QDate());
    QCOMPARE(date.text(), QString());
    date.setValue(QDate(2015, 3, 7));
    date.setValue(QVariant());
    QCOMPARE(date.text(), QString());

    IntLineEdit number;
    number.setValue(17);
    QCOMPARE(number.text(), QStringLiteral("17"));
    number.setValue(qlonglong(-5));
    QCOMPARE(number.text(), QStringLiteral("-5"));
    number.setValue(QStringLiteral("x"));
    QCOMPARE(number.text(), QString());
    number.setValue(12);
    number.setValue(QVariant());
    QCOMPARE(number.text(), QString());
}

void FieldTest::doubleLineEdit_data()
{
    QTest::addColumn<QVariant>("input"); // a QString is typed, anything else set as value
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("six significant digits") << QVariant(3.14159265) << "3.14159" << QVariant(3.14159);
    QTest::newRow("large") << QVariant(1234567.0) << "1.23457e+06" << QVariant(1234570.0);
    QTest::newRow("half") << QVariant(0.5) << "0.5" << QVariant(0.5);
    QTest::newRow("int") << QVariant(42) << "42" << QVariant(42.0);
    QTest::newRow("null") << QVariant() << "" << QVariant();
    QTest::newRow("typed") << QVariant(QStringLiteral(" -1e3 ")) << " -1e3 " << QVariant(-1000.0);
    QTest::newRow("typed with comma") << QVariant(QStringLiteral("3,5")) << "3,5" << QVariant();
    QTest::newRow("typed text") << QVariant(QStringLiteral("abc")) << "abc" << QVariant();
    QTest::newRow("typed nothing") << QVariant(QStringLiteral("  ")) << "  " << QVariant();
}

void FieldTest::doubleLineEdit()
{
    QFETCH(QVariant, input);
    QFETCH(QString, shown);
    QFETCH(QVariant, value);
    DoubleLineEdit edit;
    edit.setText(QStringLiteral("9"));
    if (input.metaType().id() == QMetaType::QString)
        edit.setText(input.toString());
    else
        edit.setValue(input);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.value(), value);
    if (value.isValid())
        QCOMPARE(edit.value().metaType().id(), int(QMetaType::Double));
}

void FieldTest::intLineEdit_data()
{
    QTest::addColumn<bool>("bounded"); // from 1 to 10
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("number") << false << "42" << true << QVariant(42);
    QTest::newRow("negative") << false << "-7" << true << QVariant(-7);
    QTest::newRow("blanks") << false << " 42 " << false << QVariant(42);
    QTest::newRow("empty") << false << "" << false << QVariant();
    QTest::newRow("fraction") << false << "1.5" << false << QVariant();
    QTest::newRow("thousands separator") << false << "1.000" << false << QVariant();
    QTest::newRow("letters") << false << "abc" << false << QVariant();
    QTest::newRow("too big for int") << false << "99999999999" << false << QVariant();
    QTest::newRow("within bounds") << true << "5" << true << QVariant(5);
    QTest::newRow("above bounds") << true << "11" << false << QVariant(11);
    QTest::newRow("below bounds") << true << "0" << false << QVariant(0);
}

void FieldTest::intLineEdit()
{
    QFETCH(bool, bounded);
    QFETCH(QString, text);
    QFETCH(bool, acceptable);
    QFETCH(QVariant, value);
    std::unique_ptr<IntLineEdit> edit =
        bounded ? std::make_unique<IntLineEdit>(1, 10) : std::make_unique<IntLineEdit>();
    QString probe = text;
    int position = 0;
    QCOMPARE(edit->validator()->validate(probe, position) == QValidator::Acceptable, acceptable);
    edit->setText(text);
    QCOMPARE(edit->value(), value);
}

void FieldTest::fieldFactory_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("maxLength"); // 0: none given
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QString>("style");

    QTest::newRow("optional") << true << 0 << false << kWhite;
    QTest::newRow("optional read-only") << false << 0 << false << kGrey;
    QTest::newRow("mandatory") << true << 40 << true << kYellow;
    QTest::newRow("mandatory read-only") << false << 40 << true << kGrey;
}

void FieldTest::fieldFactory()
{
    QFETCH(bool, editable);
    QFETCH(int, maxLength);
    QFETCH(bool, mandatory);
    QFETCH(QString, style);

    std::unique_ptr<QLineEdit> edit(
        maxLength == 0 && !mandatory
            ? FieldFactory::createLineEdit(editable)
            : FieldFactory::createLineEdit(editable, maxLength == 0 ? 32767 : maxLength, mandatory));
    QCOMPARE(edit->maxLength(), maxLength == 0 ? 32767 : maxLength);
    QCOMPARE(edit->isReadOnly(), !editable);
    QCOMPARE(edit->focusPolicy(), editable ? Qt::StrongFocus : Qt::ClickFocus);
    QCOMPARE(edit->styleSheet(), style);

    // Switching the mode of an existing field, e.g. a date field.
    DateLineEdit date;
    FieldFactory::setEditable(&date, editable, mandatory);
    QCOMPARE(date.isReadOnly(), !editable);
    QCOMPARE(date.focusPolicy(), editable ? Qt::StrongFocus : Qt::ClickFocus);
    QCOMPARE(date.styleSheet(), style);
}

void FieldTest::fieldColours()
{
    std::unique_ptr<QLabel> label(FieldFactory::createLabel(QStringLiteral("Name")));
    QCOMPARE(label->text(), QStringLiteral("Name"));
    QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);

    QSpinBox spin;
    FieldFactory::colourOptional(&spin);
    QCOMPARE(spin.styleSheet(), kWhite);
    FieldFactory::colourMandatory(&spin);
    QCOMPARE(spin.styleSheet(), kYellow);
    spin.setReadOnly(true);
    FieldFactory::colourMandatory(&spin);
    QCOMPARE(spin.styleSheet(), kGrey);
    FieldFactory::colourOptional(&spin);
    QCOMPARE(spin.styleSheet(), kGrey);

    QTextEdit text;
    FieldFactory::colourMandatory(&text);
    QCOMPARE(text.styleSheet(), kYellow);
    text.setReadOnly(true);
    FieldFactory::colourMandatory(&text);
    QCOMPARE(text.styleSheet(), kGrey);

    QComboBox combo;
    FieldFactory::colourComboBox(&combo, true);
    QCOMPARE(combo.styleSheet(), kYellow);
    FieldFactory::colourComboBox(&combo, false);
    QCOMPARE(combo.styleSheet(), kGrey);
}

void FieldTest::mapperDelegateTraces()
{
    CodeValue value;
    value.setName(QStringLiteral("AT"));
    const QDateTime created(QDate(2015, 3, 7), QTime(9, 5, 3));
    value.setCreate_tist(created);

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
    QCOMPARE(name.text(), QStringLiteral("AT"));
    QCOMPARE(stamp.text(), QStringLiteral("07.03.2015 09:05:03"));

    name.setText(QStringLiteral("DE"));
    stamp.setText(QStringLiteral("8.3.2015 10:00"));
    QVERIFY(mapper.submit());
    QCOMPARE(value.getName(), QStringLiteral("DE"));
    QCOMPARE(value.getCreate_tist(), QDateTime(QDate(2015, 3, 8), QTime(10, 0)));
}

void FieldTest::compositeDelegateForwards()
{
    QStringList journal;
    CompositeDelegate1D composite;
    composite.setDefaultDelegate(new JournalDelegate(QStringLiteral("default"), &journal));
    composite.setColumnDelegate(1, new JournalDelegate(QStringLiteral("kurz"), &journal));
    auto model = codeTable();
    const QModelIndex name = model->index(0, 0);
    const QModelIndex kurz = model->index(0, 1);
    QStyleOptionViewItem option;

    composite.sizeHint(option, name);
    composite.sizeHint(option, kurz);
    QWidget parent;
    QWidget *editor = composite.createEditor(&parent, option, kurz);
    composite.setEditorData(editor, kurz);
    composite.setModelData(editor, model.get(), kurz);
    composite.setColumnDelegate(1, nullptr);
    composite.sizeHint(option, kurz);
    QCOMPARE(journal, (QStringList{"default sizeHint 0", "kurz sizeHint 1", "kurz createEditor 1",
                                   "kurz setEditorData 1", "kurz setModelData 1",
                                   "default sizeHint 1"}));
    QVERIFY(!composite.delegateForColumn(1));
}

void FieldTest::compositeDelegateCommitsOnEnter()
{
    auto model = codeTable();
    QTableView view;
    view.setModel(model.get());
    auto *composite = new CompositeDelegate1D(&view);
    composite->setColumnDelegate(1, new QStyledItemDelegate);
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
        QCOMPARE(cell.data().toString(), QStringLiteral("neu%1").arg(column));
        QVERIFY(!view.indexWidget(cell));
    }
    const auto *value = model->rowObjectAs<CodeValue>(0);
    QCOMPARE(value->getName(), QStringLiteral("neu0"));
    QCOMPARE(value->getKurzText(), QStringLiteral("neu1"));
}

void FieldTest::compositeDelegateOwnsItsDelegates()
{
    QStringList journal;
    auto *composite = new CompositeDelegate1D;
    QPointer<QAbstractItemDelegate> firstDefault = composite->defaultDelegate();
    QVERIFY(firstDefault);
    QPointer<QAbstractItemDelegate> a = new JournalDelegate(QStringLiteral("a"), &journal);
    QPointer<QAbstractItemDelegate> b = new JournalDelegate(QStringLiteral("b"), &journal);
    QPointer<QAbstractItemDelegate> d = new JournalDelegate(QStringLiteral("d"), &journal);
    composite->setColumnDelegate(0, a);
    composite->setColumnDelegate(0, b);
    QVERIFY(a.isNull());
    composite->setDefaultDelegate(d);
    QVERIFY(firstDefault.isNull());
    QCOMPARE(composite->delegateForColumn(0), b.data());
    QCOMPARE(composite->delegateForColumn(3), nullptr);
    delete composite;
    QVERIFY(b.isNull());
    QVERIFY(d.isNull());
}
