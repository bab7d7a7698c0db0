// Text goes into the store and comes back through the store layer exactly as it would through
// SQLite's own UTF-16 interface, whichever way the layer takes.
#include "store/Sqlite.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace paluksen;

namespace {

QString units(std::initializer_list<char16_t> list)
{
    return QString(reinterpret_cast<const QChar*>(std::data(list)), static_cast<qsizetype>(list.size()));
}

const QString kSamples[] = {
    QString(),
    QStringLiteral(""),
    QStringLiteral("plain ascii"),
    QStringLiteral("鈴木 一郎"),
    QStringLiteral("ＡＢＣ～〜ｶﾅ é ß"),
    units({u'x', 0, u'y'}),
    units({0xFEFF, u'a'}),           // taken for a byte-order mark by SQLite
    units({0xFFFE, u'b'}),           // taken for a swapped one
    units({u'a', 0xFEFF}),
    units({0xFFFF}),
    units({0xFFFD, 0xFFFE, u'c'}),
    units({0xD83D, 0xDE00}),         // a pair
    units({0xD800}),                 // unpaired
    units({0xDC00, u'a'}),
    units({u'a', 0xD800, u'b'}),
    units({0x7FF, 0x800, 0xD7FF, 0xE000}),
};

// What SQLite itself stores for UTF-16 text, as hex.
QString storedBySqlite(sqlite3* db, const QString& text)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT hex(?)", -1, &stmt, nullptr);
    if (!text.isNull())
        sqlite3_bind_text16(stmt, 1, text.utf16(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT);
    sqlite3_step(stmt);
    const QString hex = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return hex;
}

// A query of one value: the stored bytes given as hex read as text, or Null.
QString valueQuery(const QString& hex, bool null)
{
    return null ? QStringLiteral("SELECT NULL") : QStringLiteral("SELECT CAST(X'%1' AS TEXT)").arg(hex);
}

// What SQLite itself reads back as UTF-16 from that query.
store::Text readBySqlite(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    sqlite3_step(stmt);
    store::Text result;
    if (sqlite3_column_type(stmt, 0) != SQLITE_NULL) {
        const void* data = sqlite3_column_text16(stmt, 0);
        result = QString(static_cast<const QChar*>(data), sqlite3_column_bytes16(stmt, 0) / 2);
    }
    sqlite3_finalize(stmt);
    return result;
}

TEST(StoredText, IsStoredAsSqliteStoresUtf16)
{
    test::TestStore store;
    store::Statement select(store.connection(), u"SELECT hex(?)");
    for (const QString& sample : kSamples) {
        select.bind(1, sample.isNull() ? store::Text() : store::Text(sample));
        ASSERT_TRUE(select.step());
        EXPECT_EQ(select.text(0), storedBySqlite(store.connection().handle(), sample))
            << test::hex(sample.toUtf8()).toStdString();
        select.reset();
    }
}

TEST(StoredText, ReadsBackAsSqliteReadsUtf16)
{
    test::TestStore store;
    sqlite3* db = store.connection().handle();
    for (const QString& sample : kSamples) {
        const QString sql = valueQuery(storedBySqlite(db, sample), sample.isNull());
        store::Cursor cursor(store.connection(), sql);
        EXPECT_EQ(cursor.value(0), readBySqlite(db, sql)) << sql.toStdString();
    }
}

// Bytes that no UTF-16 text stores, as another program might have left them.
TEST(StoredText, ReadsOddBytesAsSqliteDoes)
{
    test::TestStore store;
    sqlite3* db = store.connection().handle();
    for (const char* hex : {"C080", "80", "E381", "EDA080", "F09F9880", "EFBBBF61", "EFBFBE", "F4908080", "FF"}) {
        const QString sql = valueQuery(QLatin1String(hex), false);
        store::Cursor cursor(store.connection(), sql);
        EXPECT_EQ(cursor.value(0), readBySqlite(db, sql)) << hex;
    }
}

} // namespace
