#include "tst_persistence.h"

#include "TestRegistry.h"

#include "DataModel.h"
#include "entities/AllEntities.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <QtTest>

#include <iostream>
#include <sstream>

namespace {

// Captures what is written to std::cout while it lives.
class CoutCapture
{
public:
    CoutCapture() : m_old(std::cout.rdbuf(m_buffer.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(m_old); }
    std::string text() const { return m_buffer.str(); }

private:
    std::ostringstream m_buffer;
    std::streambuf *m_old;
};

} // namespace

void EntityTest::newObjectIsAllNull()
{
    Verein verein;
    QCOMPARE(verein.rowCount(), 14);
    QCOMPARE(verein.getEntityName(), QStringLiteral("Verein"));
    for (int row = 0; row < verein.rowCount(); ++row) {
        const QModelIndex index = verein.index(row, 0);
        QVERIFY(!verein.data(index, Qt::DisplayRole).isValid());
        QVERIFY(!verein.data(index, Qt::EditRole).isValid());
        QCOMPARE(verein.data(index, Qt::TextAlignmentRole).toInt(), 130);
        QVERIFY(!verein.data(index, Qt::ToolTipRole).isValid());
        QVERIFY(verein.flags(index) & Qt::ItemIsEditable);
        QVERIFY(!verein.headerData(row, Qt::Vertical).isValid());
    }
    QVERIFY(!verein.hasId());
    QVERIFY(!verein.hasName());
    QVERIFY(!verein.getValue(-1).isValid());
    QVERIFY(!verein.getValue(14).isValid());
    QCOMPARE(Persistent().rowCount(), 3);
}

void EntityTest::settersSignalInOrder()
{
    Verein verein;
    QStringList events;
    connect(&verein, &QAbstractItemModel::dataChanged, this,
            [&](const QModelIndex &from, const QModelIndex &to) {
                events << QStringLiteral("dataChanged %1-%2").arg(from.row()).arg(to.row());
            });
    connect(&verein, &Verein::nameChanged, this, [&](Verein *object) {
        QCOMPARE(object, &verein);
        events << QStringLiteral("nameChanged");
    });
    connect(&verein, &Persistent::idChanged, this, [&](Persistent *object) {
        QCOMPARE(object, static_cast<Persistent *>(&verein));
        events << QStringLiteral("idChanged");
    });

    verein.setName(QStringLiteral("Fotoklub"));
    verein.setName(QStringLiteral("Fotoklub")); // no comparison: signals again
    verein.setNameNull();
    verein.setId(7);
    QCOMPARE(events, QStringList({QStringLiteral("dataChanged 5-5"), QStringLiteral("nameChanged"),
                                  QStringLiteral("dataChanged 5-5"), QStringLiteral("nameChanged"),
                                  QStringLiteral("dataChanged 5-5"), QStringLiteral("nameChanged"),
                                  QStringLiteral("dataChanged 0-0"),
                                  QStringLiteral("idChanged")}));
    QVERIFY(!verein.hasName());
    QCOMPARE(verein.getId(), 7);
}

void EntityTest::setDataConvertsAndNulls()
{
    Verein verein;
    verein.setId(3);
    QSignalSpy idSpy(&verein, &Persistent::idChanged);
    QVERIFY(verein.setData(verein.index(0, 0), QVariant(), Qt::EditRole));
    QVERIFY(!verein.hasId());
    QCOMPARE(idSpy.count(), 1);

    // Values are converted to the attribute's type.
    QVERIFY(verein.setData(verein.index(0, 0), QStringLiteral("42"), Qt::EditRole));
    QCOMPARE(verein.getId(), 42);
    QCOMPARE(verein.getValue(0).metaType().id(), int(QMetaType::LongLong));
    QVERIFY(verein.setData(verein.index(6, 0), 1, Qt::EditRole)); // inaktiv
    QCOMPARE(verein.getInaktiv(), true);

    Wettbewerb wettbewerb;
    const int datumRow = wettbewerb.classInfo().rowOf(QStringLiteral("datum"));
    QVERIFY(wettbewerb.setData(wettbewerb.index(datumRow, 0), QStringLiteral("2026-05-01")));
    QCOMPARE(wettbewerb.getDatum(), QDate(2026, 5, 1));
}

void EntityTest::setDataRejectsOtherRoles()
{
    Verein verein;
    CoutCapture capture;
    QVERIFY(!verein.setData(verein.index(5, 0), QStringLiteral("x"), Qt::DisplayRole));
    QVERIFY(!verein.setData(QModelIndex(), QStringLiteral("x"), Qt::EditRole));
    QCOMPARE(capture.text(), std::string("else case of Verein::setData called, role = 0\n"
                                         "else case of Verein::setData called, role = 2\n"));
    QVERIFY(!verein.hasName());
}

void EntityTest::mapRoundTrip_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<QVariantMap>("values");

    QTest::newRow("new object") << QStringLiteral("Verein") << QVariantMap();
    QTest::newRow("texts, bool, reference")
        << QStringLiteral("Verein")
        << QVariantMap{{QStringLiteral("id"), qlonglong(5)},
                       {QStringLiteral("name"), QStringLiteral("Fotoklub \"Linz\" \\ Ä😀")},
                       {QStringLiteral("inaktiv"), false},
                       {QStringLiteral("dachverband"), qlonglong(1)}};
    QTest::newRow("date, int, timestamp")
        << QStringLiteral("Wettbewerb")
        << QVariantMap{{QStringLiteral("datum"), QDate(2026, 12, 6)},
                       {QStringLiteral("anzahlBilderFuerWertung"), 4},
                       {QStringLiteral("create_tist"), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))},
                       {QStringLiteral("jugendAbInput"), QStringLiteral("01.01.2008")}};
    QTest::newRow("double") << QStringLiteral("Durchgang")
                            << QVariantMap{{QStringLiteral("minRang"), 0.333333},
                                           {QStringLiteral("maxRang"), 2.5}};
    QTest::newRow("bytes with NUL") << QStringLiteral("BildDaten")
                                    << QVariantMap{{QStringLiteral("daten"),
                                                    QByteArray("\xff\xd8\0\x01", 4)}};
    QTest::newRow("inherited and transient")
        << QStringLiteral("Mitglied")
        << QVariantMap{{QStringLiteral("vorname"), QStringLiteral("Anna")},
                       {QStringLiteral("datumGeburtInput"), QStringLiteral("1.2.2000")},
                       {QStringLiteral("verein"), qlonglong(9)},
                       {QStringLiteral("datumAustrittInput"), QString()}};
}

void EntityTest::mapRoundTrip()
{
    QFETCH(QString, entity);
    QFETCH(QVariantMap, values);

    const DataModel model;
    const RecordClassInfo &info = model.entity(entity)->classInfo();
    std::unique_ptr<Record> original(info.create());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const int row = info.rowOf(it.key());
        QVERIFY2(row >= 0, qPrintable(it.key()));
        original->setValueAt(row, it.value());
    }

    const QVariantMap map = original->toMap();
    QCOMPARE(map.size(), info.rowCount());
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        QCOMPARE(it.value(), values.value(it.key()));

    // The map constructor of the generated class gives an equal object.
    std::unique_ptr<Record> copy;
    if (entity == QLatin1String("Verein"))
        copy.reset(new Verein(map));
    else if (entity == QLatin1String("Wettbewerb"))
        copy.reset(new Wettbewerb(map));
    else if (entity == QLatin1String("Durchgang"))
        copy.reset(new Durchgang(map));
    else if (entity == QLatin1String("BildDaten"))
        copy.reset(new BildDaten(map));
    else
        copy.reset(new Mitglied(map));
    QCOMPARE(copy->toMap(), map);
}

void EntityTest::mapConstructorConvertsTypes()
{
    const Wettbewerb wettbewerb(QVariantMap{{QStringLiteral("id"), QStringLiteral("12")},
                                            {QStringLiteral("anzahlBilderFuerWertung"), 3.0},
                                            {QStringLiteral("datum"), QStringLiteral("2027-03-04")},
                                            {QStringLiteral("name"), QVariant()},
                                            {QStringLiteral("unknown"), 1}});
    QCOMPARE(wettbewerb.getId(), 12);
    QCOMPARE(wettbewerb.getAnzahlBilderFuerWertung(), 3);
    QCOMPARE(wettbewerb.getDatum(), QDate(2027, 3, 4));
    QVERIFY(!wettbewerb.hasName());
    QVERIFY(!wettbewerb.hasOrt());
}

void EntityTest::cloneAndCopy()
{
    Mitglied mitglied;
    mitglied.setId(11);
    mitglied.setVorname(QStringLiteral("Eva"));
    mitglied.setDatumGeburt(QDate(1990, 4, 5));
    mitglied.setDatumGeburtInput(QStringLiteral("05.04.1990"));
    mitglied.setMitgliedsNummerKomplett(QStringLiteral("3127C"));
    mitglied.setDatumEintrittInput(QStringLiteral("x"));

    std::unique_ptr<Mitglied> clone(mitglied.clone());
    QCOMPARE(clone->getEntityName(), QStringLiteral("Mitglied"));
    QCOMPARE(clone->toMap(), mitglied.toMap());
    QCOMPARE(clone->getVorname(), QStringLiteral("Eva"));
    QCOMPARE(clone->getDatumGeburtInput(), QStringLiteral("05.04.1990"));
    QVERIFY(!clone->hasNachname());
    clone->setNachname(QStringLiteral("Huber"));
    QVERIFY(!mitglied.hasNachname()); // values, not shared

    Mitglied target;
    target.setNachname(QStringLiteral("Alt"));
    QSignalSpy spy(&target, &Mitglied::nachnameChanged);
    target.copyFrom(mitglied);
    QCOMPARE(target.toMap(), mitglied.toMap());
    QCOMPARE(spy.count(), 1);

    Verein source;
    source.setId(4);
    source.setMut_tist(QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
    source.setName(QStringLiteral("nicht kopiert"));
    Verein other;
    other.setCreate_tist(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    other.copyPersistentFrom(source);
    QCOMPARE(other.getId(), 4);
    QVERIFY(!other.hasCreate_tist()); // null stays null
    QCOMPARE(other.getMut_tist(), source.getMut_tist());
    QVERIFY(!other.hasName());

    other.setAllNull();
    for (int row = 0; row < other.rowCount(); ++row)
        QVERIFY(!other.isSetAt(row));
}

void EntityTest::rowLayoutFollowsClassLevels()
{
    // Person's persisted attributes, its transient one, then the class's own.
    const RecordClassInfo &info = Mitglied::staticClassInfo();
    QCOMPARE(QString::fromLatin1(info.slotAt(3).name), QStringLiteral("datumGeburt"));
    QCOMPARE(QString::fromLatin1(info.slotAt(16).name), QStringLiteral("staat"));
    QCOMPARE(QString::fromLatin1(info.slotAt(17).name), QStringLiteral("datumGeburtInput"));
    QCOMPARE(QString::fromLatin1(info.slotAt(18).name), QStringLiteral("verein"));
    QCOMPARE(info.rowCount(), 3 + 14 + 1 + 10 + 3);
    QCOMPARE(QString::fromLatin1(info.declaringClass(17).name), QStringLiteral("Person"));
    QCOMPARE(ExternerJuror::staticClassInfo().rowOf(QStringLiteral("nummer")), 18);
}

void EntityTest::nullGetterAborts_data()
{
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("own attribute") << QStringLiteral("verein") << QStringLiteral("Verein::name");
    QTest::newRow("inherited attribute")
        << QStringLiteral("mitglied") << QStringLiteral("Person::vorname");
}

void EntityTest::nullGetterAborts()
{
    QFETCH(QString, probe);
    QFETCH(QString, attribute);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KALVOR_NULL_GETTER_PROBE"), probe);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 255);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("Trying to return attribute %1 although it is null.\n"
                            "This is an internal error, aborting now.\n")
                 .arg(attribute));
}

int runNullGetterProbe(const QString &probe)
{
    if (probe == QLatin1String("verein")) {
        Verein verein;
        verein.setName(QStringLiteral("x"));
        verein.setNameNull();
        std::cout << verein.getName().toStdString();
    } else {
        Mitglied mitglied;
        std::cout << mitglied.getVorname().toStdString();
    }
    return 0;
}

KALVOR_REGISTER_TEST(EntityTest)
