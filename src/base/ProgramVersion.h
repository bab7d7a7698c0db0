#pragma once

#include <QString>

namespace paluksen {

// "Paluksen Ver.1.00.00": the program's title and version, minor and patch at least two digits
// wide, as the main menu's caption and the command line's --version both show it.
QString programVersionText();

} // namespace paluksen
