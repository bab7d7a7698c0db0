#pragma once

#include <QString>

namespace paluksen::bench {

struct ListingShape {
    qint64 lines = 0; // the closing blank line of the last entry included
    qint64 persons = 0;
    qint64 groups = 0;
    qint64 memberships = 0;
};

// Writes a made-up listing of at least `lines` lines in code page 932, CR LF: persons with and
// without an address, some with company, department, title or a note line, and groups (about
// `groupPercent` of the entries) whose members mostly name persons written before. The same
// count and share always give the same bytes, so that two measurements read the same listing.
ListingShape writeSyntheticListing(const QString& path, qint64 lines, int groupPercent);

} // namespace paluksen::bench
