// Makes the empty address store that ships beside the executable.
#include "base/Failure.h"
#include "store/AddressStore.h"

#include <QFile>
#include <cstdio>

using namespace paluksen;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql STORE\n", argv[0]);
        return 2;
    }
    QFile schema(QString::fromLocal8Bit(argv[1]));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString storePath = QString::fromLocal8Bit(argv[2]);
    QFile::remove(storePath);
    try {
        store::Connection store = store::Connection::openOrCreate(storePath);
        store::createSchema(store, QString::fromUtf8(schema.readAll()));
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        QFile::remove(storePath);
        return 1;
    }
    return 0;
}
