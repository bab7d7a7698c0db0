#include "import/ListingParser.h"

#include <algorithm>

namespace paluksen {
namespace {

constexpr QStringView kLabelLine = u"電子メール アドレス :";
constexpr QStringView kCompanyLabel = u"  会社名 : ";
constexpr QStringView kDepartmentLabel = u"  部署名 : ";
constexpr QStringView kTitleLabel = u"  役職 : ";

// Characters from index on (counting from 0), at most count of them. A range that is empty or
// starts past the end gives no characters rather than a negative length.
QStringView span(QStringView line, qsizetype index, qsizetype count)
{
    if (index >= line.size() || count <= 0)
        return {};
    return line.sliced(index, std::min(count, line.size() - index));
}

QStringView rest(QStringView line, qsizetype index)
{
    return span(line, index, line.size() - index);
}

// The store keeps Null and empty text apart. Every value the parser assigns is text, even one
// without characters, so it never hands on a null QString that later code could take for Null.
QString text(QStringView value)
{
    return value.isEmpty() ? QStringLiteral("") : value.toString();
}

// Only ASCII spaces: a listing that pads a name with U+3000 keeps that padding.
QStringView withoutTrailingSpaces(QStringView value)
{
    qsizetype end = value.size();
    while (end > 0 && value[end - 1] == u' ')
        --end;
    return value.first(end);
}

// A label given twice keeps its later value; lines without a known label are notes the store
// has no column for.
void applyDetail(QStringView line, AddressEntry& entry)
{
    if (line.startsWith(kCompanyLabel))
        entry.company = text(rest(line, kCompanyLabel.size()));
    if (line.startsWith(kDepartmentLabel))
        entry.department = text(rest(line, kDepartmentLabel.size()));
    if (line.startsWith(kTitleLabel))
        entry.title = text(rest(line, kTitleLabel.size()));
}

// The member's name starts after a two-character indent and runs to the last "(", the address
// sits between that "(" and the line's last character. A "(" inside the indent or at the very
// end leaves the name or the address empty.
GroupMembership member(const QString& group, QStringView line)
{
    const qsizetype open = LastPosition(line, u"(");
    if (open == -1)
        return {group, text(withoutTrailingSpaces(rest(line, 2))), QStringLiteral("")};
    return {group, text(withoutTrailingSpaces(span(line, 2, open - 3))),
            text(span(line, open, line.size() - open - 1))};
}

class Parse {
public:
    Parse(LineSource& lines, AddressSink& addresses, GroupSink& groups)
        : lines_(lines), addresses_(addresses), groups_(groups)
    {
    }

    ParseResult run()
    {
        if (lines_.atEnd())
            return {ParseOutcome::NoLines, count_};
        QString header = read();
        if (lines_.atEnd())
            return {ParseOutcome::OneLine, count_};
        for (;;) {
            if (lines_.atEnd())
                return {ParseOutcome::Completed, count_};
            QString second = read();
            if (second.isEmpty())
                addresses_.append({header, QStringLiteral(""), QStringLiteral(""),
                                   QStringLiteral(""), QStringLiteral("")});
            else if (second == kLabelLine)
                person(header);
            else
                group(header, std::move(second));
            if (!lines_.atEnd())
                header = read();
        }
    }

private:
    // A line source may hand a blank line over as a null string; a blank header still becomes
    // a stored name, which must be empty text.
    QString read()
    {
        ++count_;
        QString line = lines_.readLine();
        return line.isNull() ? QStringLiteral("") : line;
    }

    // A listing whose last entry lacks its closing blank line still gives up that entry: the
    // end of input closes a block as the blank line would have.
    void person(const QString& header)
    {
        QString current = lines_.atEnd() ? QString() : read();
        AddressEntry entry{header, text(rest(current, 2)), {}, {}, {}};
        while (!current.isEmpty() && !lines_.atEnd()) {
            current = read();
            applyDetail(current, entry);
        }
        addresses_.append(entry);
    }

    void group(const QString& header, QString current)
    {
        while (!current.isEmpty()) {
            groups_.append(member(header, current));
            if (lines_.atEnd())
                return;
            current = read();
        }
    }

    LineSource& lines_;
    AddressSink& addresses_;
    GroupSink& groups_;
    qint64 count_ = 0;
};

} // namespace

ParseResult parseListing(LineSource& lines, AddressSink& addresses, GroupSink& groups)
{
    return Parse(lines, addresses, groups).run();
}

} // namespace paluksen
