#pragma once

#include "store/Sqlite.h"

#include <QByteArray>
#include <ostream>
#include <vector>

namespace paluksen::test {

using Row = std::vector<store::Text>;

// The rows of both tables in the order they were stored: what an import is meant to leave
// behind, or what a store holds.
struct StoreContent {
    std::vector<Row> addresses;   // 名前, アドレス, 会社名, 部署名, 役職
    std::vector<Row> memberships; // グループ, 名前, アドレス
};

// Row counts and a digest of every value of both tables, Null told from empty text. Two stores
// with equal fingerprints hold the same rows in the same order; a mixture of two contents
// matches neither.
struct Fingerprint {
    qsizetype addressRows = 0;
    qsizetype membershipRows = 0;
    QByteArray addressDigest;
    QByteArray membershipDigest;

    bool operator==(const Fingerprint&) const = default;
};

void PrintTo(const Fingerprint& fingerprint, std::ostream* out);

Fingerprint fingerprintOf(const StoreContent& content);
Fingerprint fingerprintOf(store::Connection& store);

StoreContent readContent(store::Connection& store);
// Appends the rows to whatever the store holds.
void appendContent(store::Connection& store, const StoreContent& content);

// A small content that an import must either keep whole or replace whole: Japanese text, a
// quote, empty text and Null in places where the import never writes them.
StoreContent earlierContent();

} // namespace paluksen::test
