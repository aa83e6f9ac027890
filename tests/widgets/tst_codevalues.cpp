#include "tst_widgets.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "CodeValueConverters.h"
#include "CompositeTableModel.h"
#include "DatabaseContext.h"
#include "Delegates.h"
#include "StreamCapture.h"
#include "TestDatabase.h"
#include "entities/CodeValue.h"
#include "entities/Verein.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

void run(const std::string &sql)
{
    TestDatabase::connectAsAdmin("kdb")->query(sql).execute();
}

QStringList texts(const QAbstractItemModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, 0).data().toString();
    return result;
}

// A table of clubs showing their country through its short text.
std::unique_ptr<CompositeTableModel> clubTable(DatabaseContext &ctx, qlonglong staat)
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(Verein::staatRow,
                    ColumnDescription(QStringLiteral("Staat"), 80, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          ctx, QStringLiteral("Staat"))));
    auto model =
        std::make_unique<CompositeTableModel>(QList<int>{Verein::staatRow}, std::move(columns));
    auto verein = std::make_unique<Verein>();
    verein->setStaat(staat);
    model->appendRow(std::move(verein));
    return model;
}

const char *const kNoComboBox =
    "ComboBoxDelegate::setEditorData says: comboBox is NULL.  Maybe this is a bug.";
const char *const kNoInt =
    "ComboBoxDelegate::setEditorData says: Value behind comboBox is not an int.  Maybe this is "
    "a bug.";

} // namespace

void CodeValueWidgetTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
    // "TestTyp": one value without position, two at position 2, one without short text.
    run("INSERT INTO CodeType (name) VALUES ('TestTyp'), ('LeererTyp')");
    run("INSERT INTO CodeValue (type, name, kurzText, reihenfolge) SELECT id, v.name, v.kurz, "
        "v.pos FROM CodeType, (SELECT 'ZWEI_A' AS name, 'Zwei A' AS kurz, 2 AS pos "
        "UNION ALL SELECT 'OHNE', 'Ohne Platz', NULL UNION ALL SELECT 'EINS', 'Eins', 1 "
        "UNION ALL SELECT 'ZWEI_B', 'Zwei B', 2 UNION ALL SELECT 'DREI', NULL, 3) v "
        "WHERE CodeType.name = 'TestTyp'");
    m_ctx = TestDatabase::openContext();
}

void CodeValueWidgetTest::cleanupTestCase()
{
    m_ctx.reset();
}

void CodeValueWidgetTest::comboOffersPositionedValues()
{
    // Of the two values at position 2 the one fetched later stays.
    QString later;
    for (const auto &value : m_ctx->codeManager().getCodeValues(QStringLiteral("TestTyp"))) {
        if (value->getName().startsWith(QLatin1String("ZWEI")))
            later = value->getKurzText();
    }
    QVERIFY(!later.isEmpty());

    CodeValueComboBox combo(*m_ctx, QStringLiteral("TestTyp"));
    QAbstractItemModelTester tester(combo.model());
    QCOMPARE(texts(combo.model()), (QStringList{"Eins", later, "", ""}));
    ComboBoxModel *model = combo.codeModel();
    QCOMPARE(model->emptyRow(), 3);
    QCOMPARE(model->idAt(0), QVariant(m_ctx->codeManager().idOf("TestTyp", "EINS")));
    QVERIFY(!model->idAt(3).isValid());
    QVERIFY(!model->idAt(4).isValid());
    QCOMPARE(model->index(0, 0).data(ComboBoxModel::IdRole), model->idAt(0));
    QCOMPARE(model->index(3, 0).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));

    const qlonglong ohne = m_ctx->codeManager().idOf("TestTyp", "OHNE");
    QStringList lines;
    {
        StreamCapture err(std::cerr);
        QCOMPARE(model->rowOf(ohne), -1);
        lines = err.lines();
    }
    QCOMPARE(lines, QStringList{QStringLiteral("Code value id %1 not known by this combo box.")
                                    .arg(ohne)});

    // The seed's countries: AT first.
    CodeValueComboBox staat(*m_ctx, QStringLiteral("Staat"));
    QCOMPARE(staat.itemText(0), QStringLiteral("Österreich"));
    QCOMPARE(staat.count(), int(m_ctx->codeManager().getCodeValues("Staat").size()) + 1);
}

void CodeValueWidgetTest::comboEmptyEntry_data()
{
    QTest::addColumn<QString>("emptyText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none given") << QString() << "";
    QTest::newRow("given empty") << "" << "";
    QTest::newRow("given") << "(alle)" << "(alle)";
}

void CodeValueWidgetTest::comboEmptyEntry()
{
    QFETCH(QString, emptyText);
    QFETCH(QString, shown);
    CodeValueComboBox combo(*m_ctx, QStringLiteral("DurchgangsStatus"), emptyText);
    QAbstractItemModelTester tester(combo.model());
    QCOMPARE(combo.count(), 4);
    const QModelIndex empty = combo.model()->index(3, 0);
    QCOMPARE(empty.data(Qt::DisplayRole), QVariant(shown));
    QCOMPARE(empty.data(Qt::EditRole), QVariant(shown));
    // A new combo box shows the empty entry.
    QCOMPARE(combo.currentIndex(), 3);
    QCOMPARE(combo.currentText(), shown);
    QVERIFY(!combo.value().isValid());
}

void CodeValueWidgetTest::comboOfTypeWithoutValues()
{
    for (const char *type : {"LeererTyp", "GibtEsNicht"}) {
        CodeValueComboBox combo(*m_ctx, QString::fromLatin1(type), QStringLiteral("-"));
        QAbstractItemModelTester tester(combo.model());
        QCOMPARE(texts(combo.model()), QStringList{QStringLiteral("-")});
        QVERIFY(!combo.value().isValid());
        combo.setValue(QVariant());
        QVERIFY(!combo.value().isValid());
    }
}

void CodeValueWidgetTest::comboCurrentValue()
{
    const CodeManager &codes = m_ctx->codeManager();
    const qlonglong angelegt = codes.idOf("DurchgangsStatus", "ANGELEGT");
    const qlonglong beendet = codes.idOf("DurchgangsStatus", "BEENDET");
    CodeValueComboBox combo(*m_ctx, QStringLiteral("DurchgangsStatus"));
    QCOMPARE(QString::fromLatin1(combo.metaObject()->userProperty().name()),
             QStringLiteral("value"));

    combo.setValue(beendet);
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(combo.value(), QVariant(beendet));
    QCOMPARE(combo.value().metaType().id(), int(QMetaType::LongLong));
    // An id that arrives as an int.
    combo.setValue(int(angelegt));
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(combo.value(), QVariant(angelegt));

    combo.setValue(QVariant());
    QCOMPARE(combo.currentIndex(), 3);
    QVERIFY(!combo.value().isValid());

    combo.setCurrentIndex(1);
    QCOMPARE(combo.value(), QVariant(codes.idOf("DurchgangsStatus", "WIRD_JURIERT")));
    combo.setCurrentIndex(-1);
    QVERIFY(!combo.value().isValid());
}

void CodeValueWidgetTest::comboKeepsAnIdItCannotShow()
{
    // A record may hold a value that is not offered; showing and saving it keeps it.
    const qlonglong ohne = m_ctx->codeManager().idOf("TestTyp", "OHNE");
    CodeValueComboBox combo(*m_ctx, QStringLiteral("TestTyp"));
    QStringList lines;
    {
        StreamCapture err(std::cerr);
        combo.setValue(ohne);
        lines = err.lines();
    }
    QCOMPARE(lines, QStringList{QStringLiteral("Code value id %1 not known by this combo box.")
                                    .arg(ohne)});
    QCOMPARE(combo.currentIndex(), combo.codeModel()->emptyRow());
    QCOMPARE(combo.value(), QVariant(ohne));

    // The user choosing the empty entry clears it.
    emit combo.activated(combo.currentIndex());
    QVERIFY(!combo.value().isValid());

    combo.setValue(ohne);
    combo.setCurrentIndex(0);
    QCOMPARE(combo.value(), QVariant(m_ctx->codeManager().idOf("TestTyp", "EINS")));
    combo.setValue(ohne);
    combo.setValue(QVariant());
    QVERIFY(!combo.value().isValid());
}

void CodeValueWidgetTest::codeConverters_data()
{
    QTest::addColumn<QString>("type"); // empty: the round-name converter
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("shown");

    const CodeManager &codes = m_ctx->codeManager();
    const auto id = [&codes](const char *type, const char *name) {
        return QVariant(codes.idOf(QString::fromLatin1(type), QString::fromLatin1(name)));
    };
    const QVariant at = id("Staat", "AT");
    const QVariant none;
    QTest::newRow("country") << "Staat" << at << QVariant(QStringLiteral("Österreich"));
    QTest::newRow("country id as int") << "Staat" << QVariant(at.toInt())
                                       << QVariant(QStringLiteral("Österreich"));
    QTest::newRow("id of another type") << "Staat" << id("DurchgangsArt", "ERSTER_DURCHGANG")
                                        << none;
    QTest::newRow("unknown id") << "Staat" << QVariant(qlonglong(987654)) << none;
    QTest::newRow("null") << "Staat" << none << none;
    QTest::newRow("text") << "Staat" << QVariant(QStringLiteral("AT")) << none;
    QTest::newRow("digits as text") << "Staat" << QVariant(at.toString()) << none;
    QTest::newRow("value not offered") << "TestTyp" << id("TestTyp", "OHNE")
                                       << QVariant(QStringLiteral("Ohne Platz"));
    QTest::newRow("value without short text") << "TestTyp" << id("TestTyp", "DREI") << none;
    QTest::newRow("shared name, own type")
        << "WettbewerbsStatus" << id("WettbewerbsStatus", "ANGELEGT")
        << QVariant(QStringLiteral("Angelegt"));
    QTest::newRow("shared name, other type")
        << "DurchgangsStatus" << id("WettbewerbsStatus", "ANGELEGT") << none;

    QTest::newRow("first round") << "" << id("DurchgangsArt", "ERSTER_DURCHGANG")
                                 << QVariant(QStringLiteral("1"));
    QTest::newRow("lower third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_SCHLECHTE")
                                 << QVariant(QStringLiteral("2 (unteres Drittel)"));
    QTest::newRow("middle third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_MITTLERE")
                                  << QVariant(QStringLiteral("2 (mittleres Drittel)"));
    QTest::newRow("best third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_BESTE")
                                << QVariant(QStringLiteral("2 (bestes Drittel)"));
    QTest::newRow("overall") << "" << id("DurchgangsArt", "GESAMTWERTUNG") << none;
    QTest::newRow("round of another type") << "" << at << none;
    QTest::newRow("round null") << "" << none << none;
    QTest::newRow("round as text") << "" << QVariant(QStringLiteral("1")) << none;
}

void CodeValueWidgetTest::codeConverters()
{
    QFETCH(QString, type);
    QFETCH(QVariant, value);
    QFETCH(QVariant, shown);
    std::unique_ptr<VariantConverter> converter;
    if (type.isEmpty())
        converter = std::make_unique<DurchgangsNameVariantConverter>(*m_ctx);
    else
        converter = std::make_unique<CodeValueKurzTextVariantConverter>(*m_ctx, type);
    QCOMPARE(converter->convert(value), shown);
}

void CodeValueWidgetTest::converterFollowsReloadedCodes()
{
    const qlonglong at = m_ctx->codeManager().idOf("Staat", "AT");
    CodeValueKurzTextVariantConverter staat(*m_ctx, QStringLiteral("Staat"));
    DurchgangsNameVariantConverter runde(*m_ctx);
    const QVariant first(m_ctx->codeManager().idOf("DurchgangsArt", "ERSTER_DURCHGANG"));
    run("UPDATE CodeValue SET kurzText = 'Austria' WHERE name = 'AT'");
    m_ctx->reloadConfiguration();
    QCOMPARE(staat.convert(at), QVariant(QStringLiteral("Austria")));
    QCOMPARE(runde.convert(first), QVariant(QStringLiteral("1")));
    run("UPDATE CodeValue SET kurzText = 'Österreich' WHERE name = 'AT'");
    m_ctx->reloadConfiguration();
    QCOMPARE(staat.convert(at), QVariant(QStringLiteral("Österreich")));
}

void CodeValueWidgetTest::comboBoxDelegate()
{
    const CodeManager &codes = m_ctx->codeManager();
    auto model = clubTable(*m_ctx, codes.idOf("Staat", "AT"));
    QAbstractItemModelTester tester(model.get());
    const QModelIndex cell = model->index(0, 0);
    QCOMPARE(cell.data().toString(), QStringLiteral("Österreich"));

    ComboBoxDelegate delegate(*m_ctx, QStringLiteral("Staat"));
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    auto *combo = qobject_cast<CodeValueComboBox *>(editor.get());
    QVERIFY(combo);
    delegate.setEditorData(combo, cell);
    QCOMPARE(combo->currentText(), QStringLiteral("Österreich"));

    combo->setValue(codes.idOf("Staat", "DE"));
    StreamCapture err(std::cerr);
    delegate.setModelData(combo, model.get(), cell);
    QVERIFY(err.lines().isEmpty());
    QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), codes.idOf("Staat", "DE"));
    QCOMPARE(cell.data().toString(), QStringLiteral("Deutschland"));
}

void CodeValueWidgetTest::comboBoxDelegateErrorLines()
{
    const CodeManager &codes = m_ctx->codeManager();
    const qlonglong at = codes.idOf("Staat", "AT");
    auto model = clubTable(*m_ctx, at);
    const QModelIndex cell = model->index(0, 0);
    ComboBoxDelegate delegate(*m_ctx, QStringLiteral("Staat"), QStringLiteral("(keiner)"));
    QLineEdit lineEdit;
    CodeValueComboBox combo(*m_ctx, QStringLiteral("Staat"));

    const auto linesOf = [](const std::function<void()> &call) {
        StreamCapture err(std::cerr);
        call();
        return err.lines();
    };
    QCOMPARE(linesOf([&] { delegate.setEditorData(&lineEdit, cell); }),
             QStringList{QString::fromLatin1(kNoComboBox)});
    QCOMPARE(linesOf([&] { delegate.setModelData(&lineEdit, model.get(), cell); }),
             QStringList{QString::fromLatin1(kNoComboBox)});
    combo.setValue(QVariant());
    QCOMPARE(linesOf([&] { delegate.setModelData(&combo, model.get(), cell); }),
             QStringList{QString::fromLatin1(kNoInt)});
    QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), at);

    // A null cell shows the empty entry, without complaint.
    model->rowObjectAs<Verein>(0)->setStaatNull();
    combo.setValue(codes.idOf("Staat", "CH"));
    QVERIFY(linesOf([&] { delegate.setEditorData(&combo, cell); }).isEmpty());
    QVERIFY(!combo.value().isValid());
}

void CodeValueWidgetTest::codeValueTableDelegate()
{
    const CodeManager &codes = m_ctx->codeManager();
    const qlonglong at = codes.idOf("Staat", "AT");
    CodeValueTableDelegate delegate(*m_ctx);
    const QLocale locale = QLocale::c();
    QCOMPARE(delegate.displayText(QVariant(at), locale), QStringLiteral("Österreich"));
    QCOMPARE(delegate.displayText(QVariant(qlonglong(987654)), locale), QString());
    QCOMPARE(delegate.displayText(QVariant(QStringLiteral("frei")), locale),
             QStringLiteral("frei"));
    QCOMPARE(delegate.displayText(QVariant(codes.idOf("TestTyp", "DREI")), locale), QString());

    // The editor shows the text and never writes it over the id.
    auto model = clubTable(*m_ctx, at);
    const QModelIndex cell = model->index(0, 0);
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    auto *edit = qobject_cast<QLineEdit *>(editor.get());
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    delegate.setEditorData(edit, cell);
    QCOMPARE(edit->text(), QStringLiteral("Österreich"));
    delegate.setModelData(edit, model.get(), cell);
    QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), at);
}
