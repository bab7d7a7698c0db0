#include "base/Failure.h"
#include "store/ProgramStore.h"
#include "support/TestStore.h"

#include <QDir>

namespace paluksen::test {
namespace {

// Portable where the program's folder holds its store; otherwise each user's own copy of the
// supplied store, made on the first start and never again, with the outputs in their documents.
TEST(ProgramPaths, PortableBesideTheProgramOtherwiseEachUsersOwnCopy)
{
    TestStore supplied; // beside a program named paluksen
    const QDir root(supplied.dir());
    const auto at = [&](const char* path) { return *path ? QDir::cleanPath(root.path() + u'/' + QString::fromUtf8(path)) : QString(); };
    ASSERT_TRUE(root.mkpath(u"usr/bin"_qs) && root.mkpath(u"usr/share/paluksen"_qs));
    ASSERT_TRUE(QFile::copy(supplied.path(), at("usr/share/paluksen/paluksen.mdb")));
    writeFile(at("usr/share/paluksen/paluksen.hlp"), "<html>");
    const ProgramPaths::UserPlaces user{at("home/data"), at("home/Documents/Paluksen")}, other{at("other/data"), at("other/Documents")};
    const struct {
        const char *exe, *store, *supplied, *help, *outputs;
    } cases[] = {
        {"paluksen", "paluksen.mdb", "", "paluksen.hlp", "."},
        {"usr/bin/paluksen", "home/data/paluksen.mdb", "usr/share/paluksen/paluksen.mdb", "usr/share/paluksen/paluksen.hlp", "home/Documents/Paluksen"},
        {"renamed", "home/data/renamed.mdb", "renamed.mdb", "renamed.hlp", "home/Documents/Paluksen"}, // needs a store of its own name
    };
    for (const auto& c : cases) {
        const ProgramPaths paths = ProgramPaths::fromExecutable(at(c.exe), user);
        EXPECT_EQ(QStringList({paths.store, paths.suppliedStore, paths.help, paths.outputDir}),
                  QStringList({at(c.store), at(c.supplied), at(c.help), at(c.outputs)}))
            << c.exe;
    }

    const auto contentOf = [](const ProgramPaths& paths) {
        store::Connection store = store::openProgramStore(paths);
        return storeContent(store);
    };
    const ProgramPaths installed = ProgramPaths::fromExecutable(at("usr/bin/paluksen"), user);
    const QByteArray suppliedBytes = readFile(installed.suppliedStore);
    store::openProgramStore(installed).execute(kEarlierRows);
    TestStore earlier;
    earlier.connection().execute(kEarlierRows);
    EXPECT_EQ(contentOf(installed), storeContent(earlier.connection())); // not copied again
    EXPECT_EQ(QDir(user.data).entryList(QDir::Files | QDir::Hidden), QStringList{u"paluksen.mdb"_qs});
    EXPECT_EQ(readFile(installed.suppliedStore), suppliedBytes);
    EXPECT_EQ(contentOf(ProgramPaths::fromExecutable(at("usr/bin/paluksen"), other)),
              storeContent(supplied.connection()));

    // A broken store says how to start afresh, and doing so works.
    writeFile(installed.store, QByteArray("not a database at all ").repeated(50));
    try {
        store::openProgramStore(installed);
        ADD_FAILURE() << "a broken store opened";
    } catch (const StoreFailure& failure) {
        EXPECT_EQ(failure.detail(), QDir::toNativeSeparators(installed.store) + u"\n最初からやり直すには、このファイルを削除してください。次の起動で配布時のアドレス帳データベース（"_qs +
                                        QDir::toNativeSeparators(installed.suppliedStore) + u"）がコピーされます。"_qs);
    }
    ASSERT_TRUE(QFile::remove(installed.store));
    EXPECT_EQ(contentOf(installed), storeContent(supplied.connection()));
}

} // namespace
} // namespace paluksen::test
