#include "import/ListingParser.h"
#include "ListingRecorder.h"

#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

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
        RowRecorder rows;
        ListLines lines(c.lines, rows);
        const ParseResult result = parseListing(lines, rows, rows);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.lineCount, c.count);
        EXPECT_EQ(rows.addresses, c.addresses);
        EXPECT_EQ(rows.memberships, c.memberships);
    }
}

TEST(ListingParser, ShortInputsAndCounts)
{
    check({
        {"empty input", {}, ParseOutcome::NoLines, 0, {}, {}},
        {"one line", {"A"}, ParseOutcome::OneLine, 1, {}, {}},
        {"one blank line", {""}, ParseOutcome::OneLine, 1, {}, {}},
        {"name and blank line", {"A", ""}, ParseOutcome::Completed, 2,
         {person("A", "", "", "", "")}, {}},
        {"header as last line", {"A", "", "B"}, ParseOutcome::Completed, 3,
         {person("A", "", "", "", "")}, {}},
    });
}

TEST(ListingParser, PersonForms)
{
    check({
        {"address only", {"A", Label, "  xy", ""}, ParseOutcome::Completed, 4,
         {person("A", "xy", Null, Null, Null)}, {}},
        {"label then blank line", {"A", Label, "", "B", ""}, ParseOutcome::Completed, 5,
         {person("A", "", Null, Null, Null), person("B", "", "", "", "")}, {}},
        {"address line: first two characters dropped, rest kept as is",
         {"A", Label, "xyz@q  ", ""}, ParseOutcome::Completed, 4,
         {person("A", "z@q  ", Null, Null, Null)}, {}},
        {"address line of one character", {"A", Label, "x", ""}, ParseOutcome::Completed, 4,
         {person("A", "", Null, Null, Null)}, {}},
        {"address line: a character beyond U+FFFF in the indent is dropped whole",
         {"A", Label, " 😀x@q", ""}, ParseOutcome::Completed, 4,
         {person("A", "x@q", Null, Null, Null)}, {}},
        {"address line that looks like a detail line",
         {"A", Label, "  会社名 : X", ""}, ParseOutcome::Completed, 4,
         {person("A", "会社名 : X", Null, Null, Null)}, {}},
        {"header kept whole", {" 山田 太郎 ", ""}, ParseOutcome::Completed, 2,
         {person(" 山田 太郎 ", "", "", "", "")}, {}},
    });
}

TEST(ListingParser, LabelLineNearMissesMakeGroups)
{
    const auto nearMiss = [](const char* what, const QString& line, const QString& name) {
        return Case{what, {"G", line, ""}, ParseOutcome::Completed, 3, {}, {member("G", name, "")}};
    };
    check({
        nearMiss("space after the colon", Label + ' ', "メール アドレス :"),
        nearMiss("full-width colon", "電子メール アドレス ：", "メール アドレス ："),
        nearMiss("ideographic space", "電子メール　アドレス :", "メール　アドレス :"),
        nearMiss("indented", "  " + Label, "電子メール アドレス :"),
        nearMiss("colon missing", "電子メール アドレス ", "メール アドレス"),
    });
}

TEST(ListingParser, DetailLines)
{
    const auto details = [](const char* what, const QStringList& lines, const store::Text& company,
                            const store::Text& department, const store::Text& title) {
        return Case{what,  QStringList{"A", Label, "  a"} + lines + QStringList{""},
                    ParseOutcome::Completed, 4 + lines.size(),
                    {person("A", "a", company, department, title)}, {}};
    };
    check({
        details("all three", {"  会社名 : C", "  部署名 : D", "  役職 : T"}, "C", "D", "T"),
        details("values not trimmed", {"  会社名 :  C ", "  部署名 : 営業部　"}, " C ", "営業部　",
                Null),
        details("value starting beyond U+FFFF", {"  会社名 : 𠮷野家"}, "𠮷野家", Null, Null),
        details("later line overwrites", {"  役職 : 主任", "  役職 : 課長"}, Null, Null, "課長"),
        details("exact label sets empty text", {"  会社名 : ", "  役職 : "}, "", Null, ""),
        details("one character short", {"  会社名 :", "  部署名 :", "  役職 :"}, Null, Null, Null),
        details("label near misses",
                {" 会社名 : C", "  会社名: C", "  会社名 ： C", "   役職 : T", "\t部署名 : D"},
                Null, Null, Null),
        details("other lines ignored, spaces-only line does not close",
                {"  電話番号 : 03-1234-5678", "   ", "  役職 : z"}, Null, Null, "z"),
    });
}

TEST(ListingParser, MemberLines)
{
    check({
        {"examples",
         {"G", "  AB (xy)", "  A (B) (c)", "  AB", "  AB (xy", "  (xy)", ""},
         ParseOutcome::Completed, 7, {},
         {member("G", "AB", "xy"), member("G", "A (B)", "c"), member("G", "AB", ""),
          member("G", "AB", "x"), member("G", "", "xy")}},
        {"only ASCII spaces trimmed, only at the end",
         {"G", "  AB   ", "  AB　", "  AB　 (x)", "   AB (x)", "  A B (x y) ", ""},
         ParseOutcome::Completed, 7, {},
         {member("G", "AB", ""), member("G", "AB　", ""), member("G", "AB　", "x"),
          member("G", " AB", "x"), member("G", "A B", "x y)")}},
        {"parenthesis at position 1, 2 or last",
         {"G", "(abc)", " (ab)", "  AB (", "(", "x(", "x", ""}, ParseOutcome::Completed, 8, {},
         {member("G", "", "abc"), member("G", "", "ab"), member("G", "AB", ""),
          member("G", "", ""), member("G", "", ""), member("G", "", "")}},
        {"characters beyond U+FFFF: in the indent, last, before and after the parenthesis",
         {"G", " 😀AB (x)", "  AB (xy😀", "  A😀(x)", "  A (😀x)", "  A (😀", ""},
         ParseOutcome::Completed, 7, {},
         {member("G", "AB", "x"), member("G", "AB", "xy"), member("G", "A😀", "x"),
          member("G", "A", "😀x"), member("G", "A", "")}},
        {"two groups", {"G", "  a", "", "H", "  b (x)", ""}, ParseOutcome::Completed, 6, {},
         {member("G", "a", ""), member("H", "b", "x")}},
    });
}

TEST(ListingParser, BlankLineRuns)
{
    check({
        {"two blank lines: empty header, next header read as a member",
         {"A", "", "", "Sales", "  m (x)", ""}, ParseOutcome::Completed, 6,
         {person("A", "", "", "", "")}, {member("", "les", ""), member("", "m", "x")}},
        {"two blank lines, then a label line", {"A", "", "", Label, "  x", ""},
         ParseOutcome::Completed, 6,
         {person("A", "", "", "", ""), person("", "x", Null, Null, Null)}, {}},
        {"three blank lines: an entry of empty text", {"A", "", "", "", "B", ""},
         ParseOutcome::Completed, 6,
         {person("A", "", "", "", ""), person("", "", "", "", ""), person("B", "", "", "", "")},
         {}},
    });
}

TEST(ListingParser, EndOfInputClosesTheEntry)
{
    check({
        {"right after the label line", {"A", Label}, ParseOutcome::Completed, 2,
         {person("A", "", Null, Null, Null)}, {}},
        {"after the address line", {"A", Label, "  x"}, ParseOutcome::Completed, 3,
         {person("A", "x", Null, Null, Null)}, {}},
        {"after a detail line", {"B", "", "A", Label, "  x", "  会社名 : C"},
         ParseOutcome::Completed, 6,
         {person("B", "", "", "", ""), person("A", "x", "C", Null, Null)}, {}},
        {"in a group", {"G", "  m (x)", "  n"}, ParseOutcome::Completed, 3, {},
         {member("G", "m", "x"), member("G", "n", "")}},
    });
}

// Each row leaves as soon as it is complete: a person's on its closing blank line, a member's
// before the next line is read.
TEST(ListingParser, RowsLeaveAsSoonAsComplete)
{
    RowRecorder rows;
    ListLines lines({"G", "  a", "  b", "", "A", Label, "  x", "  役職 : t", "", "B", ""}, rows);
    parseListing(lines, rows, rows);
    const std::vector<std::string> expected{
        "read", "read", "member", "read", "member", "read",         // group
        "read", "read", "read", "read", "read", "address",         // person with details
        "read", "read", "address"};                                // person without address
    EXPECT_EQ(rows.events, expected);
}

TEST(ListingParser, LinesPastSixteenBitPositions)
{
    const QString name(39'971, u'名');
    const QString address = QString(13, u'a') + "@example.jp";
    const QString line = "  " + name + " (" + address + ")";
    ASSERT_EQ(line.size(), 40'000);

    EXPECT_EQ(LastPosition(line, u"("), 39'975);
    check({
        {"long member line", {"G", line, ""}, ParseOutcome::Completed, 3, {},
         {member("G", name, address)}},
        {"long address line", {"A", Label, line, ""}, ParseOutcome::Completed, 4,
         {person("A", line.mid(2), Null, Null, Null)}, {}},
    });
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
