// The import measured three ways: reading alone, the product's whole import, and SQLite
// appending the same rows with nothing else to do.
#include "Stages.h"
#include "Stopwatch.h"
#include "import/ListingImport.h"
#include "import/ListingParser.h"
#include "store/AddressStore.h"
#include "text/LineReader.h"

#include <sqlite3.h>

#include <array>
#include <string>
#include <vector>

namespace paluksen::bench {
namespace {

class CountedAddresses : public AddressSink {
public:
    void append(const AddressEntry&) override { ++count; }
    qint64 count = 0;
};

class CountedMemberships : public GroupSink {
public:
    void append(const GroupMembership&) override { ++count; }
    qint64 count = 0;
};

// A value as SQLite takes it: UTF-8 bytes, or Null.
struct Value {
    std::string bytes;
    bool null = false;
};

Value valueOf(const store::NullableText& text)
{
    return text ? Value{text->toStdString(), false} : Value{{}, true};
}

// Every row the parser hands over, in the order it hands them over: the import stores them in
// that order too, a person's and a membership's row in turn, and the order decides which pages
// SQLite touches when.
struct KeptRow {
    bool membership;
    std::array<Value, 5> values;
};

class KeptRows : public AddressSink, public GroupSink {
public:
    void append(const AddressEntry& e) override
    {
        rows.push_back({false, {valueOf(e.name), valueOf(e.address), valueOf(e.company), valueOf(e.department),
                                valueOf(e.title)}});
    }
    void append(const GroupMembership& m) override
    {
        rows.push_back({true, {valueOf(m.group), valueOf(m.name), valueOf(m.address)}});
    }
    std::vector<KeptRow> rows;
};

void check(sqlite3* db, int rc, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        die(QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(db))));
}

class Insert {
public:
    Insert(sqlite3* db, const char* sql, int columns) : db_(db), sql_(sql), columns_(columns)
    {
        check(db_, sqlite3_prepare_v2(db_, sql_, -1, &stmt_, nullptr), sql_);
    }
    ~Insert() { sqlite3_finalize(stmt_); }

    void row(const std::array<Value, 5>& values)
    {
        for (int i = 0; i < columns_; ++i) {
            const Value& v = values[static_cast<std::size_t>(i)];
            check(db_,
                  v.null ? sqlite3_bind_null(stmt_, i + 1)
                         : sqlite3_bind_text(stmt_, i + 1, v.bytes.data(), static_cast<int>(v.bytes.size()),
                                             SQLITE_STATIC),
                  sql_);
        }
        check(db_, sqlite3_step(stmt_), sql_);
        sqlite3_reset(stmt_);
    }

private:
    sqlite3* db_;
    const char* sql_;
    int columns_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace

StageResult parseOnly(const StagePlace& place)
{
    Stopwatch watch;
    LineReader lines(place.listing);
    CountedAddresses addresses;
    CountedMemberships memberships;
    parseListing(lines, addresses, memberships);
    return {addresses.count + memberships.count, watch.lap()};
}

StageResult importListing(const StagePlace& place)
{
    store::Connection store = store::openAddressStore(freshStore(place, QStringLiteral("import.mdb")));
    Stopwatch watch;
    paluksen::importListing(store, place.listing);
    const Lap time = watch.lap();

    store::Cursor counted(store, u"SELECT (SELECT count(*) FROM アドレス情報) + (SELECT count(*) FROM グループ情報)");
    return {counted.text(0).toLongLong(), time};
}

StageResult bareInsert(const StagePlace& place)
{
    KeptRows kept;
    {
        LineReader lines(place.listing);
        parseListing(lines, kept, kept);
    }
    const QByteArray path = freshStore(place, QStringLiteral("bare.mdb")).toUtf8();
    sqlite3* db = nullptr;
    check(db, sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr), "open");

    Stopwatch watch;
    check(db, sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), "BEGIN");
    {
        Insert addresses(db, "INSERT INTO アドレス情報 (名前,アドレス,会社名,部署名,役職) VALUES (?,?,?,?,?)", 5);
        Insert memberships(db, "INSERT INTO グループ情報 (グループ,名前,アドレス) VALUES (?,?,?)", 3);
        for (const KeptRow& row : kept.rows)
            (row.membership ? memberships : addresses).row(row.values);
    }
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "COMMIT");
    const Lap time = watch.lap();
    sqlite3_close(db);
    return {static_cast<qint64>(kept.rows.size()), time};
}

} // namespace paluksen::bench
