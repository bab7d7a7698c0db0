#pragma once

#include "import/ListingParser.h"
#include "store/Sqlite.h"

#include <QString>

namespace paluksen {

// Replaces the store's content with a listing's, all or nothing: the clearing and every row
// appended belong to one transaction, so a listing that cannot be read, a full disk or a store
// held by another program leaves the earlier content whole.
class ListingImport {
public:
    // Begins the transaction and clears both tables.
    explicit ListingImport(store::Connection& store);

    // Reads the listing into the cleared tables; the file's encoding is decided on opening.
    ParseResult readListing(const QString& path);
    void commit();

private:
    store::Connection& store_;
    store::Transaction transaction_;
};

} // namespace paluksen
