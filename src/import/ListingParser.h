#pragma once

#include "store/NullableText.h"
#include "text/LineSource.h"

#include <QString>
#include <QStringView>

namespace paluksen {

// One person of the listing: a row of アドレス情報. Null is an unassigned column.
struct AddressEntry {
    store::NullableText name;
    store::NullableText address;
    store::NullableText company;
    store::NullableText department;
    store::NullableText title;
};

// One member of one group: a row of グループ情報. Always assigned.
struct GroupMembership {
    QString group;
    QString name;
    QString address;
};

class AddressSink {
public:
    virtual ~AddressSink() = default;
    virtual void append(const AddressEntry& entry) = 0;
};

class GroupSink {
public:
    virtual ~GroupSink() = default;
    virtual void append(const GroupMembership& membership) = 0;
};

enum class ParseOutcome { NoLines, OneLine, Completed };

struct ParseResult {
    ParseOutcome outcome;
    qint64 lineCount;
};

ParseResult parseListing(LineSource& lines, AddressSink& addresses, GroupSink& groups);

} // namespace paluksen
