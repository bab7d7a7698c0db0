#pragma once
// What both fuzz targets share: a listing file made of the input, the parse of it with every
// row recorded, and the invariants of reading it.
#include "import/ListingParser.h"
#include "text/LineReader.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace paluksen::fuzz {

using Row = QList<store::Text>;

// A broken invariant aborts, which libFuzzer reports as a crash and keeps the input for.
void require(bool holds, const char* invariant, const QString& detail = {});

// The input as a file in the fuzzer's own temporary folder; the same path every time.
QString listingFile(QByteArrayView bytes);

struct Parsed {
    ParseResult result;
    QList<Row> addresses;
    QList<Row> memberships;
};

// Reads and parses the file as the import does (encoding decided on opening, or forced), and
// checks what only the bytes can tell: every line of the file was read, the outcome agrees with
// the count, and every value is well-formed text.
Parsed parseAndCheck(const QString& path, QByteArrayView bytes, std::optional<TextEncoding> forced = {});

} // namespace paluksen::fuzz
