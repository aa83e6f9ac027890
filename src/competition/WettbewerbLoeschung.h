#pragma once

class DatabaseContext;
class Wettbewerb;

// Deleting a competition with everything that hangs off it.
namespace WettbewerbLoeschung {

// Deletes the competition and its JuriertBei rows, categories with pictures and BildDaten,
// WettbewerbsTeilnahme rows, juries with rounds, scores and single scores, SpartenJurierung
// rows, the four result kinds and its StatistikData, in ONE transaction; logs the start and
// the end (location "WettbewerbHelper", category "Wettbewerb"). A failure rolls everything
// back and throws PersistenceException.
void loesche(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

} // namespace WettbewerbLoeschung
