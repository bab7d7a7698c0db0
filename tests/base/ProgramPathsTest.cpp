#include "store/ProgramStore.h"
#include "support/TestStore.h"

#include <QDir>

namespace paluksen::test {
namespace {

// Portable where the program's folder holds its store; otherwise each user's own copy of the
// supplied store, made on the first start only, with the outputs in their documents.
TEST(ProgramPaths, PortableBesideTheProgramOtherwiseEachUsersOwnCopy)
{
    TestStore supplied; // beside a program named paluksen
    const auto at = [root = supplied.dir()](const char* path) { return QDir::cleanPath(root + u'/' + QString::fromUtf8(path)); };
    ASSERT_TRUE(QDir().mkpath(at("usr/share/paluksen")) && QFile::copy(supplied.path(), at("usr/share/paluksen/paluksen.mdb")));
    writeFile(at("usr/share/paluksen/paluksen.hlp"), "<html>");
    for (const auto& [exe, expected] : {std::pair{"paluksen", QStringList{at("paluksen.mdb"), {}, at("paluksen.hlp"), at(".")}}, std::pair{"usr/bin/paluksen", QStringList{at("a/paluksen.mdb"), at("usr/share/paluksen/paluksen.mdb"), at("usr/share/paluksen/paluksen.hlp"), at("a/Paluksen")}}}) {
        const ProgramPaths paths = ProgramPaths::fromExecutable(at(exe), {at("a"), at("a/Paluksen")});
        EXPECT_EQ(QStringList({paths.store, paths.suppliedStore, paths.help, paths.outputDir}), expected) << exe;
    }
    const auto user = [&](const char* data) { return ProgramPaths::fromExecutable(at("usr/bin/paluksen"), {at(data), at("docs")}); };
    store::openProgramStore(user("a")).execute(kEarlierRows);
    for (const auto& [data, copied] : {std::pair{"a", false}, std::pair{"b", true}}) { // b: another user, starting afresh
        store::Connection store = store::openProgramStore(user(data));
        EXPECT_EQ(storeContent(store) == storeContent(supplied.connection()), copied) << data;
    }
}

} // namespace
} // namespace paluksen::test
