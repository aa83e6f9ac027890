#pragma once

// Helpers of the club dialog tests: rows in the database, the event log, widgets by name or
// text, and modal dialogs opened by a button.

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "TestDatabase.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <mysql++/mysql++.h>

#include <functional>
#include <memory>

namespace clubdialogs {

using TestDatabase::run;

inline QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"), sql));
}

inline int count(const std::string &sql)
{
    return scalar(sql).toInt();
}

inline std::string id(qlonglong value)
{
    return std::to_string(value);
}

// A stored club; `komplett` null: the same as `lokal`.
inline std::unique_ptr<Verein> neuerVerein(DatabaseContext &ctx, const QString &lokal,
                                           const QString &name, const Verein *dachverband = nullptr,
                                           QString komplett = QString())
{
    auto verein = std::make_unique<Verein>();
    if (!lokal.isNull())
        verein->setVereinsNummerLokal(lokal);
    if (komplett.isNull() && !lokal.isNull())
        komplett = (dachverband ? dachverband->getVereinsNummerKomplett() : QString()) + lokal;
    if (!komplett.isNull())
        verein->setVereinsNummerKomplett(komplett);
    if (!name.isNull())
        verein->setName(name);
    if (dachverband)
        verein->setDachverband(dachverband->getId());
    VereinController().insertOrUpdate(ctx, *verein);
    return verein;
}

inline std::unique_ptr<Mitglied> neuesMitglied(DatabaseContext &ctx, const Verein &verein,
                                               const QString &vorname, const QString &nachname,
                                               const QString &nummer)
{
    auto mitglied = std::make_unique<Mitglied>();
    mitglied->setVerein(verein.getId());
    mitglied->setVorname(vorname);
    mitglied->setNachname(nachname);
    mitglied->setMitgliedsNummerImVerein(nummer);
    mitglied->setMitgliedsNummerKomplett(verein.getVereinsNummerKomplett() + nummer + "C");
    MitgliedController().insertOrUpdate(ctx, *mitglied);
    return mitglied;
}

inline qlonglong neuerFunktionstraeger(DatabaseContext &ctx, const Verein &verein,
                                       const Mitglied &mitglied, const QString &funktion,
                                       const QString &code)
{
    Funktionstraeger funktionstraeger;
    funktionstraeger.setVerein(verein.getId());
    funktionstraeger.setMitglied(mitglied.getId());
    funktionstraeger.setFunktion(funktion);
    funktionstraeger.setFunktionsCode(ctx.codeManager().idOf("Funktionstraeger", code));
    FunktionstraegerController().insertOrUpdate(ctx, funktionstraeger);
    return funktionstraeger.getId();
}

// From now on every event of the context is stored in the event log (and not printed).
inline void protokolliereAlles(DatabaseContext &ctx)
{
    run("DELETE FROM EventLogSettings");
    run("INSERT INTO EventLogSettings (level, levelOperand, toStdOut, toDB) "
        "VALUES (1, '>=', 0, 1)");
    ctx.reloadEventLogConfiguration();
}

// The stored events of a category and location, oldest first.
inline QStringList protokoll(const QString &category, const QString &location)
{
    auto connection = TestDatabase::connectAsAdmin("kdb");
    mysqlpp::Query query = connection->query();
    query << "SELECT e.text FROM EventLog e JOIN EventLogCategory c ON c.id = e.category "
             "WHERE c.name = "
          << mysqlpp::quote << category.toStdString() << " AND e.location = " << mysqlpp::quote
          << location.toStdString() << " ORDER BY e.id";
    QStringList texts;
    for (const mysqlpp::Row &row : query.store())
        texts << QString::fromUtf8(row[0].data(), int(row[0].length()));
    return texts;
}

template <typename T = QWidget> T *feld(const QWidget *in, const QString &objectName)
{
    T *found = in->findChild<T *>(objectName);
    if (!found)
        qWarning("no field %s", qPrintable(objectName));
    return found;
}

// The one push button below `in` with this text; null (with a warning) when there is none.
inline QPushButton *knopf(const QWidget *in, const QString &text)
{
    QPushButton *found = nullptr;
    for (QPushButton *button : in->findChildren<QPushButton *>()) {
        if (button->text() == text) {
            if (found)
                qWarning("button %s found twice", qPrintable(text));
            found = button;
        }
    }
    if (!found)
        qWarning("no button %s", qPrintable(text));
    return found;
}

// The texts of the push buttons that are direct children of a dialog, left to right.
inline QStringList eigeneKnoepfe(const QWidget *dialog)
{
    QStringList texts;
    for (const QPushButton *button :
         dialog->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly))
        texts << button->text();
    return texts;
}

// Handles the next modal dialog of type D once its exec() runs, then returns to the test.
// The dialog that `handle` does not close is closed, so that no test hangs; `gesehen` tells
// whether a D came.
template <typename D>
void imNaechstenDialog(std::function<void(D &)> handle, bool *gesehen = nullptr)
{
    if (gesehen)
        *gesehen = false;
    QTimer::singleShot(0, [handle, gesehen] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<D *>(modal);
        if (dialog) {
            if (gesehen)
                *gesehen = true;
            handle(*dialog);
        }
        if (modal && modal->isVisible())
            modal->close();
    });
}

} // namespace clubdialogs
