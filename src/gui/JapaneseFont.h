#pragma once

#include <QFont>

namespace paluksen {

// MS Gothic where Windows has it, and the Japanese gothic fonts a Linux desktop installs.
QFont japaneseFont(double pointSize, bool bold = false);

} // namespace paluksen
