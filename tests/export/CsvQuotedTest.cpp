#include "export/CsvQuoted.h"
#include "support/TestStore.h" // readable QString in failures

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace paluksen {
namespace {

TEST(CsvQuoted, QuotesOnlyForDoubleQuoteCommaOrLineBreak)
{
    const struct {
        store::Text value;
        QString field;
    } cases[] = {
        {std::nullopt, u""_s},
        {u""_s, u""_s},
        {u"a,\"b\""_s, u"\"a,\"\"b\"\"\""_s},
        {u"\"\"x\""_s, u"\"\"\"\"\"x\"\"\""_s},
        {u","_s, u"\",\""_s},
        // Nothing else asks for quotes.
        {u" a\tb "_s, u" a\tb "_s},
        {u"全角＂引用符＂と，読点"_s, u"全角＂引用符＂と，読点"_s},
        // A line break would split the record, so it is quoted like a comma.
        {u"開発部\r\n第二課"_s, u"\"開発部\r\n第二課\""_s},
        {u"a\n\"b\""_s, u"\"a\n\"\"b\"\"\""_s},
        {u"a\rb"_s, u"\"a\rb\""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.value.value_or(u"(Null)"_s)));
        EXPECT_EQ(CsvQuoted(c.value), c.field);
    }
}

} // namespace
} // namespace paluksen
