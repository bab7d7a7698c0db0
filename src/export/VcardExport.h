#pragma once

#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

namespace paluksen {

// Writes the store as vCard 3.0 cards in UTF-8, which today's mail clients and phones read:
// one card per distinct name and address among the memberships, its groups as categories, and
// one per person in no group, all sorted by name and address. Shows "出力中" before the cards.
void exportVcard(store::Connection& store, const OutputTarget& target, const ShowStatus& showStatus = {});

} // namespace paluksen
