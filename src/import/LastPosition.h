#pragma once

#include <QStringView>

namespace paluksen {

// Position (from 1, in characters) of the last occurrence of pattern in text, or -1: where a
// group member's address begins.
qsizetype lastPosition(QStringView text, QStringView pattern);

} // namespace paluksen
