#include "support/TestStore.h"
#include "store/AddressStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

namespace paluksen::test {

TestStore::TestStore() : connection_(store::Connection::openOrCreate(path()))
{
    store::createSchema(connection_, QString::fromUtf8(readFile(QStringLiteral(PALUKSEN_SCHEMA_SQL))));
    connection_ = store::openAddressStore(path()); // as start-up opens it
}

QString storeContent(store::Connection& store)
{
    QByteArray content;
    for (const auto& [table, columns] : {std::pair{store::sql::kAddressTable, store::sql::kAddressColumns},
                                         std::pair{store::sql::kGroupTable, store::sql::kGroupColumns}}) {
        const QString values = u"quote("_qs + columns.join(u")||','||quote("_qs) + u')';
        for (store::Cursor row(store, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(values, table));
             !row.atEnd(); row.next())
            content += row.text(0).toUtf8() + '\n';
        content += "--\n";
    }
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex()) +
           QStringLiteral(" %1 rows").arg(content.count('\n') - 2);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace paluksen::test
