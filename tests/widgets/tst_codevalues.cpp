// Code-value combo box, the converters and delegates over the test server's codes.
#include "TestRegistry.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "CodeValueConverters.h"
#include "CompositeTableModel.h"
#include "DatabaseContext.h"
#include "Delegates.h"
#include "OutputCapture.h"
#include "TestDatabase.h"
#include "entities/CodeValue.h"
#include "entities/Verein.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QtTest>

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
                    ColumnDescription("Staat", 80, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          ctx, QStringLiteral("Staat"))));
    auto model =
        std::make_unique<CompositeTableModel>(QList<int>{Verein::staatRow}, std::move(columns));
    auto verein = std::make_unique<Verein>();
    verein->setStaat(staat);
    model->appendRow(std::move(verein));
    return model;
}

} // namespace

class CodeValueWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
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
    void cleanupTestCase() { m_ctx.reset(); }

    void comboEntries_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("emptyText");
        QTest::addColumn<QStringList>("shown");
        // Only values with a position are offered, by position; of the two at position 2 the
        // one fetched later stays. The empty entry comes last.
        QString later;
        for (const auto &value : m_ctx->codeManager().getCodeValues("TestTyp")) {
            if (value->getName().startsWith(QLatin1String("ZWEI")))
                later = value->getKurzText();
        }
        const QString status = "DurchgangsStatus";
        const QStringList statuses{"Angelegt", "Wird juriert", "Beendet"};
        QTest::newRow("by position")
            << "TestTyp" << QString() << QStringList{"Eins", later, "", ""};
        QTest::newRow("no text given") << status << QString() << statuses + QStringList{""};
        QTest::newRow("text given") << status << "(alle)" << statuses + QStringList{"(alle)"};
        QTest::newRow("type without values") << "LeererTyp" << QString() << QStringList{""};
        QTest::newRow("unknown type") << "GibtEsNicht"
                                      << "-" << QStringList{"-"};
    }

    void comboEntries()
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

    // The value is the chosen id as a qlonglong. A record may hold a value that is not offered:
    // showing and saving it keeps it, until the user picks an entry, even the empty one.
    void comboValue()
    {
        const auto id = [this](const char *name) {
            return m_ctx->codeManager().idOf("TestTyp", QString::fromLatin1(name));
        };
        CodeValueComboBox combo(*m_ctx, "TestTyp");
        combo.setValue(int(id("DREI"))); // an id as an int
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.value(), QVariant(id("DREI")));
        QCOMPARE(combo.value().metaType().id(), int(QMetaType::LongLong));
        combo.setCurrentIndex(0);
        QCOMPARE(combo.value(), QVariant(id("EINS")));
        combo.setCurrentIndex(-1);
        QVERIFY(!combo.value().isValid());

        OutputCapture err(2);
        combo.setValue(id("OHNE"));
        QCOMPARE(combo.currentIndex(), combo.codeModel()->emptyRow());
        QCOMPARE(combo.value(), QVariant(id("OHNE")));
        emit combo.activated(combo.currentIndex());
        QVERIFY(!combo.value().isValid());
        combo.setValue(id("OHNE"));
        combo.setCurrentIndex(0);
        QCOMPARE(combo.value(), QVariant(id("EINS")));
        const QString unknown =
            QStringLiteral("Code value id %1 not known by this combo box.").arg(id("OHNE"));
        QCOMPARE(err.lines(), QStringList({unknown, unknown}));
    }

    void converters_data()
    {
        QTest::addColumn<QString>("type"); // empty: the round-name converter
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("shown");

        const CodeManager &codes = m_ctx->codeManager();
        const auto id = [&codes](const char *type, const char *name) {
            return QVariant(codes.idOf(QString::fromLatin1(type), QString::fromLatin1(name)));
        };
        const QVariant at = id("Staat", "AT"), none;
        const QVariant austria(QStringLiteral("Österreich"));
        QTest::newRow("country") << "Staat" << at << austria;
        QTest::newRow("id as int") << "Staat" << QVariant(at.toInt()) << austria;
        QTest::newRow("id of another type")
            << "Staat" << id("DurchgangsArt", "GESAMTWERTUNG") << none;
        QTest::newRow("unknown id") << "Staat" << QVariant(qlonglong(987654)) << none;
        QTest::newRow("null") << "Staat" << none << none;
        QTest::newRow("digits as text") << "Staat" << QVariant(at.toString()) << none;
        QTest::newRow("value not offered")
            << "TestTyp" << id("TestTyp", "OHNE") << QVariant("Ohne Platz");
        QTest::newRow("value without short text") << "TestTyp" << id("TestTyp", "DREI") << none;
        QTest::newRow("name of two types, this one")
            << "WettbewerbsStatus" << id("WettbewerbsStatus", "ANGELEGT") << QVariant("Angelegt");
        QTest::newRow("name of two types, the other")
            << "DurchgangsStatus" << id("WettbewerbsStatus", "ANGELEGT") << none;

        QTest::newRow("first round")
            << "" << id("DurchgangsArt", "ERSTER_DURCHGANG") << QVariant("1");
        QTest::newRow("lower third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_SCHLECHTE")
                                     << QVariant("2 (unteres Drittel)");
        QTest::newRow("middle third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_MITTLERE")
                                      << QVariant("2 (mittleres Drittel)");
        QTest::newRow("best third") << "" << id("DurchgangsArt", "ZWEITER_DURCHGANG_BESTE")
                                    << QVariant("2 (bestes Drittel)");
        QTest::newRow("overall") << "" << id("DurchgangsArt", "GESAMTWERTUNG") << none;
        QTest::newRow("round of another type") << "" << at << none;
        QTest::newRow("round as text") << "" << QVariant("1") << none;
    }

    void converters()
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

    // The catalogue is replaced on reload (after an import); converters made before see it.
    void convertersFollowReloadedCodes()
    {
        const qlonglong at = m_ctx->codeManager().idOf("Staat", "AT");
        const QVariant first(m_ctx->codeManager().idOf("DurchgangsArt", "ERSTER_DURCHGANG"));
        CodeValueKurzTextVariantConverter staat(*m_ctx, "Staat");
        DurchgangsNameVariantConverter runde(*m_ctx);
        run("UPDATE CodeValue SET kurzText = 'Austria' WHERE name = 'AT'");
        m_ctx->reloadConfiguration();
        QCOMPARE(staat.convert(at), QVariant("Austria"));
        QCOMPARE(runde.convert(first), QVariant("1"));
        run("UPDATE CodeValue SET kurzText = 'Österreich' WHERE name = 'AT'");
        m_ctx->reloadConfiguration();
    }

    void comboBoxDelegate()
    {
        const CodeManager &codes = m_ctx->codeManager();
        auto model = clubTable(*m_ctx, codes.idOf("Staat", "AT"));
        QAbstractItemModelTester tester(model.get());
        const QModelIndex cell = model->index(0, 0);
        ComboBoxDelegate delegate(*m_ctx, "Staat");
        QWidget parent;
        auto *combo = qobject_cast<CodeValueComboBox *>(
            delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
        QVERIFY(combo);
        delegate.setEditorData(combo, cell);
        QCOMPARE(combo->currentText(), QStringLiteral("Österreich"));
        combo->setValue(codes.idOf("Staat", "DE"));
        delegate.setModelData(combo, model.get(), cell);
        QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), codes.idOf("Staat", "DE"));
        QCOMPARE(cell.data().toString(), QStringLiteral("Deutschland"));

        // Another editor or no value leave the cell as it is (and say so on standard error).
        OutputCapture err(2);
        QLineEdit lineEdit;
        delegate.setEditorData(&lineEdit, cell);
        delegate.setModelData(&lineEdit, model.get(), cell);
        combo->setValue(QVariant());
        delegate.setModelData(combo, model.get(), cell);
        QCOMPARE(model->rowObjectAs<Verein>(0)->getStaat(), codes.idOf("Staat", "DE"));
        QCOMPARE(err.lines().size(), 3);
    }

    void codeValueTableDelegate()
    {
        const qlonglong at = m_ctx->codeManager().idOf("Staat", "AT");
        CodeValueTableDelegate delegate(*m_ctx);
        const QLocale c = QLocale::c();
        QCOMPARE(delegate.displayText(QVariant(at), c), QStringLiteral("Österreich"));
        QCOMPARE(delegate.displayText(QVariant(qlonglong(987654)), c), QString());
        QCOMPARE(delegate.displayText(QVariant("frei"), c), QStringLiteral("frei"));

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

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(CodeValueWidgetTest)
#include "tst_codevalues.moc"
