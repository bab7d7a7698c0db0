#pragma once

#include "import/ListingParser.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace paluksen::test {

// Rows as text, so that a failing comparison shows whole rows and tells Null from empty text.
inline std::string describe(const store::Text& value)
{
    return value ? '"' + value->toStdString() + '"' : std::string("Null");
}

inline std::string describe(const AddressEntry& entry)
{
    return describe(entry.name) + ' ' + describe(entry.address) + ' ' + describe(entry.company) +
           ' ' + describe(entry.department) + ' ' + describe(entry.title);
}

inline std::string describe(const GroupMembership& membership)
{
    return describe(membership.group) + ' ' + describe(membership.name) + ' ' +
           describe(membership.address);
}

inline const store::Text Null;

// Expected rows, written the way the recorder describes the rows it receives.
inline std::string person(const store::Text& name, const store::Text& address,
                          const store::Text& company, const store::Text& department,
                          const store::Text& title)
{
    return describe(AddressEntry{name, address, company, department, title});
}

inline std::string member(const QString& group, const QString& name, const QString& address)
{
    return describe(GroupMembership{group, name, address});
}

// Collects the rows of a parse, and the order in which lines were read and rows appended.
class RowRecorder : public AddressSink, public GroupSink {
public:
    void append(const AddressEntry& entry) override
    {
        addresses.push_back(describe(entry));
        events.push_back("address");
    }
    void append(const GroupMembership& membership) override
    {
        memberships.push_back(describe(membership));
        events.push_back("member");
    }

    std::vector<std::string> addresses;
    std::vector<std::string> memberships;
    std::vector<std::string> events;
};

// Hands out a list of lines. Reading past the end is a fault of the parser: the file reader
// would have nothing to give there.
class ListLines : public LineSource {
public:
    ListLines(QStringList lines, RowRecorder& recorder)
        : lines_(std::move(lines)), recorder_(recorder)
    {
    }
    bool atEnd() override { return next_ >= lines_.size(); }
    QString readLine() override
    {
        if (atEnd()) {
            ADD_FAILURE() << "line read after the end of input";
            return {};
        }
        recorder_.events.push_back("read");
        return lines_[next_++];
    }

private:
    QStringList lines_;
    RowRecorder& recorder_;
    qsizetype next_ = 0;
};

} // namespace paluksen::test
