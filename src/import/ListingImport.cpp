#include "import/ListingImport.h"
#include "store/AddressStore.h"
#include "text/LineReader.h"

namespace paluksen {
namespace {

class StoredAddresses : public AddressSink {
public:
    explicit StoredAddresses(store::Connection& store)
        : appender_(store, store::sql::kAddressTable,
                    {QStringLiteral("名前"), QStringLiteral("アドレス"), QStringLiteral("会社名"),
                     QStringLiteral("部署名"), QStringLiteral("役職")})
    {
    }
    void append(const AddressEntry& entry) override
    {
        appender_.append({entry.name, entry.address, entry.company, entry.department, entry.title});
    }

private:
    store::Appender appender_;
};

class StoredMemberships : public GroupSink {
public:
    explicit StoredMemberships(store::Connection& store)
        : appender_(store, store::sql::kGroupTable,
                    {QStringLiteral("グループ"), QStringLiteral("名前"), QStringLiteral("アドレス")})
    {
    }
    void append(const GroupMembership& membership) override
    {
        appender_.append({membership.group, membership.name, membership.address});
    }

private:
    store::Appender appender_;
};

} // namespace

ListingImport::ListingImport(store::Connection& store) : store_(store), transaction_(store)
{
    store_.execute(store::sql::kClearAddresses);
    store_.execute(store::sql::kClearGroups);
}

ParseResult ListingImport::readListing(const QString& path)
{
    LineReader lines(path);
    StoredAddresses addresses(store_);
    StoredMemberships memberships(store_);
    return parseListing(lines, addresses, memberships);
}

void ListingImport::commit()
{
    transaction_.commit();
}

} // namespace paluksen
