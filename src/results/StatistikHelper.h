#pragma once

class DatabaseContext;
class Wettbewerb;

// The statistics of a competition as a tree of StatistikData rows: participants, images and
// accepted images of the whole competition and per category and age class, and the
// acceptance thresholds.
namespace StatistikHelper {

// Deletes and rebuilds the competition's tree in one transaction (a failure leaves the
// previous tree); returns the number of nodes written.
int berechneStatistik(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

} // namespace StatistikHelper
