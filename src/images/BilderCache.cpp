#include "BilderCache.h"

#include "DatabaseContext.h"
#include "controllers/BildDatenController.h"
#include "entities/Bild.h"
#include "entities/BildDaten.h"

std::unique_ptr<BildDaten> BilderCache::bildDaten(DatabaseContext &ctx, const Bild &bild)
{
    if (!bild.hasBildDaten())
        return nullptr;
    const auto gefunden = m_zeilen.constFind(bild.getBildDaten());
    if (gefunden != m_zeilen.constEnd())
        return std::unique_ptr<BildDaten>(static_cast<BildDaten *>((*gefunden)->clone()));
    auto zeile = BildDatenController().readById(ctx, bild.getBildDaten(), true);
    if (zeile)
        lege(*zeile);
    return zeile;
}

void BilderCache::lege(const BildDaten &daten)
{
    if (!daten.hasId())
        return;
    if (!m_zeilen.contains(daten.getId()) && m_zeilen.size() > kMaxZeilen - 1)
        m_zeilen.erase(m_zeilen.begin()); // the smallest id
    m_zeilen.insert(daten.getId(), std::shared_ptr<BildDaten>(static_cast<BildDaten *>(daten.clone())));
}
