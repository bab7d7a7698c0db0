// Code page 932 through glibc's iconv, whose "CP932" table decodes every code as Windows does
// (Qt's and ICU's converters differ on the control bytes and on U+301C / U+FF5E).
#include "base/Failure.h"
#include "base/SystemError.h"
#include "text/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace paluksen::cp932 {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

iconv_t openConverter(const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        const int error = errno;
        throw FileFailure(error, QStringLiteral("文字コード変換（CP932）を利用できません。"), systemErrorText(error));
    }
    return cd;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(openConverter(to, from)) { }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t get() const { return cd_; }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

} // namespace

struct Decoder::State {
    Converter converter{"UTF-16LE", "CP932"};
    QByteArray pending; // the first byte of a character split between pieces

    // What each byte and each pair of bytes decodes to, asked of the converter once each: the
    // converter costs tens of instructions a byte however long the piece, and a listing repeats
    // a few hundred characters over and over.
    static constexpr char16_t kLeadByte = 0xFFFF; // no character of this code page
    static constexpr char16_t kInvalid = 0xFFFE;  // nor this
    static constexpr char16_t kNotAsked = 0xFFFD; // a pair is never decoded to U+FFFD
    char16_t singles[256];
    std::vector<char16_t> pairs = std::vector<char16_t>(0x10000, kNotAsked);

    State()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const char bytes[1] = {static_cast<char>(byte)};
            singles[byte] = ask(bytes, 1);
        }
    }

    // The one character the bytes make; kLeadByte for a byte that begins a pair, kInvalid for
    // bytes that make none.
    char16_t ask(const char* bytes, size_t size)
    {
        char* in = const_cast<char*>(bytes);
        size_t inLeft = size;
        char16_t unit = 0;
        char* out = reinterpret_cast<char*>(&unit);
        size_t outLeft = 2;
        const size_t done = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        converter.reset();
        if (done != static_cast<size_t>(-1) && inLeft == 0 && outLeft == 0)
            return unit;
        return done == static_cast<size_t>(-1) && error == EINVAL && size == 1 ? kLeadByte : kInvalid;
    }

    char16_t pair(unsigned char lead, unsigned char trail)
    {
        char16_t& unit = pairs[lead << 8 | trail];
        if (unit == kNotAsked) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            unit = ask(bytes, 2);
        }
        return unit;
    }
};

Decoder::Decoder() : state_(std::make_unique<State>()) { }
Decoder::~Decoder() = default;

void Decoder::decode(QByteArrayView piece, bool last, QString& out)
{
    QByteArray joined;
    if (!state_->pending.isEmpty()) {
        joined = state_->pending + piece.toByteArray();
        state_->pending.clear();
        piece = joined;
    }
    // Every byte yields at most one UTF-16 unit in this code page.
    const qsizetype start = out.size();
    out.resize(start + piece.size());
    char16_t* const outBegin = reinterpret_cast<char16_t*>(out.data() + start);
    char16_t* outPtr = outBegin;
    const auto* bytes = reinterpret_cast<const unsigned char*>(piece.data());
    const qsizetype size = piece.size();
    for (qsizetype at = 0; at < size; ++at) {
        const unsigned char byte = bytes[at];
        const char16_t single = byte < 0x80 ? byte : state_->singles[byte];
        if (single != State::kLeadByte) {
            *outPtr++ = single == State::kInvalid ? kReplacement : single;
        } else if (at + 1 == size && !last) { // its trail byte is in the next piece
            state_->pending = QByteArray(1, static_cast<char>(byte));
        } else {
            // An invalid pair, or a lead byte at the very end: the lead byte becomes U+FFFD and
            // the next byte is read afresh, so it never swallows an ASCII character.
            const char16_t unit = at + 1 == size ? State::kInvalid : state_->pair(byte, bytes[at + 1]);
            *outPtr++ = unit == State::kInvalid ? kReplacement : unit;
            at += unit == State::kInvalid ? 0 : 1;
        }
    }
    out.resize(start + (outPtr - outBegin));
}

struct Encoder::State {
    Converter converter{"CP932", "UTF-16LE"};
    // What each character of the Basic Multilingual Plane becomes: its one byte, or its two bytes
    // with the lead byte high ("?" where the code page has none). The converter costs tens of
    // instructions a character however short the piece, and an address book repeats a few hundred
    // characters over and over: each is asked of the converter once, the first time it comes.
    static constexpr char16_t kNotAsked = 0xFFFF; // no code of this code page, nor "?"
    static constexpr char16_t kNoBytes = 0xFFFE;  // the converter writes nothing for it
    std::vector<char16_t> codes = std::vector<char16_t>(0x10000, kNotAsked);

    // Converts one character, a unit or a surrogate pair; returns where the output ends. Room for
    // two bytes a unit is there.
    char* convert(const char16_t* units, qsizetype count, char* outPtr)
    {
        char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units));
        size_t inLeft = static_cast<size_t>(count) * 2;
        size_t outLeft = static_cast<size_t>(count) * 2;
        // A character that cannot be written (or half a surrogate pair) becomes one "?".
        if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            *outPtr++ = '?';
            converter.reset();
        }
        return outPtr;
    }

    char* write(char16_t unit, char* outPtr)
    {
        char16_t& code = codes[unit];
        if (code == kNotAsked) {
            char bytes[2];
            const qsizetype written = convert(&unit, 1, bytes) - bytes;
            const auto byte = [&](int i) { return static_cast<char16_t>(static_cast<unsigned char>(bytes[i])); };
            code = written == 0 ? kNoBytes : written == 1 ? byte(0) : static_cast<char16_t>(byte(0) << 8 | byte(1));
        }
        if (code == kNoBytes)
            return outPtr;
        if (code > 0xFF)
            *outPtr++ = static_cast<char>(code >> 8);
        *outPtr++ = static_cast<char>(code & 0xFF);
        return outPtr;
    }
};

Encoder::Encoder() : state_(std::make_unique<State>()) { }
Encoder::~Encoder() = default;

void Encoder::encode(QStringView text, QByteArray& out)
{
    // No character of this code page takes more than two bytes.
    const qsizetype start = out.size();
    out.resize(start + text.size() * 2);
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    char* const outBegin = out.data() + start;
    char* outPtr = outBegin;
    for (qsizetype pos = 0; pos < size; ++pos) {
        const char16_t unit = units[pos];
        if (unit < 0x80) { // the same byte in this code page
            *outPtr++ = static_cast<char>(unit);
        } else if (!QChar::isSurrogate(unit)) {
            outPtr = state_->write(unit, outPtr);
        } else { // beyond the Basic Multilingual Plane, or half of a pair: the converter decides
            const qsizetype count =
                QChar::isHighSurrogate(unit) && pos + 1 < size && QChar::isLowSurrogate(units[pos + 1]) ? 2 : 1;
            outPtr = state_->convert(units + pos, count, outPtr);
            pos += count - 1;
        }
    }
    out.resize(start + (outPtr - outBegin));
}

} // namespace paluksen::cp932
