#include "store/AddressStore.h"
#include "text/Failure.h"

#include <sqlite3.h>

namespace paluksen::store {
namespace {
void requireSchema(Connection& connection, const QString& path);
}

Connection openAddressStore(const QString& path)
{
    Connection connection = Connection::openExisting(path);
    try {
        requireSchema(connection, path);
    } catch (const StoreFailure& failure) {
        // Name the file: the engine's own words do not, and the user has to find it.
        if (failure.detail().contains(path))
            throw;
        throw StoreFailure(failure.number(), failure.description(), failure.detail() + QStringLiteral("\n") + path);
    }
    return connection;
}

void createSchema(Connection& connection, const QString& schemaSql)
{
    connection.execute(schemaSql);
}

namespace {
void requireSchema(Connection& connection, const QString& path)
{
    const struct {
        const QString& name;
        const char* type;
    } required[] = {{sql::kAddressTable, "table"}, {sql::kGroupTable, "table"}, {sql::kOutputView, "view"}};
    for (const auto& object : required) {
        // Reading the schema is also what tells a file that is no database at all.
        Cursor found(connection, u"SELECT type FROM sqlite_master WHERE name = ?", {object.name});
        if (found.atEnd() || found.text(0) != QLatin1String(object.type))
            throw StoreFailure(SQLITE_ERROR, QStringLiteral("アドレス帳データベースに必要な表がありません。"),
                               QStringLiteral("no such %1: %2\n%3")
                                   .arg(QLatin1String(object.type), object.name, path));
    }
}
} // namespace

} // namespace paluksen::store
