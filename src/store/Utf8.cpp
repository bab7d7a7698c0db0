#include "store/Utf8.h"

namespace paluksen::store::utf8 {
namespace {
bool isSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}
} // namespace

bool fromText(QStringView text, std::string& out)
{
    out.resize(static_cast<std::size_t>(text.size()) * 3);
    if (!text.isEmpty() && (text.front() == QChar(0xFEFF) || text.front() == QChar(0xFFFE)))
        return false;
    char* to = out.data();
    for (const QChar c : text) {
        const char32_t unit = c.unicode();
        if (unit < 0x80) {
            *to++ = static_cast<char>(unit);
        } else if (unit < 0x800) {
            *to++ = static_cast<char>(0xC0 | (unit >> 6));
            *to++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (isSurrogate(unit)) {
            return false;
        } else {
            *to++ = static_cast<char>(0xE0 | (unit >> 12));
            *to++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *to++ = static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return true;
}

// Only well-formed sequences of one to three bytes that stand for neither a surrogate nor
// U+FFFE or U+FFFF; everything else (four-byte characters too, which are rare in an address
// book) is left to SQLite.
bool toText(const char* bytes, qsizetype size, QString& out)
{
    if (size == 0) {
        out = QStringLiteral("");
        return true;
    }
    out = QString(size, Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    const auto* from = reinterpret_cast<const unsigned char*>(bytes);
    const auto* end = from + size;
    const auto continuation = [](unsigned char byte) { return (byte & 0xC0) == 0x80; };
    while (from < end) {
        const unsigned char lead = *from;
        if (lead < 0x80) {
            *to++ = lead;
            ++from;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            if (end - from < 2 || !continuation(from[1]))
                return false;
            *to++ = static_cast<char16_t>(((lead & 0x1F) << 6) | (from[1] & 0x3F));
            from += 2;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            if (end - from < 3 || !continuation(from[1]) || !continuation(from[2]))
                return false;
            const char32_t unit = ((lead & 0x0F) << 12) | ((from[1] & 0x3F) << 6) | (from[2] & 0x3F);
            if (unit < 0x800 || isSurrogate(unit) || unit >= 0xFFFE)
                return false;
            *to++ = static_cast<char16_t>(unit);
            from += 3;
        } else {
            return false;
        }
    }
    out.truncate(to - reinterpret_cast<char16_t*>(out.data()));
    return true;
}

} // namespace paluksen::store::utf8
