#include "import/ListingParser.h"
#include "ListingRecorder.h"
#include "support/TestStore.h"
#include "text/Cp932.h"
#include "text/LineReader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// The import hands the parser a file through the line reader; so do these tests. The listings
// here are code page 932 by construction, so the reader is told so rather than left to guess.
TEST(ListingFile, CodePage932LineEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.txt"));
    // A lone CR ends a line, a lone LF does not; the last line has no line end.
    writeFile(path, cp932::encode(u"G\r\n  太郎 (t@x)\r\n\r\n山田\r電子メール アドレス :\r\n  y@x\r\n"
                                  u"  会社名 : 株式会社\nA\r\n\r\n佐藤"));
    LineReader lines(path);
    RowRecorder rows;
    const ParseResult result = parseListing(lines, rows, rows);
    EXPECT_EQ(result.outcome, ParseOutcome::Completed);
    EXPECT_EQ(result.lineCount, 9);
    EXPECT_EQ(rows.addresses, std::vector{person("山田", "y@x", "株式会社\nA", Null, Null)});
    EXPECT_EQ(rows.memberships, std::vector{member("G", "太郎", "t@x")});
}

TEST(ListingFile, SampleListing)
{
    LineReader lines(QStringLiteral(PALUKSEN_TEST_DATA "/../examples/sample-listing.txt"));
    RowRecorder rows;
    const ParseResult result = parseListing(lines, rows, rows);
    EXPECT_EQ(result.outcome, ParseOutcome::Completed);
    EXPECT_EQ(result.lineCount, 36);
    ASSERT_EQ(rows.addresses.size(), 5u);
    ASSERT_EQ(rows.memberships.size(), 6u);
    EXPECT_EQ(rows.addresses[0], person("佐藤 花子", "", "", "", ""));
    EXPECT_EQ(rows.addresses[1], person("鈴木 一郎", "ichiro.suzuki@example.jp",
                                        "株式会社みなと商事", "営業部", "課長"));
    EXPECT_EQ(rows.addresses[4], person("山本 由美", "yumi.yamamoto@example.org", Null, "総務課", Null));
    EXPECT_EQ(rows.memberships[2], member("テニス仲間", "伊藤 誠", "makoto.ito@example.net"));
    EXPECT_EQ(rows.memberships[3], member("テニス仲間", "佐藤 花子", ""));
    EXPECT_EQ(rows.memberships[5], member("営業チーム", "田中 健", "ken.tanaka@example.com"));
}

} // namespace
} // namespace paluksen::test
