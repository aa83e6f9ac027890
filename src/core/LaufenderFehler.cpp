#include "LaufenderFehler.h"

#include "AnwendungsFehler.h"
#include "PersistenceException.h"

#include <QCoreApplication>

#include <mysql++/exceptions.h>

namespace {

struct Texte
{
    Q_DECLARE_TR_FUNCTIONS(LaufenderFehler)
};

} // namespace

Meldung laufenderFehler()
{
    try {
        throw;
    } catch (const AnwendungsFehler &fehler) {
        return fehler.meldung;
    } catch (const PersistenceException &fehler) {
        return {fehler.shortText(), fehler.longText(), fehler.shortText()};
    } catch (const NoSuchPrivilegeException &fehler) {
        return {fehler.shortText(), fehler.longText(), fehler.shortText()};
    } catch (const mysqlpp::Exception &fehler) {
        const auto p = PersistenceException::databaseError(QString::fromUtf8(fehler.what()));
        return {p.shortText(), p.longText(), p.shortText()};
    } catch (const std::exception &fehler) {
        return {Texte::tr("Interner Fehler"), QString::fromUtf8(fehler.what()),
                Texte::tr("Interner Fehler")};
    } catch (...) {
        return {Texte::tr("Interner Fehler"), Texte::tr("Unbekannter Fehler"),
                Texte::tr("Interner Fehler")};
    }
}
