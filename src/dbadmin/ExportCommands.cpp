#include "ExportCommands.h"

#include "AdminError.h"
#include "DatabaseContext.h"
#include "ExportStrategien.h"
#include "Exportdatei.h"
#include "entities/Wettbewerb.h"

#include <cstdio>

void runExportCommand(const ExportCommand &command)
{
    const auto ctx = openKalvorContext(command.login);
    std::unique_ptr<ExportCallStrategy> strategie;
    QString was = QStringLiteral("all data");
    if (command.all) {
        strategie = ExportStrategien::alleDaten();
    } else {
        const auto wettbewerb = competitionByNumber(*ctx, command.competition);
        strategie = command.withMembers ? ExportStrategien::wettbewerbMitMitgliedern(wettbewerb->getId())
                                        : ExportStrategien::wettbewerbAlleine(wettbewerb->getId());
        was = QStringLiteral("the competition ") + command.competition +
              (command.withMembers ? QStringLiteral(" with its members and clubs") : QString());
    }
    double sekunden = 0;
    withOneLineErrors([&] { sekunden = Exportdatei::schreibe(*ctx, *strategie, command.out); });
    std::printf("%s\n", QStringLiteral("Wrote %1 to %2 (%3 s).")
                            .arg(was, command.out, QString::number(sekunden, 'f', 1))
                            .toUtf8()
                            .constData());
}
