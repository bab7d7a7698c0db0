#include "support/TestStore.h"
#include "text/Failure.h"
#include "text/LineWriter.h"

#include <QDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paluksen::test {
namespace {

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Code page 932, CR LF after every line; the earlier file stays whole until the commit, and a
// writer dropped without one (a run failing half-way) leaves it and no temporary file behind.
TEST(LineWriter, WritesWholeLinesAndReplacesOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    for (const bool commit : {false, true}) {
        {
            LineWriter writer(target);
            for (const QString& line : {u""_qs, u"山田,\u00e9"_qs, QString(200000, u'x')})
                writer.writeLine(line);
            EXPECT_EQ(readFile(target), "earlier\r\n");
            if (commit)
                writer.commit();
        }
        EXPECT_EQ(readFile(target).startsWith("earlier"), !commit);
    }
    EXPECT_EQ(readFile(target), "\r\n\x8e\x52\x93\x63,?\r\n" + QByteArray(200000, 'x') + "\r\n");
    EXPECT_EQ(filesIn(dir), QStringList{u"AdrBook.txt"_qs});
}

// Writes one line as the given user; exits 0 once committed, or 1 with the failure on stderr.
[[noreturn]] void writeAs(const passwd* user, const QString& target)
{
    if (user && (setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 || setuid(user->pw_uid) != 0))
        std::_Exit(2);
    try {
        LineWriter writer(target);
        writer.writeLine(u"new");
        writer.commit();
        std::_Exit(0);
    } catch (const FileFailure& failure) {
        std::fprintf(stderr, "%d %s\n", failure.number(), failure.description().toUtf8().constData());
        std::_Exit(1);
    }
}

// A folder the user cannot write to, as a shared installation may have: an existing writable
// file is written in place, a missing or read-only one fails and stays as it was. Root ignores
// the modes, so the writing is done as another user.
TEST(LineWriter, ReadOnlyFolderRewritesAWritableFileInPlace)
{
    const passwd* user = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (geteuid() == 0 && !user)
        GTEST_SKIP() << "running as root with no user \"nobody\" to drop to";
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    const QByteArray folder = QFile::encodeName(dir.path());
    const struct {
        const char* earlier; // null: no file there
        mode_t mode;
        int exitCode;
        const char* after; // null: no file after
    } cases[] = {{"earlier, longer\r\n", 0666, 0, "new\r\n"}, {nullptr, 0, 1, nullptr}, {"earlier\r\n", 0444, 1, "earlier\r\n"}};
    for (const auto& c : cases) {
        chmod(folder.constData(), 0755);
        QFile::remove(target);
        if (c.earlier) {
            writeFile(target, c.earlier);
            chmod(QFile::encodeName(target).constData(), c.mode);
        }
        chmod(folder.constData(), 0555);
        EXPECT_EXIT(writeAs(user, target), ::testing::ExitedWithCode(c.exitCode),
                    c.exitCode ? "^13 出力ファイルを作成できませんでした。" : "^$");
        EXPECT_EQ(filesIn(dir), c.after ? QStringList{u"AdrBook.txt"_qs} : QStringList{});
        EXPECT_TRUE(!c.after || readFile(target) == c.after);
    }
    chmod(folder.constData(), 0700);
}

} // namespace
} // namespace paluksen::test
