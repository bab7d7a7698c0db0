#include "import/ListingImport.h"
#include "base/Failure.h"
#include "base/SameFile.h"
#include "store/AddressStore.h"
#include "text/LineReader.h"

#include <QDir>
#include <cerrno>

namespace paluksen {
namespace {

class StoredAddresses : public AddressSink {
public:
    explicit StoredAddresses(store::Connection& store)
        : appender_(store, store::sql::kAddressTable, store::sql::kAddressColumns)
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
        : appender_(store, store::sql::kGroupTable, store::sql::kGroupColumns)
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

ParseResult importListing(store::Connection& store, const QString& path, const QStringList& programOutputs,
                          const ShowImportStage& showStage)
{
    for (const QString& output : programOutputs)
        if (sameFile(path, output))
            throw FileFailure(EINVAL, QStringLiteral("このプログラムが出力したファイルは取り込めません。"),
                              QDir::toNativeSeparators(path) +
                                  QStringLiteral("\nアドレス一覧のテキストファイルを指定してください。"));
    const auto show = [&](ImportStage stage) {
        if (showStage)
            showStage(stage);
    };
    LineReader lines(path);
    show(ImportStage::Clearing);
    store::Transaction transaction(store);
    store::IndexesSetAside indexes(store);
    store.execute(store::sql::kClearAddresses);
    store.execute(store::sql::kClearGroups);
    show(ImportStage::Reading);
    StoredAddresses addresses(store);
    StoredMemberships memberships(store);
    const ParseResult result = parseListing(lines, addresses, memberships);
    if (result.outcome == ParseOutcome::Completed) {
        indexes.restore();
        transaction.commit();
        compactIfMostlyFree(store);
    }
    return result;
}

} // namespace paluksen
