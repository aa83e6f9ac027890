#pragma once

// Makes every competition dialog show the tab "E&xport" (WettbewerbExportWidget) and the
// member administration offer "Adress&daten speichern"; called once at start-up.
namespace ExportReiter {
void registriere();
}
