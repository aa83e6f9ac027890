// Entity objects: null flags, signals, the item-model face, maps and copies.
#include "tst_persistence.h"

#include "DataModel.h"
#include "SearchCatalogue.h"
#include "TestRegistry.h"
#include "entities/AllEntities.h"

#include <QMetaMethod>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <iostream>

using namespace Qt::StringLiterals;

class EntityTest : public QObject
{
    Q_OBJECT
private slots:
    // Entities, search models and join models: a new object is all null, and each attribute
    // keeps its value at its own row and signals that row and its own change signal.
    void everyGeneratedClass()
    {
        const DataModel model;
        std::vector<const RecordClassInfo *> classes;
        for (const EntityDescription *entity : model.entities())
            classes.push_back(&entity->classInfo());
        for (const SearchModelEntry &entry : searchModelCatalogue())
            classes.push_back(&entry.classInfo());
        for (const JoinEntry &entry : joinCatalogue())
            classes.insert(classes.end(), {&entry.rowClass(), &entry.searchClass()});
        QVERIFY(classes.size() > 100);

        for (const RecordClassInfo *info : classes) {
            std::unique_ptr<Record> record(info->create());
            QCOMPARE(record->rowCount(), info->rowCount());
            QCOMPARE(record->toMap().size(), info->rowCount());
            for (int row = 0; row < info->rowCount(); ++row) {
                const AttributeSlot &slot = info->slotAt(row);
                const QString where = QString::fromLatin1(info->name) + u'.' + slot.name;
                QVERIFY2(!record->isSetAt(row) && !record->data(record->index(row)).isValid(),
                         qPrintable(where));
                QSignalSpy own(record.get(), changeSignal(*record, slot.name));
                QSignalSpy changed(record.get(), &QAbstractItemModel::dataChanged);
                const QVariant value = sampleValue(slot.metaType);
                record->setValueAt(row, value);
                QVERIFY2(own.count() == 1 && changed.count() == 1, qPrintable(where));
                QCOMPARE(changed[0][0].toModelIndex().row(), row);
                QCOMPARE(record->getValue(row), value);
                QCOMPARE(record->toMap().value(QString::fromLatin1(slot.name)), value);
            }
        }
    }

    // Edits through the item model convert to the attribute's type; invalid means null.
    void setDataConvertsAndNulls()
    {
        Verein verein;
        verein.setId(3);
        QVERIFY(verein.setData(verein.index(0), QVariant(), Qt::EditRole));
        QVERIFY(!verein.hasId());
        QVERIFY(verein.setData(verein.index(0), u"42"_s, Qt::EditRole));
        QCOMPARE(verein.getValue(0), QVariant(qlonglong(42)));
        QVERIFY(verein.setData(verein.index(Verein::inaktivRow), 1, Qt::EditRole));
        QCOMPARE(verein.getInaktiv(), true);
        QVERIFY(!verein.setData(verein.index(Verein::nameRow), u"y"_s, Qt::DisplayRole));
        QVERIFY(!verein.setData(QModelIndex(), u"y"_s, Qt::EditRole));
        QVERIFY(!verein.hasName());
    }

    // The map constructor gives back what toMap gave, inherited and transient attributes
    // included; it converts values and ignores unknown names.
    void mapConstructor()
    {
        Mitglied original;
        QCOMPARE(Mitglied(original.toMap()).toMap(), original.toMap());
        for (int row = 0; row < original.rowCount(); ++row)
            original.setValueAt(row, sampleValue(original.classInfo().slotAt(row).metaType));
        QCOMPARE(Mitglied(original.toMap()).toMap(), original.toMap());

        const Wettbewerb wettbewerb(
            {{u"id"_s, u"12"_s}, {u"datum"_s, u"2027-03-04"_s}, {u"unknown"_s, 1}});
        QCOMPARE(wettbewerb.getId(), 12);
        QCOMPARE(wettbewerb.getDatum(), QDate(2027, 3, 4));
    }

    // A clone holds its own values; copyPersistentFrom copies only id and timestamps, nulls too.
    void cloneAndCopy()
    {
        Verein source;
        source.setId(4);
        source.setMut_tist(QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
        source.setName(u"nicht kopiert"_s);
        std::unique_ptr<Verein> clone(source.clone());
        QCOMPARE(clone->toMap(), source.toMap());
        clone->setName(u"Kopie"_s);
        QCOMPARE(source.getName(), u"nicht kopiert"_s);

        Verein other;
        other.setCreate_tist(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
        other.copyPersistentFrom(source);
        QCOMPARE(other.getId(), 4);
        QCOMPARE(other.getMut_tist(), source.getMut_tist());
        QVERIFY(!other.hasCreate_tist() && !other.hasName());
    }

    void nullGetterAborts_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("attribute");
        QTest::newRow("own attribute") << u"verein"_s << u"Verein::name"_s;
        QTest::newRow("inherited attribute") << u"mitglied"_s << u"Person::vorname"_s;
    }

    void nullGetterAborts()
    {
        QFETCH(QString, probe);
        QFETCH(QString, attribute);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"KALVOR_NULL_GETTER_PROBE"_s, probe);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 255);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 u"Trying to return attribute %1 although it is null.\n"
                 "This is an internal error, aborting now.\n"_s.arg(attribute));
    }

private:
    static QMetaMethod changeSignal(const QObject &object, const char *attribute)
    {
        const QMetaObject *meta = object.metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            if (meta->method(i).name() == QByteArray(attribute) + "Changed")
                return meta->method(i);
        }
        return {};
    }
};

int runNullGetterProbe(const QString &probe)
{
    if (probe == QLatin1String("verein")) {
        Verein verein;
        verein.setName(u"x"_s);
        verein.setNameNull();
        std::cout << verein.getName().toStdString();
    } else {
        std::cout << Mitglied().getVorname().toStdString();
    }
    return 0;
}

KALVOR_REGISTER_TEST(EntityTest)

#include "tst_entities.moc"
