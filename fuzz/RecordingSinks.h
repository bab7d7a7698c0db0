#pragma once

#include "import/ListingParser.h"
#include "store/AddressStore.h"

#include <QList>
#include <optional>

namespace paluksen::fuzz {

using Row = QList<store::Text>;

// Keeps every row the parser hands over and, given a store, appends it there too, with the
// columns ListingImport fills.
class RecordingSinks : public AddressSink, public GroupSink {
public:
    explicit RecordingSinks(store::Connection* store)
    {
        if (!store)
            return;
        addresses_.emplace(*store, store::sql::kAddressTable,
                           QStringList{QStringLiteral("名前"), QStringLiteral("アドレス"), QStringLiteral("会社名"),
                                       QStringLiteral("部署名"), QStringLiteral("役職")});
        groups_.emplace(*store, store::sql::kGroupTable,
                        QStringList{QStringLiteral("グループ"), QStringLiteral("名前"), QStringLiteral("アドレス")});
    }

    void append(const AddressEntry& entry) override
    {
        addressRows.append(Row{entry.name, entry.address, entry.company, entry.department, entry.title});
        if (addresses_)
            addresses_->append({entry.name, entry.address, entry.company, entry.department, entry.title});
    }

    void append(const GroupMembership& membership) override
    {
        membershipRows.append(Row{membership.group, membership.name, membership.address});
        if (groups_)
            groups_->append({membership.group, membership.name, membership.address});
    }

    QList<Row> addressRows;
    QList<Row> membershipRows;

private:
    std::optional<store::Appender> addresses_;
    std::optional<store::Appender> groups_;
};

} // namespace paluksen::fuzz
