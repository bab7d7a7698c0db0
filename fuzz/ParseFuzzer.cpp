// Decoding and parsing alone, without a store: thousands of inputs a second. Each input is read
// as the import reads it, and once more in the encoding its first byte names, since detection
// hardly ever picks UTF-16 for mutated bytes.
#include "Fuzz.h"

#include <cstdint>
#include <iterator>

using namespace paluksen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString path = fuzz::listingFile(bytes);
    fuzz::parseAndCheck(path, bytes);
    constexpr TextEncoding kEncodings[] = {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf16LE,
                                           TextEncoding::Utf16BE};
    if (size > 0)
        fuzz::parseAndCheck(path, bytes, kEncodings[data[0] % std::size(kEncodings)]);
    return 0;
}
