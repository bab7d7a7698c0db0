#include "export/TuruKameWriter.h"
#include "export/CompanyDetails.h"
#include "store/AddressStore.h"

#include <optional>

namespace paluksen {
namespace {

std::optional<CompanyWith> remarksFor(QChar layout)
{
    switch (layout.unicode()) {
    case u'1':
        return CompanyWith::DepartmentAndTitle;
    case u'2':
        return CompanyWith::Department;
    case u'3':
        return CompanyWith::Title;
    case u'4':
        return CompanyWith::Nothing;
    default:
        return std::nullopt;
    }
}

class EntryLines {
public:
    EntryLines(LineWriter& out, QChar remarksLayout, LocalToday& today)
        : out_(out), remarks_(remarksFor(remarksLayout)), today_(today)
    {
    }

    void writeAll(store::Cursor& rows)
    {
        for (; !rows.atEnd(); rows.next())
            WriteEntryLine(rows);
    }

private:
    void WriteEntryLine(const store::Cursor& row)
    {
        line_.truncate(0);
        line_ += row.text(store::sql::kName);
        line_ += u',';
        line_ += row.text(store::sql::kAddress);
        line_ += u',';
        line_ += today_.text();
        if (remarks_) {
            line_ += u',';
            appendCompanyDetails(line_, *remarks_, row);
        }
        out_.writeLine(line_);
    }

    LineWriter& out_;
    const std::optional<CompanyWith> remarks_;
    LocalToday& today_;
    QString line_; // reused, so a long run does not allocate a line per row
};

} // namespace

void writeTuruKame(store::Connection& store, LineWriter& out, QChar remarksLayout, LocalToday& today,
                   const ShowStatus& showStatus)
{
    showStatus(QStringLiteral("出力中"));
    EntryLines entries(out, remarksLayout, today);
    {
        store::Cursor ungrouped(store, store::sql::kOutputWithoutGroup);
        entries.writeAll(ungrouped);
    }

    store::Cursor groups(store, store::sql::kGroupNames);
    // One statement for every group, prepared once: preparing the query of the view cost as much
    // as reading a group's rows, and a large store has thousands of groups.
    std::optional<store::Cursor> members;
    for (; !groups.atEnd(); groups.next()) {
        const QString name = groups.text(0);
        out.writeLine(QString(QStringLiteral("G1 ") + name));
        // Bound as text even when Null was read, so a Null name lists the empty-named group's
        // rows rather than none.
        if (members)
            members->rerun({store::Text(name)});
        else
            members.emplace(store, store::sql::kOutputOfGroup,
                            std::initializer_list<store::Text>{store::Text(name)});
        entries.writeAll(*members);
    }
}

} // namespace paluksen
