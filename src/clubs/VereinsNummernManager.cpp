#include "VereinsNummernManager.h"

#include "DatabaseContext.h"
#include "controllers/VereinController.h"

#include <iostream>

bool VereinsNummernManager::berechneVereinsNummerKomplett(DatabaseContext &ctx, Verein &verein)
{
    const QString eigene =
        verein.hasVereinsNummerLokal() ? verein.getVereinsNummerLokal() : QString();
    if (!verein.hasDachverband()) {
        verein.setVereinsNummerKomplett(eigene);
        return true;
    }
    VereinNachIdSearchModel search;
    search.setId(verein.getDachverband());
    const auto parents = VereinController().search(ctx, search);
    if (parents.size() > 1)
        std::cerr << "VereinsNummernManager - Dateninkonsistenz: Mehrer Dachverbände mit Id "
                  << verein.getDachverband() << " gefunden." << std::endl;
    if (parents.size() != 1)
        return false;
    const Verein &parent = *parents.front();
    verein.setVereinsNummerKomplett(
        (parent.hasVereinsNummerKomplett() ? parent.getVereinsNummerKomplett() : QString()) +
        eigene);
    return true;
}

int VereinsNummernManager::nummeriereUntervereine(DatabaseContext &ctx, const Verein &verein)
{
    VereinController controller;
    auto children = controller.readByDachverband(ctx, verein);
    std::cout << children.size() << " Untervereine gefunden." << std::endl;
    int stored = 0;
    for (auto &child : children) {
        if (berechneVereinsNummerKomplett(ctx, *child)) {
            controller.insertOrUpdate(ctx, *child);
            ++stored;
        }
        stored += nummeriereUntervereine(ctx, *child);
    }
    return stored;
}
