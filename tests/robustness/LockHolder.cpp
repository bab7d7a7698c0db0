// Holds the write lock of a store from a process of its own, the way another program that
// has the file open for writing would.
//   lock_holder <store>
// Prints "locked" once it holds the lock, keeps it until its standard input closes (or a
// minute has passed, so that a test that dies never leaves it behind), then rolls back.
#include "store/Sqlite.h"

#include <cstdio>
#include <exception>
#include <poll.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lock_holder <store>\n");
        return 2;
    }
    try {
        paluksen::store::Connection store = paluksen::store::Connection::openExisting(QString::fromLocal8Bit(argv[1]));
        store.execute(QStringLiteral("BEGIN IMMEDIATE"));
        std::printf("locked\n");
        std::fflush(stdout);
        pollfd input{STDIN_FILENO, POLLIN, 0};
        char byte;
        while (poll(&input, 1, 60000) > 0 && read(STDIN_FILENO, &byte, 1) > 0) {
        }
        store.execute(QStringLiteral("ROLLBACK"));
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
}
