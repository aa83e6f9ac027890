#pragma once

#include <QMap>

#include <memory>

class BildDaten;
class Bild;
class DatabaseContext;

// The picture store of one open competition dialog, shared by its image views, the image
// dialog and the full-screen views: copies of BildDaten rows by id, at most 51 of them.
class BilderCache
{
public:
    static constexpr int kMaxZeilen = 51;

    // The picture of an image: none without bildDaten; a copy of the cached row; otherwise the
    // row read from the database (and a copy cached).
    std::unique_ptr<BildDaten> bildDaten(DatabaseContext &ctx, const Bild &bild);
    // Puts a copy of the row: a cached row of the same id is replaced; otherwise, with more
    // than 50 rows cached, the row with the smallest id is dropped first.
    void lege(const BildDaten &daten);

    bool enthaelt(qlonglong id) const { return m_zeilen.contains(id); }
    int anzahl() const { return int(m_zeilen.size()); }

private:
    QMap<qlonglong, std::shared_ptr<BildDaten>> m_zeilen;
};
