// Imports one listing into one store, as the import window does, and nothing else: a process
// the tests can kill at any moment of the import.
//   import_child <store> <listing>
// Exit status 0 after the commit, 2 after a failure (told on standard error).
#include "import/ListingImport.h"
#include "store/AddressStore.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: import_child <store> <listing>\n");
        return 2;
    }
    try {
        paluksen::store::Connection store = paluksen::store::openAddressStore(QString::fromLocal8Bit(argv[1]));
        paluksen::ListingImport import(store);
        const paluksen::ParseResult result = import.readListing(QString::fromLocal8Bit(argv[2]));
        import.commit();
        std::printf("%lld\n", static_cast<long long>(result.lineCount));
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
}
