#include "UserCommands.h"

#include "AdminError.h"
#include "BenutzerHelper.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "ToolContext.h"
#include "controllers/BenutzerController.h"
#include "entities/Benutzer.h"

#include <cstdio>

namespace {

std::string text(const QString &string)
{
    return string.toStdString();
}

std::unique_ptr<DatabaseContext> login(const UserCommand &command)
{
    auto ctx = openKalvorContext({command.address, command.adminUser, command.adminPassword});
    if (!ctx->benutzer() || ctx->benutzer()->getBenutzername() != QLatin1String("root"))
        throw AdminError("Only the Kalvor user root manages users; log in with --user root.");
    return ctx;
}

std::unique_ptr<Benutzer> finde(DatabaseContext &ctx, const QString &name)
{
    auto gefunden = BenutzerController().select(ctx, {{QStringLiteral("benutzername"), name}});
    if (gefunden.size() != 1)
        throw AdminError("There is no user " + text(name) + ".");
    return std::move(gefunden.front());
}

void refuse(const Meldung &meldung)
{
    throw AdminError(text(meldung.titel + QStringLiteral(": ") + meldung.text.simplified()));
}

void print(const QString &line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
}

} // namespace

void runUserCommand(const UserCommand &command)
{
    const auto ctx = login(command);
    BenutzerHelper helper(*ctx);
    const QString passwort = QString::fromStdString(command.newPassword);
    try {
        if (command.action == QLatin1String("list")) {
            for (const auto &benutzer : BenutzerController().select(*ctx, {})) {
                const auto flag = [](bool has, bool value) { return has && value ? "yes" : "no"; };
                print(QStringLiteral("%1 gui=%2 web=%3")
                          .arg(benutzer->hasBenutzername() ? benutzer->getBenutzername() : QString(),
                               QLatin1String(flag(benutzer->hasGuiBenutzer(), benutzer->getGuiBenutzer())),
                               QLatin1String(flag(benutzer->hasWebBenutzer(), benutzer->getWebBenutzer()))));
            }
            return;
        }
        if (command.action == QLatin1String("add")) {
            Benutzer benutzer;
            benutzer.setBenutzername(command.name);
            benutzer.setGuiBenutzer(command.gui);
            benutzer.setWebBenutzer(command.web);
            if (const auto meldung = helper.pruefe(benutzer, passwort, passwort,
                                                   BenutzerHelper::Speichern::Neu, "kalvor-admin"))
                refuse(*meldung);
            helper.speichere(benutzer, BenutzerHelper::Speichern::Neu);
            print(QStringLiteral("Created the user %1 (account %2).")
                      .arg(command.name, BenutzerHelper::account(benutzer)));
            return;
        }
        if (command.name == QLatin1String("root"))
            throw AdminError(command.action == QLatin1String("delete")
                                 ? "Der root-Benutzer kann nicht geloescht werden."
                                 : "Kalvor never changes the password or the account of root.");
        const auto benutzer = finde(*ctx, command.name);
        if (command.action == QLatin1String("passwd")) {
            if (const auto meldung = helper.pruefe(*benutzer, passwort, passwort,
                                                   BenutzerHelper::Speichern::NurPasswort,
                                                   "kalvor-admin"))
                refuse(*meldung);
            helper.speichere(*benutzer, BenutzerHelper::Speichern::NurPasswort);
            print(QStringLiteral("Set the password of the user %1.").arg(command.name));
            return;
        }
        helper.deleteDbUser(*benutzer);
        print(QStringLiteral("Deleted the user %1, its account and its data permissions.")
                  .arg(command.name));
    } catch (const PersistenceException &error) {
        throw AdminError(text(error.shortText() + QStringLiteral(": ") + error.longText().simplified()));
    }
}
