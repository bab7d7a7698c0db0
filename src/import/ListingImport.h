#pragma once

#include "import/ListingParser.h"
#include "store/Sqlite.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace paluksen {

// The steps of an import a window shows the user as they come.
enum class ImportStage { Clearing, Reading };
using ShowImportStage = std::function<void(ImportStage)>;

// Replaces the store's content with a listing's, all or nothing: the clearing and every row
// appended belong to one transaction, committed only when the listing held records. A listing
// that cannot be read, is no text, holds no records or only one line, a full disk or a store held
// by another program leaves the earlier content whole. The file's encoding and line ends are
// decided before the store is touched. A listing that is one of `programOutputs` (the program's
// own export, picked by mistake from the folder they share) is refused before that.
ParseResult importListing(store::Connection& store, const QString& path, const QStringList& programOutputs = {},
                          const ShowImportStage& showStage = {});

} // namespace paluksen
