#include "import/LastPosition.h"

namespace paluksen {
namespace {

// A character beyond U+FFFF is two UTF-16 units but one position of the listing.
qsizetype characterCount(QStringView text)
{
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        pairs += text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
    return text.size() - pairs;
}

} // namespace

// One backward search instead of trying every start position in turn: the same answer, but a
// long member line costs one pass over it rather than one pass per character.
qsizetype lastPosition(QStringView text, QStringView pattern)
{
    if (text.isEmpty() || pattern.size() > text.size())
        return -1;
    // An empty pattern is found wherever the search starts, and the first start tried is the
    // last character.
    if (pattern.isEmpty())
        return characterCount(text);
    const qsizetype index = text.lastIndexOf(pattern, text.size() - pattern.size());
    return index < 0 ? -1 : characterCount(text.first(index)) + 1;
}

} // namespace paluksen
