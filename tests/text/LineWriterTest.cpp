#include "base/Failure.h"
#include "support/TestStore.h"
#include "text/LineWriter.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paluksen::test {
namespace {

// Code page 932, CR LF after every line; the earlier file stays whole until the commit, and a
// writer dropped without one (a run failing half-way) leaves it and no temporary file behind.
TEST(LineWriter, WritesWholeLinesAndReplacesOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    for (const bool commit : {false, true}) {
        LineWriter writer(OutputTarget::file(target));
        for (const QString& line : {u""_qs, u"山田,\u00e9"_qs, QString(200000, u'x')})
            writer.writeLine(line);
        EXPECT_EQ(readFile(target), "earlier\r\n");
        if (commit)
            writer.commit();
    }
    EXPECT_EQ(readFile(target), "\r\n\x8e\x52\x93\x63,?\r\n" + QByteArray(200000, 'x') + "\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"AdrBook.txt"_qs});
}

// Run as the user of a shared installation, in a process of its own: the folder is read-only, the
// output file writable. The file is rewritten in place; a write that fails there (the file may
// not grow) fails the run with the system's words. Says what went wrong on standard error.
int writeInReadOnlyFolder(const QString& target)
{
    const auto write = [&](const QString& line) {
        LineWriter writer(OutputTarget::file(target));
        writer.writeLine(line);
        writer.commit();
    };
    write(u"山田"_qs);
    if (readFile(target) != "\x8e\x52\x93\x63\r\n")
        return std::fputs("not written in place\n", stderr), 1;
    const rlimit small{100, 100};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        write(QString(200, u'x'));
    } catch (const FileFailure& failure) {
        return failure.number() == EFBIG ? 0 : (std::fputs(failure.what(), stderr), 1);
    }
    return std::fputs("a failed write went unnoticed\n", stderr), 1;
}

TEST(LineWriterDeathTest, ReadOnlyFolderIsWrittenInPlaceAndEveryFailedWriteIsSeen)
{
    // Root may write into any folder, so the run drops to an unprivileged user (Debian always has
    // nobody).
    const passwd* nobody = getuid() == 0 ? getpwnam("nobody") : nullptr;
    if (getuid() == 0 && !nobody)
        GTEST_SKIP() << "running as root, and there is no user nobody to run as";
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(target), 0666), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()), 0555), 0);
    EXPECT_EXIT(
        {
            if (nobody && (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
                std::_Exit(2);
            std::_Exit(writeInReadOnlyFolder(target));
        },
        testing::ExitedWithCode(0), "");
    chmod(QFile::encodeName(dir.path()), 0755);
}

} // namespace
} // namespace paluksen::test
