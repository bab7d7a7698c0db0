#include "text/Cp932.h"
#include "support/TestStore.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace paluksen::test {
namespace {

// Every two-byte code, user-defined area included, decodes to the character Windows gives it
// (cp932_reference.txt). Every character of the Basic Multilingual Plane becomes the bytes the
// Linux build writes for it, glibc's look-alikes for characters the code page has no code of its
// own for included: cp932_bmp.txt lists each character that does not become "?" with its bytes,
// and the Linux build writes that list afresh to the file named by PALUKSEN_WRITE_CP932_BMP.
TEST(Cp932, EveryCodeDecodesAsOnWindowsAndEveryCharacterIsWrittenAsOnLinux)
{
    QStringList wrong; // lines of the reference decoded otherwise, lines written that one list lacks
    const QList<QByteArray> lines = readFile(QStringLiteral(PALUKSEN_TEST_DATA "/text/cp932_reference.txt")).trimmed().split('\n');
    for (const QByteArray& line : lines)
        if (cp932::decode(QByteArray::fromHex(line.left(4))) != QChar(static_cast<char16_t>(line.mid(5, 4).toUInt(nullptr, 16))))
            wrong << QString::fromLatin1(line);
    EXPECT_GT(lines.size(), 9000);
    QStringList written; // "CHAR BYTES" in hexadecimal
    cp932::Encoder encoder;
    for (uint code = 0; code <= 0xFFFF; ++code) {
        QByteArray bytes;
        encoder.encode(QString(QChar(code)), bytes);
        if (!QChar::isSurrogate(code) && bytes != "?")
            written << QString::asprintf("%04X ", code) + QString::fromLatin1(bytes.toHex().toUpper());
    }
    if (const QString path = qEnvironmentVariable("PALUKSEN_WRITE_CP932_BMP"); !path.isEmpty())
        writeFile(path, written.join(u'\n').toLatin1() + '\n');
    const QStringList onLinux = QString::fromLatin1(readFile(QStringLiteral(PALUKSEN_TEST_DATA "/text/cp932_bmp.txt"))).trimmed().split(u'\n');
    std::set_symmetric_difference(written.begin(), written.end(), onLinux.begin(), onLinux.end(), std::back_inserter(wrong));
    EXPECT_EQ(wrong, QStringList{});
}

// Both ways where the bytes come back: single bytes, and the spots where code page 932 differs
// from plain Shift-JIS. Then one way: invalid bytes become U+FFFD without swallowing the next,
// and what the code page cannot hold becomes one "?" (a pair included), also between ASCII runs
// the encoder copies whole.
TEST(Cp932, TroubleSpotsInvalidBytesAndUnwritableCharacters)
{
    const struct {
        QByteArray bytes;
        QString text;
        bool decodes, encodes;
    } cases[] = {
        {QByteArray("\x00\x1a\x1c\x7f", 4), QString::fromUtf16(u"\u0000\u001a\u001c\u007f", 4), true, true},
        {"\xb1\xdf\x5c\x7e", QString::fromUtf16(u"\uff71\uff9f\\~"), true, true},
        {"\x81", QString::fromUtf16(u"\ufffd"), true, false},
        // Adjacent literals keep a hex escape from running on into the next character.
        // clang-format off
        {"\x81\x20" "A\xff" "B", QString::fromUtf16(u"\ufffd A\ufffdB"), true, false},
        // clang-format on
        {"12345678?12345678?", QString::fromUtf16(u"12345678\U0001F60012345678\xd800"), false, true},
        {"\x82\xa0?\x82\xa2?", QString::fromUtf16(u"\u3042\u00e9\u3044\xdc00"), false, true},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(!c.decodes || cp932::decode(c.bytes) == c.text) << c.bytes.toHex().toStdString();
        EXPECT_TRUE(!c.encodes || cp932::encode(c.text) == c.bytes) << c.bytes.toHex().toStdString();
    }
    // A lead byte at the end of a view is never paired with the byte beyond it.
    EXPECT_EQ(cp932::decode(QByteArrayView("\x82\xa0", 1)), QString(QChar::ReplacementCharacter));
    cp932::Encoder encoder; // appends after what the buffer holds
    QByteArray out("head:");
    encoder.encode(u"abcdefghij佐藤", out);
    EXPECT_EQ(out, QByteArray("head:abcdefghij\x8d\xb2\x93\xa1"));
}

} // namespace
} // namespace paluksen::test
