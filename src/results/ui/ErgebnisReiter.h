#pragma once

// Makes every competition dialog show the tabs "E&rgebnisse" (WettbewerbErgebnisWidget) and
// "Statistik" (WettbewerbStatistikWidget); called once at start-up.
namespace ErgebnisReiter {
void registriere();
}
