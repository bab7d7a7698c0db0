#pragma once

#include "store/Sqlite.h"

namespace paluksen::test {

// Fills a fresh store with the people and groups that golden/make_golden.py describes; the
// golden files are what the exports must make of exactly these rows.
void fillExportStore(store::Connection& connection);

} // namespace paluksen::test
