#pragma once

#include "RecordingSinks.h"

#include "import/ListingParser.h"
#include "store/Sqlite.h"
#include "text/LineReader.h"

#include <QByteArrayView>
#include <QString>

namespace paluksen::fuzz {

// What one import of the listing told: the parser's result, the rows it handed to each sink,
// the encoding the reader used and whether the reader chose it (and so skipped a mark).
struct Import {
    ParseResult result;
    QList<Row> addressRows;
    QList<Row> membershipRows;
    TextEncoding encoding = TextEncoding::Cp932;
    bool detected = false;
};

// The way the import window reads a listing: ListingImport, encoding found on opening. The
// rows it hands over are recorded by a second parse of the same file.
Import importDetected(store::Connection& store, const QString& path);

// With the encoding forced, rows stored through Appenders in one transaction.
Import importForced(store::Connection& store, const QString& path, TextEncoding encoding);

// The store gives back exactly the rows handed over, and the parser read every line of the file.
void checkImport(store::Connection& store, const Import& import, QByteArrayView bytes);

} // namespace paluksen::fuzz
