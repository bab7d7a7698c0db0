#pragma once

#include "StoreContent.h"

#include <QByteArray>

namespace paluksen::test {

// A code page 932 listing made up for the occasion, with the rows an import of it must store.
// The rows are worked out while the text is written, not by reading the text back.
struct GeneratedListing {
    QByteArray bytes;
    StoreContent rows;
    qint64 lineCount = 0;
};

// people persons (some without an e-mail address, some with a company, department or title),
// then groups groups of membersPerGroup members each; every entry closed by a blank line.
GeneratedListing generateListing(int people, int groups, int membersPerGroup);

} // namespace paluksen::test
