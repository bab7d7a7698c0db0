#include "support/TestStore.h"
#include "text/Cp932.h"
#include "text/Failure.h"
#include "text/LineReader.h"
#include "text/LineReaderFixture.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace paluksen;

namespace {

using LineReaderTest = test::LineReaderFixture;

TEST_F(LineReaderTest, LineEndsAreCrLfOrALoneCr)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\r\n", {"A"}},
        {"A\r", {"A"}},
        {"A\r\n\r\n", {"A", ""}},
        {"\r\n", {""}},
        {"A\rB\r\nC", {"A", "B", "C"}},
        {"A\nB\r\n", {"A\nB"}},       // a LF without CR belongs to the line
        {"A\r\r\nB", {"A", "", "B"}},
        {"\n", {"\n"}},
        {"A\n\r", {"A\n"}},
    };
    for (const auto& c : cases) {
        LineReader reader(file(c.bytes), TextEncoding::Cp932);
        EXPECT_EQ(readAll(reader), c.lines) << test::hex(c.bytes).toStdString();
    }
}

TEST_F(LineReaderTest, CrLfSplitAcrossReadsIsOneLineEnd)
{
    // The reader takes the file in 64 KiB pieces; put the CR last in the first piece.
    for (const qsizetype crAt : {65535, 65536, 65534}) {
        QByteArray bytes(crAt, 'x');
        bytes += "\r\nnext\r\n";
        LineReader reader(file(bytes), TextEncoding::Cp932);
        const QStringList lines = readAll(reader);
        ASSERT_EQ(lines.size(), 2) << crAt;
        EXPECT_EQ(lines[0].size(), crAt);
        EXPECT_EQ(lines[1], QStringLiteral("next"));
    }
}

TEST_F(LineReaderTest, EncodingIsTakenFromTheMarkOrFromValidUtf8)
{
    const QString japanese = QString::fromUtf16(u"山田 太郎～");
    auto utf16le = [](const QString& s) {
        return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    };
    auto utf16be = [&](const QString& s) {
        QByteArray bytes = utf16le(s);
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
        return bytes;
    };
    const QString text = japanese + QStringLiteral("\r\n") + japanese;
    const struct {
        const char* name;
        QByteArray bytes;
        TextEncoding encoding;
    } cases[] = {
        {"code page 932", cp932::encode(text), TextEncoding::Cp932},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + text.toUtf8(), TextEncoding::Utf8},
        {"UTF-8 without mark", text.toUtf8(), TextEncoding::Utf8},
        {"UTF-16LE", "\xFF\xFE" + utf16le(text), TextEncoding::Utf16LE},
        {"UTF-16BE", "\xFE\xFF" + utf16be(text), TextEncoding::Utf16BE},
    };
    for (const auto& c : cases) {
        LineReader reader(file(c.bytes));
        EXPECT_EQ(reader.encoding(), c.encoding) << c.name;
        EXPECT_EQ(readAll(reader), QStringList({japanese, japanese})) << c.name;
    }
}

TEST_F(LineReaderTest, TextThatIsNotWhollyUtf8StaysCodePage932)
{
    // ASCII alone, UTF-8 spoilt by one code page 932 character near the end, and half-width
    // katakana in code page 932 that happen to be valid UTF-8 ("ý Ʊ") too. Valid UTF-8 is taken
    // where it holds a Japanese character or cannot be code page 932 (a lone 0x80).
    QByteArray mixed = QString::fromUtf16(u"山田\r\n").toUtf8().repeated(5000) + cp932::encode(u"鈴木");
    const struct {
        QByteArray bytes;
        TextEncoding encoding;
    } cases[] = {
        {"plain ascii\r\n", TextEncoding::Cp932},
        {mixed, TextEncoding::Cp932},
        {"\xC3\xBD \xC6\xB1\r\n\r\nFriends\r\n  Bob (bob@example.com)\r\n  \xC3\xBD \xC6\xB1\r\n\r\n",
         TextEncoding::Cp932},
        {u"Bob\r\n電子メール アドレス :\r\n  bob@example.com\r\n\r\n"_qs.toUtf8(), TextEncoding::Utf8},
        {u"José\r\n\r\n山田\r\n\r\n"_qs.toUtf8(), TextEncoding::Utf8},
        {u"À la carte\r\n\r\n"_qs.toUtf8(), TextEncoding::Utf8},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "A", TextEncoding::Utf8},
    };
    for (const auto& c : cases) {
        LineReader reader(file(c.bytes));
        EXPECT_EQ(reader.encoding(), c.encoding) << test::hex(c.bytes.first(std::min<qsizetype>(c.bytes.size(), 16))).toStdString();
    }
    // Only the first mark is a mark; a second one is text.
    LineReader twoMarks(file("\xEF\xBB\xBF\xEF\xBB\xBF" "A"));
    EXPECT_EQ(twoMarks.readLine(), QString(QChar(0xFEFF)) + QLatin1Char('A'));
}

TEST_F(LineReaderTest, MissingFileFailsWithItsPath)
{
    const QString path = dir_.filePath(QStringLiteral("none.txt"));
    try {
        LineReader reader(path);
        FAIL() << "opened a missing file";
    } catch (const FileFailure& failure) {
        EXPECT_TRUE(failure.detail().contains(path));
        EXPECT_FALSE(failure.description().isEmpty());
        EXPECT_EQ(failure.number(), ENOENT); // the system's number, not the library's
    }
}

} // namespace
