#include "support/TestStore.h"
#include "store/AddressStore.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {
store::Connection makeStore(const QString& path)
{
    {
        store::Connection fresh = store::Connection::openOrCreate(path);
        store::createSchema(fresh, schemaSql());
    }
    return store::openAddressStore(path);
}
} // namespace

TestStore::TestStore()
    : dirPath_(dir_.path()), path_(dir_.filePath(QStringLiteral("paluksen.mdb"))),
      connection_(makeStore(path_))
{
}

int TestStore::count(const QString& table)
{
    store::Cursor cursor(connection_, QStringLiteral("SELECT count(*) FROM ") + table);
    return cursor.text(0).toInt();
}

QString schemaSql()
{
    return QString::fromUtf8(readFile(QStringLiteral(PALUKSEN_SCHEMA_SQL)));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace paluksen::test
