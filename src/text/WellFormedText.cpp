#include "text/WellFormedText.h"

namespace paluksen {

void makeWellFormed(QString& text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || c.unicode() >= 0xFFFE)
            text[i] = QChar::ReplacementCharacter;
    }
}

} // namespace paluksen
