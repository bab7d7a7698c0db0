// Makes the empty address store that ships beside the executable.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql STORE\n", argv[0]);
        return 2;
    }
    std::ifstream schemaFile(argv[1], std::ios::binary);
    if (!schemaFile) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream schema;
    schema << schemaFile.rdbuf();

    std::remove(argv[2]);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(argv[2], &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* error = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        sqlite3_close(db);
        std::remove(argv[2]);
        return 1;
    }
    return sqlite3_close(db) == SQLITE_OK ? 0 : 1;
}
