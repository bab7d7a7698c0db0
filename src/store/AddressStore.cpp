#include "store/AddressStore.h"
#include "base/Failure.h"

#include <QDir>
#include <sqlite3.h>
#include <utility>

namespace paluksen::store {
namespace {

void requireSchema(Connection& connection)
{
    const struct {
        const QString& name;
        const char* type;
        const char* kind; // as the user is told
    } required[] = {
        {sql::kAddressTable, "table", "表"}, {sql::kGroupTable, "table", "表"}, {sql::kOutputView, "view", "ビュー"}};
    for (const auto& object : required) {
        // Reading the schema is also what tells a file that is no database at all.
        Cursor found(connection, u"SELECT type FROM sqlite_master WHERE name = ?", {object.name});
        if (found.atEnd() || found.text(0) != QLatin1String(object.type))
            throw StoreFailure(
                SQLITE_ERROR, QStringLiteral("アドレス帳データベースに必要な表がありません。"),
                QDir::toNativeSeparators(connection.path()) +
                    QStringLiteral("\n%1「%2」がありません。").arg(QString::fromUtf8(object.kind), object.name));
    }
}

} // namespace

Connection openAddressStore(const QString& path)
{
    Connection connection = Connection::openExisting(path);
    requireSchema(connection);
    // SQLite's default page cache of 2 MB holds a small part of the store of a million-line
    // listing (35 to 70 MB): an export's look-ups of each member's person read most pages from
    // the file again, and replacing the store's content syncs the journal each time the cache
    // spills. 8 MB cuts those reads by four fifths and the syncs by nearly three quarters; the
    // store of a real address book never fills it.
    connection.execute(QStringLiteral("PRAGMA cache_size = -8192"));
    return connection;
}

IndexesSetAside::IndexesSetAside(Connection& connection) : connection_(connection)
{
    QStringList names;
    for (Cursor index(connection, sql::kTableIndexes, {sql::kAddressTable, sql::kGroupTable}); !index.atEnd();
         index.next()) {
        names << index.text(0);
        definitions_ << index.text(1);
    }
    for (const QString& name : names)
        connection_.execute(QStringLiteral("DROP INDEX ") + quoted({name}));
}

void IndexesSetAside::restore()
{
    // Creating an index sorts its entries in memory up to the page cache's size: with SQLite's
    // default of 2 MB rather than the store's 8 MB, the three take a tenth less time and 12 MB
    // less memory at a million listing lines.
    const QString cacheSize = Cursor(connection_, u"PRAGMA cache_size").text(0);
    connection_.execute(QStringLiteral("PRAGMA cache_size = -2000"));
    for (const QString& definition : std::exchange(definitions_, {}))
        connection_.execute(definition);
    connection_.execute(QStringLiteral("PRAGMA cache_size = ") + cacheSize);
}

void compactIfMostlyFree(Connection& connection)
{
    const qint64 pages = Cursor(connection, u"PRAGMA page_count").text(0).toLongLong();
    const qint64 freePages = Cursor(connection, u"PRAGMA freelist_count").text(0).toLongLong();
    if (freePages * 2 <= pages)
        return;
    try {
        connection.execute(QStringLiteral("VACUUM"));
    } catch (const StoreFailure&) {
    }
}

void createSchema(Connection& connection, const QString& schemaSql)
{
    connection.execute(schemaSql);
}

} // namespace paluksen::store
