#pragma once

#include "store/Sqlite.h"

#include <QString>

namespace paluksen::fuzz {

// Writes every address book the export windows offer (CSV, EdMax with each memo layout,
// TuruKame with each remarks layout) from the store into folder, commits each file, and
// checks what reached the disk.
void exportAndCheck(store::Connection& store, const QString& folder);

} // namespace paluksen::fuzz
