#include "export/TuruKameExport.h"
#include "store/AddressStore.h"

namespace paluksen {
namespace {

class EntryLines {
public:
    EntryLines(LineWriter& out, const std::optional<CompanyDetails>& remarks, LocalToday& today)
        : out_(out), remarks_(remarks), today_(today)
    {
    }

    void writeAll(store::Cursor& rows)
    {
        for (; !rows.atEnd(); rows.next())
            writeEntryLine(rows);
    }

private:
    void writeEntryLine(const store::Cursor& row)
    {
        line_.truncate(0);
        line_ += turuKameFieldValue(row.text(store::sql::kName));
        line_ += u',';
        line_ += turuKameFieldValue(row.text(store::sql::kAddress));
        line_ += u',';
        line_ += today_.text();
        if (remarks_) {
            line_ += u',';
            appendCompanyDetails(line_, *remarks_, row, turuKameFieldValue);
        }
        out_.writeLine(line_);
    }

    LineWriter& out_;
    const std::optional<CompanyDetails>& remarks_;
    LocalToday& today_;
    QString line_; // reused, so a long run does not allocate a line per row
};

} // namespace

void exportTuruKame(store::Connection& store, const OutputTarget& target, RemarksLayout layout,
                    const LocalToday::Clock& clock, const ShowStatus& showStatus)
{
    LineWriter out(target);
    show(showStatus, QStringLiteral("出力中"));
    LocalToday today(clock);
    EntryLines entries(out, kRemarksLayouts.at(static_cast<std::size_t>(layout)).details, today);
    {
        store::Cursor ungrouped(store, store::sql::kOutputWithoutGroup);
        entries.writeAll(ungrouped);
    }

    // One statement for every group, prepared once: preparing the query of the view cost as much
    // as reading a group's rows, and a large store has thousands of groups.
    std::optional<store::Cursor> members;
    for (store::Cursor groups(store, store::sql::kGroupNames); !groups.atEnd(); groups.next()) {
        const QString name = groups.text(0);
        out.writeLine(QString(QStringLiteral("G1 ") + turuKameFieldValue(name)));
        // Bound as text even when Null was read, so a Null name lists the empty-named group's
        // rows rather than none.
        if (members)
            members->rerun({store::NullableText(name)});
        else
            members.emplace(store, store::sql::kOutputOfGroup,
                            std::initializer_list<store::NullableText>{store::NullableText(name)});
        entries.writeAll(*members);
    }
    out.commit();
}

} // namespace paluksen
