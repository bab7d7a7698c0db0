// The store holds UTF-8 and nothing else, whatever text it is handed, and gives back what it holds.
#include "store/Sqlite.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

using namespace paluksen;

namespace {

QString units(std::initializer_list<char16_t> list)
{
    return QString(reinterpret_cast<const QChar*>(std::data(list)), static_cast<qsizetype>(list.size()));
}

TEST(StoredText, IsStoredAsUtf8AndReadBack)
{
    const struct {
        store::Text text;
        const char* stored; // hex of the bytes in the store
        store::Text readBack;
    } cases[] = {
        {std::nullopt, "", std::nullopt},
        {u""_qs, "", u""_qs},
        {u"鈴木 ｶﾅ é"_qs, "E988B4E69CA820EFBDB6EFBE8520C3A9", u"鈴木 ｶﾅ é"_qs},
        {units({u'x', 0, u'y'}), "780079", units({u'x', 0, u'y'})},
        {units({0xFEFF, u'a'}), "EFBBBF61", units({0xFEFF, u'a'})}, // no byte-order mark to drop
        {units({0xFFFE, 0xFFFF}), "EFBFBEEFBFBF", units({0xFFFE, 0xFFFF})},
        {u"😀"_qs, "F09F9880", u"😀"_qs},
        {units({u'a', 0xD800, u'b', 0xDC00}), "61EFBFBD62EFBFBD", units({u'a', 0xFFFD, u'b', 0xFFFD})},
        {units({0xD83D}), "EFBFBD", units({0xFFFD})},
    };
    test::TestStore store;
    store::Statement select(store.connection(), u"SELECT hex(?1), ?1");
    for (const auto& c : cases) {
        select.bind(1, c.text);
        ASSERT_TRUE(select.step());
        EXPECT_EQ(select.text(0), QLatin1String(c.stored));
        EXPECT_EQ(select.value(1), c.readBack) << c.stored;
        select.reset();
    }
}

// Bytes that are not UTF-8, as another program might have left them, read as U+FFFD.
TEST(StoredText, ReadsBytesThatAreNotUtf8AsReplacements)
{
    test::TestStore store;
    const struct {
        const char* hex;
        QString text;
    } cases[] = {
        {"80", units({0xFFFD})},
        {"61E381", units({u'a', 0xFFFD, 0xFFFD})},
        {"EDA080", units({0xFFFD, 0xFFFD, 0xFFFD})},
        {"C080", units({0xFFFD, 0xFFFD})},
    };
    for (const auto& c : cases) {
        store::Cursor cursor(store.connection(), QStringLiteral("SELECT CAST(X'%1' AS TEXT)").arg(c.hex));
        EXPECT_EQ(cursor.value(0), c.text) << c.hex;
    }
}

} // namespace
