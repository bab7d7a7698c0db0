#include "import/ListingParser.h"
#include "import/LastPosition.h"

#include <algorithm>

namespace paluksen {
namespace {

constexpr QStringView kLabelLine = u"電子メール アドレス :";
constexpr QStringView kCompanyLabel = u"  会社名 : ";
constexpr QStringView kDepartmentLabel = u"  部署名 : ";
constexpr QStringView kTitleLabel = u"  役職 : ";

// Positions count characters, and a character beyond U+FFFF takes two UTF-16 units of which
// neither may be cut off. The indent and the line's last character are found by looking at no
// more than their own units, so no line is scanned for such characters for their sake.
bool pairStartsAt(QStringView line, qsizetype index)
{
    return line[index].isHighSurrogate() && index + 1 < line.size() && line[index + 1].isLowSurrogate();
}

// The line from its character at index on (counting from 0).
QStringView rest(QStringView line, qsizetype index)
{
    qsizetype unit = 0;
    for (; index > 0 && unit < line.size(); --index)
        unit += pairStartsAt(line, unit) ? 2 : 1;
    return line.sliced(std::min(unit, line.size()));
}

// Units from..to, or none where the range is empty or reversed.
QStringView units(QStringView line, qsizetype from, qsizetype to)
{
    return to > from ? line.sliced(from, to - from) : QStringView();
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
    const QStringView afterIndent = rest(line, 2);
    const qsizetype open = lastPosition(line, u"(");
    if (open == -1)
        return {group, text(withoutTrailingSpaces(afterIndent)), QStringLiteral("")};
    // The position counts characters; a line of code page 932 text, which has no pairs, is
    // spared the walk back to units.
    const bool pairs = std::any_of(line.begin(), line.end(), [](QChar c) { return c.isSurrogate(); });
    const qsizetype openUnit = pairs ? line.size() - rest(line, open - 1).size() : open - 1;
    const qsizetype lastUnit = line.size() - (line.size() >= 2 && pairStartsAt(line, line.size() - 2) ? 2 : 1);
    return {group, text(withoutTrailingSpaces(units(line, line.size() - afterIndent.size(), openUnit))),
            text(units(line, openUnit + 1, lastUnit))};
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
            // Blank lines alone hold no entry, however many: not the one empty-named person
            // they would parse to.
            if (lines_.atEnd())
                return {anyText_ ? ParseOutcome::Completed : ParseOutcome::NoLines, count_};
            QString second = read();
            if (second.isEmpty())
                addresses_.append(
                    {header, QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), QStringLiteral("")});
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
        anyText_ = anyText_ || !line.isEmpty();
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
    bool anyText_ = false;
};

} // namespace

ParseResult parseListing(LineSource& lines, AddressSink& addresses, GroupSink& groups)
{
    return Parse(lines, addresses, groups).run();
}

} // namespace paluksen
