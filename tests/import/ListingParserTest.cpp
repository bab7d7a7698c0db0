#include "import/ListingParser.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// Rows as text, values split by "|" and Null written as "~", so that a failing comparison shows
// whole rows and tells Null from empty text.
std::string row(std::initializer_list<store::NullableText> values)
{
    QStringList text;
    for (const store::NullableText& value : values)
        text << value.value_or(u"~"_qs);
    return text.join(u'|').toStdString();
}

// Hands out the lines and records the rows appended. Reading past the end is a fault of the
// parser: the file reader would have nothing to give there.
struct Recorder : LineSource, AddressSink, GroupSink {
    explicit Recorder(QStringList lines) : lines(std::move(lines)) { }
    bool atEnd() override { return next >= lines.size(); }
    QString readLine() override
    {
        EXPECT_FALSE(atEnd()) << "line read after the end of input";
        return lines.value(next++);
    }
    void append(const AddressEntry& e) override { addresses.push_back(row({e.name, e.address, e.company, e.department, e.title})); }
    void append(const GroupMembership& m) override { memberships.push_back(row({m.group, m.name, m.address})); }
    QStringList lines;
    qsizetype next = 0;
    std::vector<std::string> addresses, memberships;
};

const QString L = u"電子メール アドレス :"_qs; // the label line
constexpr ParseOutcome Done = ParseOutcome::Completed;

struct Case {
    const char* what;
    QStringList lines;
    std::vector<std::string> addresses, memberships;
    ParseOutcome outcome = Done;
};

// Every line is counted, and the count is the lines given.
void check(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder rows(c.lines);
        const ParseResult result = parseListing(rows, rows, rows);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.lineCount, c.lines.size());
        EXPECT_EQ(rows.addresses, c.addresses);
        EXPECT_EQ(rows.memberships, c.memberships);
    }
}

TEST(ListingParser, PersonsAndTheirDetails)
{
    check({
        {"empty input", {}, {}, {}, ParseOutcome::NoLines},
        {"one line", {"A"}, {}, {}, ParseOutcome::OneLine},
        {"name and blank line; a header as last line", {"A", "", "B"}, {"A||||"}},
        {"label then blank line", {"A", L, "", "B", ""}, {"A||~|~|~", "B||||"}},
        {"address line: two characters dropped, rest kept", {"A", L, "xyz@q  ", ""}, {"A|z@q  |~|~|~"}},
        {"address line of one character", {"A", L, "x", ""}, {"A||~|~|~"}},
        {"a character beyond U+FFFF in the address indent", {"A", L, " 😀x@q", ""}, {"A|x@q|~|~|~"}},
        {"address line like a detail line; header kept whole", {" 山田 ", L, "  会社名 : X", ""}, {" 山田 |会社名 : X|~|~|~"}},
        {"all three details", {"A", L, "  a", "  会社名 : C", "  部署名 : D", "  役職 : T", ""}, {"A|a|C|D|T"}},
        {"details not trimmed; beyond U+FFFF", {"A", L, "  a", "  会社名 :  𠮷 ", "  部署名 : 営業部　", ""}, {"A|a| 𠮷 |営業部　|~"}},
        {"later detail overwrites", {"A", L, "  a", "  役職 : 主任", "  役職 : 課長", ""}, {"A|a|~|~|課長"}},
        {"exact label sets empty text", {"A", L, "  a", "  会社名 : ", "  役職 : ", ""}, {"A|a||~|"}},
        {"near misses, one character short among them",
         {"A", L, "  a", "  会社名 :", "  部署名 :", "  役職 :", " 会社名 : C", "  会社名: C", "  会社名 ： C", "   役職 : T", "\t部署名 : D", ""},
         {"A|a|~|~|~"}},
        {"others ignored; spaces do not close", {"A", L, "  a", "  電話番号 : 03", "   ", "  役職 : z", ""}, {"A|a|~|~|z"}},
    });
}

TEST(ListingParser, GroupsAndTheirMembers)
{
    check({
        // A second line that is not exactly the label makes a group.
        {"label near misses", {"G", L + ' ', "電子メール アドレス ：", "電子メール　アドレス :", "  " + L, ""}, {}, {"G|メール アドレス :|", "G|メール アドレス ：|", "G|メール　アドレス :|", "G|電子メール アドレス :|"}},
        {"examples", {"G", "  AB (xy)", "  A (B) (c)", "  AB", "  AB (xy", "  (xy)", ""}, {}, {"G|AB|xy", "G|A (B)|c", "G|AB|", "G|AB|x", "G||xy"}},
        {"only ASCII spaces trimmed, only at the end", {"G", "  AB   ", "  AB　 (x)", "   AB (x)", "  A B (x y) ", ""}, {}, {"G|AB|", "G|AB　|x", "G| AB|x", "G|A B|x y)"}},
        {"parenthesis at position 1, 2 or last", {"G", "(abc)", " (ab)", "  AB (", "(", "x(", "x", ""}, {}, {"G||abc", "G||ab", "G|AB|", "G||", "G||", "G||"}},
        {"beyond U+FFFF: in the indent, last, before and after the parenthesis",
         {"G", " 😀AB (x)", "  AB (xy😀", "  A😀(x)", "  A (😀x)", "  A (😀", ""},
         {},
         {"G|AB|x", "G|AB|xy", "G|A😀|x", "G|A|😀x", "G|A|"}},
        {"two groups", {"G", "  a", "", "H", "  b (x)", ""}, {}, {"G|a|", "H|b|x"}},
        {"a line past 16-bit positions stays whole", {"G", "  " + QString(39'971, u'名') + " (a@x)", ""}, {}, {"G|" + QString(39'971, u'名').toStdString() + "|a@x"}},
    });
}

TEST(ListingParser, BlankLineRunsAndTheEndOfInput)
{
    check({
        {"two blank lines: empty header, next header read as a member", {"A", "", "", "Sales", "  m (x)", ""}, {"A||||"}, {"|les|", "|m|x"}},
        {"two blank lines, then a label line", {"A", "", "", L, "  x", ""}, {"A||||", "|x|~|~|~"}},
        {"three blank lines: an entry of empty text", {"A", "", "", "", "B", ""}, {"A||||", "||||", "B||||"}},
        // The end of input closes an entry as its blank line would.
        {"end right after the label line", {"A", L}, {"A||~|~|~"}},
        {"end after a detail line", {"B", "", "A", L, "  x", "  会社名 : C"}, {"B||||", "A|x|C|~|~"}},
        {"end in a group", {"G", "  m (x)", "  n"}, {}, {"G|m|x", "G|n|"}},
    });
}

} // namespace
} // namespace paluksen::test
