#include "text/LineReader.h"
#include "base/Failure.h"
#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace paluksen::test {
namespace {

constexpr qsizetype kPiece = 64 * 1024; // the reader takes the file in pieces of this size
const QString R(QChar::ReplacementCharacter);

// With a byte-order mark; any code units, lone surrogate halves included.
QByteArray utf16le(const QString& text) { return "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2); }

TEST(LineReader, LineEndsEncodingsAndBrokenCharacters)
{
    const QString name = u"山田 太郎～"_qs;
    const QString pair = u"😀"_qs;
    const struct {
        const char* what;
        QByteArray bytes;
        std::optional<TextEncoding> forced;
        TextEncoding encoding;
        QStringList lines;
    } cases[] = {
        // A line ends at CR LF or a lone CR, and a LF without CR belongs to the line, as long as the
        // file holds a CR anywhere; in a file without one a line ends at LF.
        {"line ends", "A\rB\r\n\r\nC\nD\r\r\nE", TextEncoding::Cp932, TextEncoding::Cp932, {"A", "B", "", "C\nD", "", "E"}},
        {"a CR far behind", "C\nD" + QByteArray(kPiece, 'x') + "\r", {}, TextEncoding::Cp932, {"C\nD" + QString(kPiece, u'x')}},
        {"an LF after a CR LF is text", "A\r\n\nB\r", {}, TextEncoding::Cp932, {"A", "\nB"}},
        {"LF line ends", "A\n\nB\n", {}, TextEncoding::Cp932, {"A", "", "B"}},
        {"UTF-16 LF line ends, 0D inside a unit", utf16le(u"\u0D0A\nB"_qs), {}, TextEncoding::Utf16LE, {u"\u0D0A"_qs, "B"}},
        {"empty", "", TextEncoding::Cp932, TextEncoding::Cp932, {}},
        {"CR ends a piece", QByteArray(kPiece - 1, 'x') + "\r\nn\r", TextEncoding::Cp932, TextEncoding::Cp932, {QString(kPiece - 1, u'x'), "n"}},
        {"a character across pieces", QByteArray(kPiece - 1, 'x') + cp932::encode(u"山田"), {}, TextEncoding::Cp932, {QString(kPiece - 1, u'x') + u"山田"_qs}},
        // The encoding: a mark names it; valid UTF-8 is UTF-8 where it holds a Japanese character
        // or cannot be code page 932; everything else is code page 932.
        {"code page 932", cp932::encode(name + u"\r\n"_qs + name), {}, TextEncoding::Cp932, {name, name}},
        {"UTF-8 mark", "\xEF\xBB\xBF" + (name + u"\r\n"_qs + name).toUtf8(), {}, TextEncoding::Utf8, {name, name}},
        {"UTF-8", (name + u"\r"_qs + name).toUtf8(), {}, TextEncoding::Utf8, {name, name}},
        {"UTF-16LE", utf16le(name + u"\r\n"_qs + name), {}, TextEncoding::Utf16LE, {name, name}},
        {"UTF-16BE", QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(name + u"\r\n"_qs + name), {}, TextEncoding::Utf16BE, {name, name}},
        {"ASCII", "plain\r\n", {}, TextEncoding::Cp932, {"plain"}},
        {"half-width kana valid as UTF-8", "\xC3\xBD \xC6\xB1\r\n", {}, TextEncoding::Cp932, {u"ﾃｽ ﾆｱ"_qs}},
        {"label line only Japanese", u"Bob\r\n電子メール アドレス :\r\n"_qs.toUtf8(), {}, TextEncoding::Utf8, {"Bob", u"電子メール アドレス :"_qs}},
        {"José beside Japanese", u"José\r\n山田"_qs.toUtf8(), {}, TextEncoding::Utf8, {u"José"_qs, u"山田"_qs}},
        {"UTF-8 that cannot be code page 932", u"À la carte"_qs.toUtf8(), {}, TextEncoding::Utf8, {u"À la carte"_qs}},
        // Each end of the Japanese ranges; the bytes are code page 932 too.
        {"UTF-8 of the last katakana", u"ヿ"_qs.toUtf8(), {}, TextEncoding::Utf8, {u"ヿ"_qs}},
        {"UTF-8 under the first high surrogate of the ideographs' plane", QString::fromUcs4(U"\U00020040").toUtf8(), {}, TextEncoding::Utf8, {QString::fromUcs4(U"\U00020040")}},
        {"UTF-8 under its last high surrogate", QString::fromUcs4(U"\U0002FC21").toUtf8(), {}, TextEncoding::Utf8, {QString::fromUcs4(U"\U0002FC21")}},
        {"UTF-8 with a lead byte before a space", u"Á B"_qs.toUtf8(), {}, TextEncoding::Utf8, {u"Á B"_qs}},
        {"Latin UTF-8 that is also code page 932", u"1 Straße"_qs.toUtf8(), {}, TextEncoding::Cp932, {u"1 Straﾃ歹"_qs}},
        {"UTF-8 spoilt near the end", u"山田\r\n"_qs.toUtf8().repeated(5000) + cp932::encode(u"鈴木"), {}, TextEncoding::Cp932, QStringList(5000, u"螻ｱ逕ｰ"_qs) << u"鈴木"_qs},
        // Adjacent literals keep a hex escape from running on into the next character.
        // clang-format off
        {"second mark is text", "\xEF\xBB\xBF\xEF\xBB\xBF" "A", {}, TextEncoding::Utf8, {QChar(0xFEFF) + u"A"_qs}},
        // A file cut off in its last character keeps one broken character.
        {"UTF-8 cut off", u"山田\r\n"_qs.toUtf8() + "\xE5\x90", {}, TextEncoding::Cp932, {u"螻ｱ逕ｰ"_qs, u"蜷"_qs}},
        {"UTF-8 mark cut off", "\xEF\xBB\xBF" + u"山田\r\n名"_qs.toUtf8().chopped(1), {}, TextEncoding::Utf8, {u"山田"_qs, R}},
        {"UTF-8 forced, cut at a full piece", QByteArray(kPiece - 1, 'x') + "\xE5", TextEncoding::Utf8,
         TextEncoding::Utf8, {QString(kPiece - 1, u'x') + R}},
        {"UTF-16LE half a unit", QByteArray("\xFF\xFE" "A\0\r\0\n\0B", 9), {}, TextEncoding::Utf16LE, {"A", R}},
        {"UTF-16BE half a unit", QByteArray("\xFE\xFF" "\0A\0\r\0\n\0", 9), {}, TextEncoding::Utf16BE, {"A", R}},
        // Lone surrogate halves and the noncharacters U+FFFE/U+FFFF become U+FFFD; pairs stay whole,
        // also where a piece ends between the halves.
        {"UTF-16 units", utf16le(QString::fromUtf16(u"A\xD800" "B\r\xDC00\r\xFFFEx\xFFFF\r\xD83D\xDE00\r\xDE00\xD83D")),
         {}, TextEncoding::Utf16LE, {u"A"_qs + R + u"B"_qs, R, R + u"x"_qs + R, pair, R + R}},
        {"UTF-8 noncharacters", "\xEF\xBB\xBF" "a\xEF\xBF\xBE" "b\xEF\xBF\xBF", {}, TextEncoding::Utf8, {u"a"_qs + R + u"b"_qs + R}},
        // clang-format on
        {"pair across pieces", utf16le(QString(kPiece / 2 - 1, u'x') + pair), {}, TextEncoding::Utf16LE, {QString(kPiece / 2 - 1, u'x') + pair}},
        {"half a pair at the end", utf16le(QString(kPiece / 2 - 1, u'x') + pair).chopped(2), {}, TextEncoding::Utf16LE, {QString(kPiece / 2 - 1, u'x') + R}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what));
        writeFile(path, c.bytes);
        std::optional<LineReader> reader;
        c.forced ? reader.emplace(path, *c.forced) : reader.emplace(path);
        QStringList lines;
        while (!reader->atEnd())
            lines << reader->readLine();
        EXPECT_EQ(reader->encoding(), c.encoding) << c.what;
        EXPECT_EQ(lines, c.lines) << c.what;
    }
    // A NUL refuses the file wherever it stands, first in a piece too.
    writeFile(dir.filePath(u"binary.txt"_qs), QByteArray("\0A", 2));
    EXPECT_THROW(LineReader(dir.filePath(u"binary.txt"_qs)).readLine(), FileFailure);
}

} // namespace
} // namespace paluksen::test
