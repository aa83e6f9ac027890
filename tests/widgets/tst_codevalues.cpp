#include "tst_widgets.h"

#include "TestRegistry.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "CodeValueConverters.h"
#include "CompositeTableModel.h"
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

using TestDatabase::run;

QStringList texts(const QAbstractItemModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, 0).data().toString();
    return result;
}

// One club, its country shown by the country's short text.
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

QString notKnown(qlonglong id)
{
    return QStringLiteral("Code value id %1 not known by this combo box.").arg(id);
}

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
    CodeValueComboBox combo(*m_ctx, QStringLiteral("TestTyp"));
    QAbstractItemModelTester tester(combo.model());
    QCOMPARE(texts(combo.model()), (QStringList{"Eins", later, "", ""}));
    ComboBoxModel *model = combo.codeModel();
    QCOMPARE(model->index(0, 0).data(ComboBoxModel::IdRole),
             QVariant(m_ctx->codeManager().idOf("TestTyp", "EINS")));
    QVERIFY(!model->index(3, 0).data(ComboBoxModel::IdRole).isValid());
    QCOMPARE(model->index(3, 0).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));

    const qlonglong ohne = m_ctx->codeManager().idOf("TestTyp", "OHNE");
    StreamCapture err(std::cerr);
    QCOMPARE(model->rowOf(ohne), -1);
    QCOMPARE(err.lines(), QStringList{notKnown(ohne)});
}

void CodeValueWidgetTest::comboEmptyEntry_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("emptyText");
    QTest::addColumn<QStringList>("shown");
    const QStringList status{"Angelegt", "Wird juriert", "Beendet"};
    QTest::newRow("no text given") << "DurchgangsStatus" << QString() << status + QStringList{""};
    QTest::newRow("text given") << "DurchgangsStatus"
                                << "(alle)" << status + QStringList{"(alle)"};
    QTest::newRow("type without values") << "LeererTyp" << QString() << QStringList{""};
    QTest::newRow("unknown type") << "GibtEsNicht"
                                  << "-" << QStringList{"-"};
}

void CodeValueWidgetTest::comboEmptyEntry()
{
    QFETCH(QString, type);
    QFETCH(QString, emptyText);
    QFETCH(QStringList, shown);
    CodeValueComboBox combo(*m_ctx, type, emptyText);
    QAbstractItemModelTester tester(combo.model());
    QCOMPARE(texts(combo.model()), shown);
    // A new combo box, and one whose value is cleared, shows the empty entry.
    QCOMPARE(combo.currentIndex(), shown.size() - 1);
    QVERIFY(!combo.value().isValid());
    combo.setCurrentIndex(0);
    combo.setValue(QVariant());
    QCOMPARE(combo.currentText(), shown.last());
    QVERIFY(!combo.value().isValid());
}

void CodeValueWidgetTest::comboCurrentValue()
{
    const CodeManager &codes = m_ctx->codeManager();
    CodeValueComboBox combo(*m_ctx, QStringLiteral("DurchgangsStatus"));
    QCOMPARE(QByteArray(combo.metaObject()->userProperty().name()), QByteArray("value"));

    const qlonglong beendet = codes.idOf("DurchgangsStatus", "BEENDET");
    combo.setValue(beendet);
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(combo.value(), QVariant(beendet));
    QCOMPARE(combo.value().metaType().id(), int(QMetaType::LongLong));
    // An id that arrives as an int.
    combo.setValue(int(codes.idOf("DurchgangsStatus", "ANGELEGT")));
    QCOMPARE(combo.currentIndex(), 0);
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
    StreamCapture err(std::cerr);
    combo.setValue(ohne);
    QCOMPARE(err.lines(), QStringList{notKnown(ohne)});
    QCOMPARE(combo.currentIndex(), combo.codeModel()->emptyRow());
    QCOMPARE(combo.value(), QVariant(ohne));

    // Until the user picks an entry, even the empty one.
    emit combo.activated(combo.currentIndex());
    QVERIFY(!combo.value().isValid());
    combo.setValue(ohne);
    combo.setCurrentIndex(0);
    QCOMPARE(combo.value(), QVariant(m_ctx->codeManager().idOf("TestTyp", "EINS")));
}

void CodeValueWidgetTest::converters_data()
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
    QTest::newRow("id as int") << "Staat" << QVariant(at.toInt())
                               << QVariant(QStringLiteral("Österreich"));
    QTest::newRow("id of another type") << "Staat" << id("DurchgangsArt", "GESAMTWERTUNG") << none;
    QTest::newRow("unknown id") << "Staat" << QVariant(qlonglong(987654)) << none;
    QTest::newRow("null") << "Staat" << none << none;
    QTest::newRow("digits as text") << "Staat" << QVariant(at.toString()) << none;
    QTest::newRow("value not offered")
        << "TestTyp" << id("TestTyp", "OHNE") << QVariant(QStringLiteral("Ohne Platz"));
    QTest::newRow("value without short text") << "TestTyp" << id("TestTyp", "DREI") << none;
    QTest::newRow("name of two types, this one")
        << "WettbewerbsStatus" << id("WettbewerbsStatus", "ANGELEGT")
        << QVariant(QStringLiteral("Angelegt"));
    QTest::newRow("name of two types, the other")
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
    QTest::newRow("round as text") << "" << QVariant(QStringLiteral("1")) << none;
}

void CodeValueWidgetTest::converters()
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

void CodeValueWidgetTest::convertersFollowReloadedCodes()
{
    // The catalogue is replaced on reload (after an import); converters made before see the
    // new one.
    const qlonglong at = m_ctx->codeManager().idOf("Staat", "AT");
    const QVariant first(m_ctx->codeManager().idOf("DurchgangsArt", "ERSTER_DURCHGANG"));
    CodeValueKurzTextVariantConverter staat(*m_ctx, QStringLiteral("Staat"));
    DurchgangsNameVariantConverter runde(*m_ctx);
    run("UPDATE CodeValue SET kurzText = 'Austria' WHERE name = 'AT'");
    m_ctx->reloadConfiguration();
    QCOMPARE(staat.convert(at), QVariant(QStringLiteral("Austria")));
    QCOMPARE(runde.convert(first), QVariant(QStringLiteral("1")));
    run("UPDATE CodeValue SET kurzText = 'Österreich' WHERE name = 'AT'");
    m_ctx->reloadConfiguration();
}

void CodeValueWidgetTest::comboBoxDelegate()
{
    const CodeManager &codes = m_ctx->codeManager();
    const qlonglong at = codes.idOf("Staat", "AT");
    auto model = clubTable(*m_ctx, at);
    QAbstractItemModelTester tester(model.get());
    const QModelIndex cell = model->index(0, 0);
    Verein *verein = model->rowObjectAs<Verein>(0);
    ComboBoxDelegate delegate(*m_ctx, QStringLiteral("Staat"));
    QWidget parent;
    auto *combo = qobject_cast<CodeValueComboBox *>(
        delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    QVERIFY(combo);
    QLineEdit lineEdit;
    StreamCapture err(std::cerr);

    delegate.setEditorData(combo, cell);
    QCOMPARE(combo->currentText(), QStringLiteral("Österreich"));
    combo->setValue(codes.idOf("Staat", "DE"));
    delegate.setModelData(combo, model.get(), cell);
    QCOMPARE(verein->getStaat(), codes.idOf("Staat", "DE"));
    QCOMPARE(cell.data().toString(), QStringLiteral("Deutschland"));
    QVERIFY(err.lines().isEmpty());

    // Faults leave the cell unchanged and say so.
    delegate.setEditorData(&lineEdit, cell);
    delegate.setModelData(&lineEdit, model.get(), cell);
    combo->setValue(QVariant());
    delegate.setModelData(combo, model.get(), cell);
    QCOMPARE(verein->getStaat(), codes.idOf("Staat", "DE"));
    const QString noComboBox = QStringLiteral(
        "ComboBoxDelegate::setEditorData says: comboBox is NULL.  Maybe this is a bug.");
    QCOMPARE(err.lines(),
             (QStringList{noComboBox, noComboBox,
                          "ComboBoxDelegate::setEditorData says: Value behind comboBox is not an "
                          "int.  Maybe this is a bug."}));
}

void CodeValueWidgetTest::codeValueTableDelegate()
{
    const qlonglong at = m_ctx->codeManager().idOf("Staat", "AT");
    CodeValueTableDelegate delegate(*m_ctx);
    const QLocale locale = QLocale::c();
    QCOMPARE(delegate.displayText(QVariant(at), locale), QStringLiteral("Österreich"));
    QCOMPARE(delegate.displayText(QVariant(qlonglong(987654)), locale), QString());
    QCOMPARE(delegate.displayText(QVariant(QStringLiteral("frei")), locale),
             QStringLiteral("frei"));

    // The editor shows the text and never writes it over the id.
    auto model = clubTable(*m_ctx, at);
    const QModelIndex cell = model->index(0, 0);
    QWidget parent;
    auto *edit =
        qobject_cast<QLineEdit *>(delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    QVERIFY(edit && edit->isReadOnly());
    delegate.setEditorData(edit, cell);
    QCOMPARE(edit->text(), QStringLiteral("Österreich"));
    delegate.setModelData(edit, model.get(), cell);
    QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), at);
}

KALVOR_REGISTER_TEST(CodeValueWidgetTest)
