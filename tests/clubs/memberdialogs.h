#pragma once

// Fixtures of the member dialog tests: clubs and members in the test database, the event log
// rows of error messages, typing into fields.

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "MitgliedsnummernManager.h"
#include "TestDatabase.h"
#include "controllers/EventLogCategoryController.h"
#include "controllers/EventLogSettingsController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "entities/EventLogSettings.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "search/NachNameSearchModel.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <mysql++/mysql++.h>

#include <memory>

namespace memberdialogs {

using TestDatabase::run;

inline QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"), sql));
}

inline int count(const std::string &table)
{
    return scalar("SELECT COUNT(*) FROM " + table).toInt();
}

inline qlonglong code(DatabaseContext &ctx, const QString &type, const QString &name)
{
    return ctx.codeManager().idOf(type, name);
}

inline std::unique_ptr<Verein> club(DatabaseContext &ctx, const QString &nummer,
                                    const QString &name)
{
    auto verein = std::make_unique<Verein>();
    verein->setVereinsNummerLokal(nummer);
    verein->setVereinsNummerKomplett(nummer);
    verein->setName(name);
    VereinController().insertOrUpdate(ctx, *verein);
    return verein;
}

// A stored member with its numbers computed from club, type and internal number.
inline std::unique_ptr<Mitglied> member(DatabaseContext &ctx, const Verein &verein,
                                        const QString &nummer, const QString &art,
                                        const QString &vorname, const QString &nachname,
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

// From now on every event goes into the EventLog table.
inline void logEverythingToDatabase(DatabaseContext &ctx)
{
    run("DELETE FROM EventLogSettings");
    EventLogSettings rule;
    rule.setToStdOut(false);
    rule.setToDB(true);
    EventLogSettingsController().insertOrUpdate(ctx, rule);
    ctx.reloadEventLogConfiguration();
}

// The texts logged under "Fehlermeldung", oldest first.
inline QStringList loggedErrors()
{
    const auto connection = TestDatabase::connectAsAdmin("kdb");
    const mysqlpp::StoreQueryResult rows =
        connection
            ->query("SELECT log.text FROM EventLog log, EventLogCategory category "
                    "WHERE log.category = category.id AND category.name = 'Fehlermeldung' "
                    "AND log.level = 7 ORDER BY log.id")
            .store();
    QStringList texts;
    for (const mysqlpp::Row &row : rows)
        texts << QString::fromUtf8(row[0].c_str());
    return texts;
}

// Types into a line edit as a user does: the text, then the end of editing.
// A button of the window of `parent`, not one of a dialog opened from it.
inline QPushButton *button(const QWidget *parent, const char *name)
{
    for (QPushButton *found : parent->findChildren<QPushButton *>(QLatin1String(name))) {
        if (found->window() == parent->window())
            return found;
    }
    return nullptr;
}

// The dialog of type D that `parent` opened last and that is still open.
template <typename D> D *openDialog(const QWidget *parent)
{
    D *open = nullptr;
    for (D *dialog : parent->findChildren<D *>()) {
        if (dialog->isVisible())
            open = dialog;
    }
    return open;
}

inline void type(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    emit edit->editingFinished();
}

inline void choose(CodeValueComboBox *combo, qlonglong id)
{
    combo->setValue(id < 0 ? QVariant() : QVariant(id));
}

inline QString screenshotPath(const QString &name)
{
    QDir().mkpath(QStringLiteral(KALVOR_SCREENSHOT_DIR));
    return QDir(QStringLiteral(KALVOR_SCREENSHOT_DIR)).filePath(name);
}

} // namespace memberdialogs
