#include "ExpectedLines.h"

namespace paluksen::fuzz {
namespace {

struct Unit {
    qsizetype size;
    bool bigEndian;
};

Unit unitOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return {2, false};
    case TextEncoding::Utf16BE:
        return {2, true};
    case TextEncoding::Utf8:
    case TextEncoding::Cp932:
        break;
    }
    return {1, false};
}

char16_t unitAt(QByteArrayView bytes, qsizetype at, Unit unit)
{
    const auto byte = [&](qsizetype i) { return static_cast<char16_t>(static_cast<unsigned char>(bytes[i])); };
    if (unit.size == 1)
        return byte(at);
    return unit.bigEndian ? static_cast<char16_t>(byte(at) << 8 | byte(at + 1))
                          : static_cast<char16_t>(byte(at + 1) << 8 | byte(at));
}

} // namespace

qint64 expectedLineCount(QByteArrayView bytes, TextEncoding encoding, qsizetype markBytes)
{
    const Unit unit = unitOf(encoding);
    qint64 lines = 0;
    bool lineOpen = false;  // characters seen since the last line end
    bool afterCr = false;   // a LF here still belongs to the line end before it
    qsizetype at = markBytes;
    for (; at + unit.size <= bytes.size(); at += unit.size) {
        const char16_t c = unitAt(bytes, at, unit);
        if (c == u'\r') {
            ++lines;
            lineOpen = false;
            afterCr = true;
        } else if (c == u'\n' && afterCr) {
            afterCr = false;
        } else {
            lineOpen = true;
            afterCr = false;
        }
    }
    // Half a code unit left at the end is a broken character, which is still a character.
    if (at < bytes.size())
        lineOpen = true;
    return lines + (lineOpen ? 1 : 0);
}

} // namespace paluksen::fuzz
