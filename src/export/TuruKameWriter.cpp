#include "export/TuruKameWriter.h"
#include "export/CompanyDetails.h"
#include "export/OutputColumns.h"
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
    EntryLines(LineWriter& out, QChar remarksLayout, const Today& today)
        : out_(out), remarks_(remarksFor(remarksLayout)), today_(today)
    {
    }

    void writeAll(store::Cursor& rows)
    {
        const OutputColumns columns(rows);
        for (; !rows.atEnd(); rows.next())
            WriteEntryLine(rows, columns);
    }

private:
    void WriteEntryLine(const store::Cursor& row, const OutputColumns& columns)
    {
        line_.truncate(0);
        line_ += row.text(columns.name);
        line_ += u',';
        line_ += row.text(columns.address);
        line_ += u',';
        line_ += dateText();
        if (remarks_) {
            line_ += u',';
            appendCompanyDetails(line_, *remarks_, row, columns);
        }
        out_.writeLine(line_);
    }

    // The clock is asked for every line, but the text is made again only when the day has
    // changed: formatting it for every row of a large store would be wasted work.
    const QString& dateText()
    {
        const QDate date = today_();
        if (!shownDate_ || *shownDate_ != date) {
            shownDate_ = date;
            dateText_ = date.toString(u"yyyy/MM/dd");
        }
        return dateText_;
    }

    LineWriter& out_;
    const std::optional<CompanyWith> remarks_;
    const Today& today_;
    std::optional<QDate> shownDate_;
    QString dateText_;
    QString line_; // reused, so a long run does not allocate a line per row
};

} // namespace

void writeTuruKame(store::Connection& store, LineWriter& out, QChar remarksLayout, const Today& today,
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
