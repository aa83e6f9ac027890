#pragma once

// Fixtures of the club and member tests: a fresh database per test with every event logged
// and every message box recorded; clubs, members and officials in it; typing into fields,
// widgets by name or text, and dialogs that a button opens.

#include "Clock.h"
#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "MessageBoxes.h"
#include "MitgliedsnummernManager.h"
#include "TestDatabase.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <mysql++/mysql++.h>

#include <functional>
#include <memory>

namespace clubfixtures {

using TestDatabase::run;

inline QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(sql));
}

inline int anzahl(const std::string &table, const std::string &where = {})
{
    return scalar("SELECT COUNT(*) FROM " + table + (where.empty() ? "" : " WHERE " + where))
        .toInt();
}

inline std::string id(qlonglong value)
{
    return std::to_string(value);
}

inline qlonglong code(DatabaseContext &ctx, const QString &type, const QString &name)
{
    return ctx.codeManager().idOf(type, name);
}

// A stored club; `komplett` null: the parent's complete number followed by `lokal`.
inline std::unique_ptr<Verein> neuerVerein(DatabaseContext &ctx, const QString &lokal,
                                           const QString &name, const Verein *dachverband = nullptr,
                                           QString komplett = QString())
{
    auto verein = std::make_unique<Verein>();
    verein->setVereinsNummerLokal(lokal);
    if (komplett.isNull())
        komplett = (dachverband ? dachverband->getVereinsNummerKomplett() : QString()) + lokal;
    verein->setVereinsNummerKomplett(komplett);
    if (!name.isNull())
        verein->setName(name);
    if (dachverband)
        verein->setDachverband(dachverband->getId());
    VereinController().insertOrUpdate(ctx, *verein);
    return verein;
}

// A stored member with its numbers computed from club, type and internal number.
inline std::unique_ptr<Mitglied> neuesMitglied(DatabaseContext &ctx, const Verein &verein,
                                               const QString &nummer, const QString &vorname,
                                               const QString &nachname,
                                               const QString &art = QStringLiteral("Club"),
                                               const QDate &austritt = QDate(),
                                               const QString &jugend = QStringLiteral("Nein"))
{
    auto mitglied = std::make_unique<Mitglied>();
    mitglied->setVerein(verein.getId());
    mitglied->setMitgliedsNummerImVerein(nummer);
    mitglied->setMitgliedsArt(code(ctx, QStringLiteral("Mitgliedsart"), art));
    mitglied->setJugend(code(ctx, QStringLiteral("Jugend"), jugend));
    mitglied->setVorname(vorname);
    mitglied->setNachname(nachname);
    if (austritt.isValid())
        mitglied->setDatumAustritt(austritt);
    MitgliedsnummernManager::berechneNummern(ctx, *mitglied);
    MitgliedController().insertOrUpdate(ctx, *mitglied);
    return mitglied;
}

inline qlonglong neuerFunktionstraeger(DatabaseContext &ctx, const Verein &verein,
                                       const Mitglied &mitglied, const QString &funktion,
                                       const QString &funktionsCode)
{
    Funktionstraeger funktionstraeger;
    funktionstraeger.setVerein(verein.getId());
    funktionstraeger.setMitglied(mitglied.getId());
    funktionstraeger.setFunktion(funktion);
    funktionstraeger.setFunktionsCode(code(ctx, QStringLiteral("Funktionstraeger"), funktionsCode));
    FunktionstraegerController().insertOrUpdate(ctx, funktionstraeger);
    return funktionstraeger.getId();
}

// The stored events of a category (and location, unless null), oldest first.
inline QStringList protokoll(const QString &category, const QString &location = QString())
{
    auto connection = TestDatabase::connectAsAdmin("kdb");
    mysqlpp::Query query = connection->query();
    query << "SELECT e.text FROM EventLog e JOIN EventLogCategory c ON c.id = e.category "
             "WHERE c.name = "
          << mysqlpp::quote << category.toStdString();
    if (!location.isNull())
        query << " AND e.location = " << mysqlpp::quote << location.toStdString();
    query << " ORDER BY e.id";
    QStringList texts;
    for (const mysqlpp::Row &row : query.store())
        texts << QString::fromUtf8(row[0].data(), int(row[0].length()));
    return texts;
}

// A row of a data table: its name, then its values in the order of the columns.
template <typename... Werte> void reihe(const char *name, const Werte &...werte)
{
    (QTest::newRow(name) << ... << werte);
}

// The boxes shown, one line each: "kind: title / text".
inline QStringList meldungen(const RecordingMessageBoxes &boxes)
{
    QStringList lines;
    for (const auto &box : boxes.shown())
        lines << box.kind + QStringLiteral(": ") + box.title + QStringLiteral(" / ") + box.text;
    return lines;
}

template <typename T = QWidget> T *feld(const QWidget *in, const QString &objectName)
{
    T *found = in->findChild<T *>(objectName);
    if (!found)
        qWarning("no field %s", qPrintable(objectName));
    return found;
}

// The push button with this text or object name in the window of `in` (not in a dialog
// opened from it); null when there is none.
inline QPushButton *knopf(const QWidget *in, const QString &key)
{
    QPushButton *found = nullptr;
    for (QPushButton *button : in->findChildren<QPushButton *>()) {
        if (button->window() != in->window() ||
            (button->text() != key && button->objectName() != key))
            continue;
        if (found)
            qWarning("button %s found twice", qPrintable(key));
        else
            found = button;
    }
    return found;
}

// Types into a line edit as the user does, then ends the editing.
inline void tippe(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
    emit edit->editingFinished();
}

// Fills fields below `in` by object name: line edits are typed into, combo boxes take the
// code value of that name ("" the empty entry), check boxes a bool.
inline void fuelle(DatabaseContext &ctx, const QWidget *in, const QVariantMap &felder)
{
    for (auto it = felder.cbegin(); it != felder.cend(); ++it) {
        QWidget *widget = feld(in, it.key());
        QVERIFY2(widget, qPrintable(it.key()));
        if (auto *combo = qobject_cast<CodeValueComboBox *>(widget)) {
            const QString name = it.value().toString();
            combo->setValue(name.isEmpty() ? QVariant()
                                           : QVariant(code(ctx, combo->typeName(), name)));
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            box->setChecked(it.value().toBool());
        } else {
            tippe(qobject_cast<QLineEdit *>(widget), it.value().toString());
        }
    }
}

// Handles the next application-modal dialog of type D once its exec() runs. The dialog that
// `handle` does not close is closed, so that no test hangs; `gesehen` tells whether a D came.
template <typename D>
void imNaechstenDialog(std::function<void(D &)> handle, bool *gesehen = nullptr)
{
    if (gesehen)
        *gesehen = false;
    QTimer::singleShot(0, [handle, gesehen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<D *>(modal)) {
            if (gesehen)
                *gesehen = true;
            handle(*dialog);
        }
        if (modal && modal->isVisible())
            modal->close();
    });
}

// The window-modal dialog of type D that `parent` opened last and that is still open.
template <typename D> D *offenerDialog(const QWidget *parent)
{
    D *open = nullptr;
    for (D *dialog : parent->findChildren<D *>()) {
        if (dialog->isVisible())
            open = dialog;
    }
    return open;
}

// A test class whose every test starts on a fresh database, at 14 May 2026 10:00, with every
// event stored in the event log and every message box recorded. legeAn() adds the data the
// tests of a class share.
class DatenbankTest : public QObject
{
    Q_OBJECT
protected:
    virtual void legeAn() {}

    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<RecordingMessageBoxes> m_boxes;

private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }

    void init()
    {
        TestDatabase::reinstall();
        m_clock = std::make_shared<FixedClock>(QDateTime(QDate(2026, 5, 14), QTime(10, 0)));
        m_ctx = TestDatabase::openContext(m_clock);
        run("DELETE FROM EventLogSettings");
        run("INSERT INTO EventLogSettings (level, levelOperand, toStdOut, toDB) "
            "VALUES (1, '>=', 0, 1)");
        m_ctx->reloadEventLogConfiguration();
        m_boxes = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxes.get());
        legeAn();
    }

    void cleanup()
    {
        MessageBoxes::install(nullptr);
        m_boxes.reset();
        m_ctx.reset();
    }
};

} // namespace clubfixtures
