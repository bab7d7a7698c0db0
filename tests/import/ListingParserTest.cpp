#include "import/ListingParser.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// Rows as text, so that a failing comparison shows whole rows and tells Null from empty text.
const store::Text Null;
std::string row(std::initializer_list<store::Text> values)
{
    std::string text;
    for (const store::Text& value : values)
        text += value ? '"' + value->toStdString() + "\" " : std::string("Null ");
    return text;
}
std::string person(store::Text name, store::Text address, store::Text company, store::Text department, store::Text title)
{
    return row({name, address, company, department, title});
}
std::string member(const QString& group, const QString& name, const QString& address)
{
    return row({group, name, address});
}

// Hands out the lines and records what was read and appended, in order. Reading past the end is
// a fault of the parser: the file reader would have nothing to give there.
struct Recorder : LineSource, AddressSink, GroupSink {
    explicit Recorder(QStringList lines) : lines(std::move(lines)) {}
    bool atEnd() override { return next >= lines.size(); }
    QString readLine() override
    {
        if (atEnd())
            ADD_FAILURE() << "line read after the end of input";
        events.push_back("read");
        return lines.value(next++);
    }
    void append(const AddressEntry& e) override
    {
        addresses.push_back(person(e.name, e.address, e.company, e.department, e.title));
        events.push_back("address");
    }
    void append(const GroupMembership& m) override
    {
        memberships.push_back(member(m.group, m.name, m.address));
        events.push_back("member");
    }
    QStringList lines;
    qsizetype next = 0;
    std::vector<std::string> addresses, memberships, events;
};

const QString Label = QStringLiteral("電子メール アドレス :");

struct Case {
    const char* what;
    QStringList lines;
    ParseOutcome outcome;
    qint64 count;
    std::vector<std::string> addresses;
    std::vector<std::string> memberships;
};

void check(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder rows(c.lines);
        const ParseResult result = parseListing(rows, rows, rows);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.lineCount, c.count);
        EXPECT_EQ(rows.addresses, c.addresses);
        EXPECT_EQ(rows.memberships, c.memberships);
    }
}

constexpr ParseOutcome Done = ParseOutcome::Completed;

TEST(ListingParser, EntriesAndCounts)
{
    check({
        {"empty input", {}, ParseOutcome::NoLines, 0, {}, {}},
        {"one line", {"A"}, ParseOutcome::OneLine, 1, {}, {}},
        {"one blank line", {""}, ParseOutcome::OneLine, 1, {}, {}},
        {"name and blank line; a header as last line", {"A", "", "B"}, Done, 3, {person("A", "", "", "", "")}, {}},
        {"address only", {"A", Label, "  xy", ""}, Done, 4, {person("A", "xy", Null, Null, Null)}, {}},
        {"label then blank line", {"A", Label, "", "B", ""}, Done, 5,
         {person("A", "", Null, Null, Null), person("B", "", "", "", "")}, {}},
        {"address line: two characters dropped, rest kept", {"A", Label, "xyz@q  ", ""}, Done, 4,
         {person("A", "z@q  ", Null, Null, Null)}, {}},
        {"address line of one character", {"A", Label, "x", ""}, Done, 4, {person("A", "", Null, Null, Null)}, {}},
        {"a character beyond U+FFFF in the address indent", {"A", Label, " 😀x@q", ""}, Done, 4,
         {person("A", "x@q", Null, Null, Null)}, {}},
        {"address line like a detail line; header kept whole", {" 山田 ", Label, "  会社名 : X", ""}, Done, 4,
         {person(" 山田 ", "会社名 : X", Null, Null, Null)}, {}},
        // A second line that is not exactly the label makes a group.
        {"label near misses", {"G", Label + ' ', "電子メール アドレス ：", "電子メール　アドレス :", "  " + Label, ""},
         Done, 6, {},
         {member("G", "メール アドレス :", ""), member("G", "メール アドレス ：", ""),
          member("G", "メール　アドレス :", ""), member("G", "電子メール アドレス :", "")}},
    });
}

TEST(ListingParser, DetailLines)
{
    const auto details = [](const char* what, const QStringList& lines, const store::Text& company,
                            const store::Text& department, const store::Text& title) {
        return Case{what, QStringList{"A", Label, "  a"} + lines + QStringList{""}, Done, 4 + lines.size(),
                    {person("A", "a", company, department, title)}, {}};
    };
    check({
        details("all three", {"  会社名 : C", "  部署名 : D", "  役職 : T"}, "C", "D", "T"),
        details("not trimmed; beyond U+FFFF", {"  会社名 :  𠮷 ", "  部署名 : 営業部　"}, " 𠮷 ", "営業部　", Null),
        details("later line overwrites", {"  役職 : 主任", "  役職 : 課長"}, Null, Null, "課長"),
        details("exact label sets empty text", {"  会社名 : ", "  役職 : "}, "", Null, ""),
        details("one character short", {"  会社名 :", "  部署名 :", "  役職 :"}, Null, Null, Null),
        details("near misses", {" 会社名 : C", "  会社名: C", "  会社名 ： C", "   役職 : T", "\t部署名 : D"}, Null,
                Null, Null),
        details("others ignored; spaces do not close", {"  電話番号 : 03", "   ", "  役職 : z"}, Null, Null, "z"),
    });
}

TEST(ListingParser, MemberLines)
{
    check({
        {"examples", {"G", "  AB (xy)", "  A (B) (c)", "  AB", "  AB (xy", "  (xy)", ""}, Done, 7, {},
         {member("G", "AB", "xy"), member("G", "A (B)", "c"), member("G", "AB", ""), member("G", "AB", "x"),
          member("G", "", "xy")}},
        {"only ASCII spaces trimmed, only at the end", {"G", "  AB   ", "  AB　 (x)", "   AB (x)", "  A B (x y) ", ""},
         Done, 6, {},
         {member("G", "AB", ""), member("G", "AB　", "x"), member("G", " AB", "x"), member("G", "A B", "x y)")}},
        {"parenthesis at position 1, 2 or last", {"G", "(abc)", " (ab)", "  AB (", "(", "x(", "x", ""}, Done, 8, {},
         {member("G", "", "abc"), member("G", "", "ab"), member("G", "AB", ""), member("G", "", ""),
          member("G", "", ""), member("G", "", "")}},
        {"beyond U+FFFF: in the indent, last, before and after the parenthesis",
         {"G", " 😀AB (x)", "  AB (xy😀", "  A😀(x)", "  A (😀x)", "  A (😀", ""}, Done, 7, {},
         {member("G", "AB", "x"), member("G", "AB", "xy"), member("G", "A😀", "x"), member("G", "A", "😀x"),
          member("G", "A", "")}},
        {"two groups", {"G", "  a", "", "H", "  b (x)", ""}, Done, 6, {}, {member("G", "a", ""), member("H", "b", "x")}},
    });
}

TEST(ListingParser, BlankLineRunsAndTheEndOfInput)
{
    check({
        {"two blank lines: empty header, next header read as a member", {"A", "", "", "Sales", "  m (x)", ""}, Done,
         6, {person("A", "", "", "", "")}, {member("", "les", ""), member("", "m", "x")}},
        {"two blank lines, then a label line", {"A", "", "", Label, "  x", ""}, Done, 6,
         {person("A", "", "", "", ""), person("", "x", Null, Null, Null)}, {}},
        {"three blank lines: an entry of empty text", {"A", "", "", "", "B", ""}, Done, 6,
         {person("A", "", "", "", ""), person("", "", "", "", ""), person("B", "", "", "", "")}, {}},
        // The end of input closes an entry as its blank line would.
        {"end right after the label line", {"A", Label}, Done, 2, {person("A", "", Null, Null, Null)}, {}},
        {"end after a detail line", {"B", "", "A", Label, "  x", "  会社名 : C"}, Done, 6,
         {person("B", "", "", "", ""), person("A", "x", "C", Null, Null)}, {}},
        {"end in a group", {"G", "  m (x)", "  n"}, Done, 3, {}, {member("G", "m", "x"), member("G", "n", "")}},
    });
}

// Each row leaves as soon as it is complete: a person's on its closing blank line, a member's
// before the next line is read. Lines past 16-bit positions are whole.
TEST(ListingParser, RowsLeaveAsSoonAsCompleteAndLongLinesStayWhole)
{
    Recorder rows({"G", "  a", "  b", "", "A", Label, "  x", "  役職 : t", "", "B", ""});
    parseListing(rows, rows, rows);
    const std::vector<std::string> expected{"read", "read", "member", "read", "member", "read", // group
                                            "read", "read", "read", "read", "read", "address", // person
                                            "read", "read", "address"};
    EXPECT_EQ(rows.events, expected);

    const QString name(39'971, u'名');
    check({{"long member line", {"G", "  " + name + " (a@x)", ""}, Done, 3, {}, {member("G", name, "a@x")}}});
}

TEST(LastPosition, FindsTheLastOccurrence)
{
    const struct {
        QString text;
        QString pattern;
        qsizetype position;
    } cases[] = {
        {"abcabc", "bc", 5}, {"abc", "abc", 1},     {"aaa", "aa", 2},    {"a(b(c", "(", 4},
        {"(", "(", 1},       {"電子メール", "メ", 3}, {"abc", "x", -1},    {"ABC", "b", -1},
        {"", "a", -1},       {"", "", -1},           {"ab", "abc", -1},   {"abc", "", 3},
        {"ab\u3000", " ", -1}, {"😀a(b", "(", 3},     {"a😀", "", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LastPosition(c.text, c.pattern), c.position)
            << c.text.toStdString() << " / " << c.pattern.toStdString();
}

} // namespace
} // namespace paluksen::test
