#include "import/ListingParser.h"

namespace paluksen {

// One backward search instead of trying every start position in turn: the same answer, but a
// long member line costs one pass over it rather than one pass per character.
qsizetype LastPosition(QStringView text, QStringView pattern)
{
    if (text.isEmpty() || pattern.size() > text.size())
        return -1;
    // An empty pattern is found wherever the search starts, and the first start tried is the
    // last character.
    if (pattern.isEmpty())
        return text.size();
    const qsizetype index = text.lastIndexOf(pattern, text.size() - pattern.size());
    return index < 0 ? -1 : index + 1;
}

} // namespace paluksen
