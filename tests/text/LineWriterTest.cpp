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
        LineWriter writer(target);
        for (const QString& line : {u""_qs, u"山田,\u00e9"_qs, QString(200000, u'x')})
            writer.writeLine(line);
        EXPECT_EQ(readFile(target), "earlier\r\n");
        if (commit)
            writer.commit();
    }
    EXPECT_EQ(readFile(target), "\r\n\x8e\x52\x93\x63,?\r\n" + QByteArray(200000, 'x') + "\r\n");
    EXPECT_EQ(filesIn(dir), QStringList{u"AdrBook.txt"_qs});
}

// A folder the user cannot write to, as a shared installation may have: an existing writable
// file is written in place, a missing or read-only one fails and stays as it was. Root ignores
// the modes, so a child process drops to another user and writes one line.
TEST(LineWriter, ReadOnlyFolderRewritesAWritableFileInPlace)
{
    const passwd* user = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (geteuid() == 0 && !user)
        GTEST_SKIP() << "running as root with no user \"nobody\" to drop to";
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    const auto writeAsUser = [&] {
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
    };
    const std::tuple<const char*, mode_t, int, const char*> cases[] = { // earlier file, its mode, exit code, file after
        {"earlier, longer\r\n", 0666, 0, "new\r\n"}, {nullptr, 0, 1, nullptr}, {"earlier\r\n", 0444, 1, "earlier\r\n"}};
    for (const auto& [earlier, mode, exitCode, after] : cases) {
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        QFile::remove(target);
        if (earlier) {
            writeFile(target, earlier);
            chmod(QFile::encodeName(target).constData(), mode);
        }
        chmod(QFile::encodeName(dir.path()).constData(), 0555);
        EXPECT_EXIT(writeAsUser(), ::testing::ExitedWithCode(exitCode), exitCode ? "^13 出力ファイルを作成できませんでした。" : "^$");
        EXPECT_EQ(filesIn(dir), after ? QStringList{u"AdrBook.txt"_qs} : QStringList{});
        EXPECT_TRUE(!after || readFile(target) == after);
    }
    chmod(QFile::encodeName(dir.path()).constData(), 0700);
}

} // namespace
} // namespace paluksen::test
