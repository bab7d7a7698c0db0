#pragma once

#include <QString>

namespace paluksen::bench {

struct ListingShape {
    qint64 lines = 0;       // lines written, the closing blank line of the last entry included
    qint64 persons = 0;     // with and without an e-mail address
    qint64 groups = 0;
    qint64 memberships = 0;
};

// Writes a made-up address listing of at least `lines` lines in code page 932 with CR LF line
// ends: persons with an address and some of company, department, title and a note line,
// persons without an address, and about one group per 50 persons whose members mostly name
// persons written earlier (name and address exactly as stored, so the output view pairs them).
// The same line count always gives the same bytes.
ListingShape writeSyntheticListing(const QString& path, qint64 lines);

} // namespace paluksen::bench
