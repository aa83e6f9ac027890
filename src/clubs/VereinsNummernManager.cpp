#include "VereinsNummernManager.h"

#include "DatabaseContext.h"
#include "controllers/VereinController.h"

#include <QSet>

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
    verein.setVereinsNummerKomplett(vereinsNummerKomplett(
        parent.hasVereinsNummerKomplett() ? parent.getVereinsNummerKomplett() : QString(), eigene));
    return true;
}

namespace {

// Renumbers below one club; `besucht` holds the clubs already done, so that a damaged tree
// with a cycle ends instead of recursing forever.
int nummeriereUnter(DatabaseContext &ctx, const Verein &verein, QSet<qlonglong> &besucht)
{
    if (!verein.hasId() || besucht.contains(verein.getId()))
        return 0;
    besucht.insert(verein.getId());
    VereinController controller;
    auto children = controller.readByDachverband(ctx, verein);
    std::cout << children.size() << " Untervereine gefunden." << std::endl;
    int stored = 0;
    for (auto &child : children) {
        if (besucht.contains(child->getId()))
            continue;
        if (VereinsNummernManager::berechneVereinsNummerKomplett(ctx, *child)) {
            controller.insertOrUpdate(ctx, *child);
            ++stored;
        }
        stored += nummeriereUnter(ctx, *child, besucht);
    }
    return stored;
}

} // namespace

int VereinsNummernManager::nummeriereUntervereine(DatabaseContext &ctx, const Verein &verein)
{
    QSet<qlonglong> besucht;
    return nummeriereUnter(ctx, verein, besucht);
}
