#include "BildDatenLeser.h"

#include "DatabaseContext.h"
#include "controllers/BildDatenController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Session.h"

#include <mysql++/mysql++.h>

#include <memory>

namespace BildDatenLeser {

std::function<Leser()> aufEigenerVerbindung(const DatabaseContext &ctx)
{
    // Copies made here, on the GUI thread: the worker touches nothing of the GUI's context.
    std::shared_ptr<const DatenbankVerbindung> login(ctx.connectionRecord().clone());
    std::shared_ptr<const Session> session(ctx.session() ? ctx.session()->clone() : nullptr);
    return [login, session]() -> Leser {
        mysqlpp::Connection::thread_start();
        std::shared_ptr<DatabaseContext> eigener;
        try {
            eigener = std::shared_ptr<DatabaseContext>(
                new DatabaseContext(std::unique_ptr<DatenbankVerbindung>(login->clone()),
                                    session.get()),
                [](DatabaseContext *c) {
                    delete c;
                    mysqlpp::Connection::thread_end();
                });
        } catch (...) {
            mysqlpp::Connection::thread_end();
            throw;
        }
        return [eigener](qlonglong bildDaten) {
            const auto zeile = BildDatenController().readById(*eigener, bildDaten, true);
            return zeile && zeile->hasDaten() ? zeile->getDaten() : QByteArray();
        };
    };
}

} // namespace BildDatenLeser
