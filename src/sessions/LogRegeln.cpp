#include "LogRegeln.h"

#include "DatabaseContext.h"
#include "controllers/EventLogSettingsController.h"
#include "controllers/QueryLogSettingsController.h"

#include <QCoreApplication>
#include <QStringList>

#include <iostream>

namespace {

const QString kEventOrt = QStringLiteral("EventLogEditDialog");
const QString kQueryOrt = QStringLiteral("QueryLogEditDialog");

QString tr(const char *text)
{
    return QCoreApplication::translate("LogRegeln", text);
}

Meldung melde(DatabaseContext &ctx, const QString &log, const QString &titel, const QString &text)
{
    ctx.log(QStringLiteral("Fehlermeldung"), kEventOrt, 7, log);
    return Meldung{titel, text, log};
}

} // namespace

namespace LogRegeln {

std::optional<Meldung> pruefe(DatabaseContext &ctx, EventLogSettings &regel)
{
    const QString operand =
        regel.hasLevelOperand() ? regel.getLevelOperand().trimmed() : QString();
    const QString level = regel.hasLevelInput() ? regel.getLevelInput().trimmed() : QString();
    if (!operand.isEmpty() && level.isEmpty())
        return melde(ctx, tr("Kein Log-Level angegeben."), tr("Kein Log-Level angegeben"),
                     tr("Falls ein Log-Level-Operand angegeben wird, muss auch ein Log-Level "
                        "angegeben werden."));
    static const QStringList operanden = {QStringLiteral("<"), QStringLiteral("<="),
                                          QStringLiteral("="), QStringLiteral(">="),
                                          QStringLiteral(">")};
    if (!operand.isEmpty() && !operanden.contains(operand))
        return melde(ctx, tr("Illegaler Log-Level-Operand"), tr("Illegaler Log-Level-Operand"),
                     tr("Als Log-Level-Operand duerfen nur <,<=,=,>=,> verwendet werden."));
    if (operand.isEmpty())
        regel.setLevelOperandNull();
    else
        regel.setLevelOperand(operand);
    if (level.isEmpty()) {
        regel.setLevelNull();
        return std::nullopt;
    }
    if (operand.isEmpty())
        return melde(ctx, tr("Kein Log-Level-Operand angegeben"),
                     tr("Kein Log-Level-Operand angegeben"),
                     tr("Falls ein Log-Level angegeben wird, muss auch ein Log-Level-Operand "
                        "angegeben werden."));
    bool zahl = false;
    const int wert = level.toInt(&zahl);
    if (!zahl)
        return melde(ctx, tr("Log-Level nicht korrekt eingegeben"),
                     tr("Log-Level nicht korrekt eingegeben"),
                     tr("Der Log-Level ist eine ganze Zahl, ueblicherweise im Bereich 0 bis 9."));
    regel.setLevel(wert);
    return std::nullopt;
}

std::optional<Meldung> speichere(DatabaseContext &ctx, EventLogSettings &regel)
{
    if (auto meldung = pruefe(ctx, regel))
        return meldung;
    ctx.log(QStringLiteral("Dialog"), kEventOrt, 7, QStringLiteral("==> Pruefung erfolgreich."));
    EventLogSettingsController().insertOrUpdate(ctx, regel);
    std::cout << "Commit erfolgreich." << std::endl;
    ctx.reloadEventLogConfiguration();
    return std::nullopt;
}

void speichere(DatabaseContext &ctx, QueryLogSettings &regel)
{
    ctx.log(QStringLiteral("Dialog"), kQueryOrt, 7,
            QStringLiteral("==> Pruefung erfolgreich, alreadyInDB = %1").arg(regel.hasId() ? 1 : 0));
    QueryLogSettingsController().insertOrUpdate(ctx, regel);
    ctx.reloadQueryLogConfiguration();
}

void loesche(DatabaseContext &ctx, const EventLogSettings &regel)
{
    EventLogSettingsController().remove(ctx, regel);
    ctx.reloadEventLogConfiguration();
}

void loesche(DatabaseContext &ctx, const QueryLogSettings &regel)
{
    QueryLogSettingsController().remove(ctx, regel);
    ctx.reloadQueryLogConfiguration();
}

} // namespace LogRegeln
