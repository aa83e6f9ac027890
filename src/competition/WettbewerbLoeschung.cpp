#include "WettbewerbLoeschung.h"

namespace WettbewerbLoeschung {

void loesche(DatabaseContext &, const Wettbewerb &) {}

} // namespace WettbewerbLoeschung
