// Code page 932 through Windows' own converter. The few characters it writes otherwise than the
// Linux build (glibc's converter) are written as there, so that both builds write the same files.
#include "text/Cp932.h"

#include <windows.h>

namespace paluksen::cp932 {
namespace {

constexpr UINT kCodePage = 932;
constexpr wchar_t kReplacement = 0xFFFD;

bool isLeadByte(char byte)
{
    return IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(byte)) != 0;
}

// Converts bytes that hold only whole characters. Windows would put its own replacement for an
// invalid code; the program shows U+FFFD for it, so invalid codes are found one at a time.
void convertWhole(const char* bytes, int size, QString& out)
{
    if (size == 0)
        return;
    const qsizetype start = out.size();
    out.resize(start + size);
    auto* target = reinterpret_cast<wchar_t*>(out.data() + start);
    int written = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, size, target, size);
    if (written > 0) {
        out.resize(start + written);
        return;
    }
    written = 0;
    for (int i = 0; i < size;) {
        const int length = (isLeadByte(bytes[i]) && i + 1 < size) ? 2 : 1;
        const int one = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes + i, length, target + written, 1);
        if (one == 1) {
            ++written;
            i += length;
        } else {
            target[written++] = kReplacement; // the next byte is read afresh
            ++i;
        }
    }
    out.resize(start + written);
}

// The Linux build's bytes for a character Windows writes otherwise, or null. glibc writes a
// look-alike of the code page for a few characters it has no code of its own for, as a user who
// typed them in a UTF-8 listing would expect; Windows writes "?" for them. And Windows writes
// four private-use characters and U+0080 as the code page's unassigned bytes, glibc as "?".
const char* linuxBytes(char16_t character)
{
    switch (character) {
    case 0x00A2: // ¢ as ￠
        return "\x81\x91";
    case 0x00A3: // £ as ￡
        return "\x81\x92";
    case 0x00A5: // ¥ as the yen sign of the Japanese byte 0x5C
        return "\x5c";
    case 0x00AC: // ¬ as ￢
        return "\x81\xca";
    case 0x2014: // — as ―
        return "\x81\x5c";
    case 0x2016: // ‖ as ∥
        return "\x81\x61";
    case 0x203E: // ‾ as the overline of the Japanese byte 0x7E
        return "\x7e";
    case 0x2212: // − as －
        return "\x81\x7c";
    case 0x301C: // 〜 as ～
        return "\x81\x60";
    case 0x0080:
    case 0xF8F0:
    case 0xF8F1:
    case 0xF8F2:
    case 0xF8F3:
        return "?";
    default:
        return nullptr;
    }
}

void encodeWhole(QStringView text, QByteArray& out)
{
    if (text.isEmpty())
        return;
    const qsizetype start = out.size();
    out.resize(start + text.size() * 2);
    const int written = WideCharToMultiByte(
        kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(text.utf16()), static_cast<int>(text.size()),
        out.data() + start, static_cast<int>(text.size() * 2), "?", nullptr);
    out.resize(start + qMax(written, 0));
}

} // namespace

struct Decoder::State {
    QByteArray pending; // a lead byte whose trail byte is in the next piece
};

Decoder::Decoder() : state_(std::make_unique<State>()) { }
Decoder::~Decoder() = default;

void Decoder::decode(QByteArrayView piece, bool last, QString& out)
{
    QByteArray bytes = state_->pending + piece.toByteArray();
    state_->pending.clear();
    qsizetype end = bytes.size();
    if (!last && !bytes.isEmpty() && isLeadByte(bytes.back())) {
        // Walk from the start: only a lead byte that no earlier lead byte has taken is unfinished.
        qsizetype i = 0;
        while (i < bytes.size() - 1)
            i += isLeadByte(bytes[i]) ? 2 : 1;
        if (i == bytes.size() - 1) {
            state_->pending = bytes.right(1);
            end = bytes.size() - 1;
        }
    }
    convertWhole(bytes.constData(), static_cast<int>(end), out);
}

struct Encoder::State { };

Encoder::Encoder() : state_(std::make_unique<State>()) { }
Encoder::~Encoder() = default;

void Encoder::encode(QStringView text, QByteArray& out)
{
    // The converter takes UTF-16 unit by unit, and would write a "?" for each half of a surrogate
    // pair. A character beyond the first plane is one character that code page 932 cannot hold,
    // so it becomes one "?" here, as a lone half does.
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char* const asOnLinux = linuxBytes(text[i].unicode());
        if (!asOnLinux && !text[i].isSurrogate())
            continue;
        encodeWhole(text.sliced(start, i - start), out);
        if (asOnLinux) {
            out.append(asOnLinux);
        } else {
            out.append('?');
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
        start = i + 1;
    }
    encodeWhole(text.sliced(start), out);
}

} // namespace paluksen::cp932
