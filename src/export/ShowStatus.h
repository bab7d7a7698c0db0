#pragma once

#include <QString>
#include <functional>

namespace paluksen {

// Receives the progress texts of an export as the run reaches them. The run holds the one
// thread, so the window must repaint inside the call or the user never sees the text.
using ShowStatus = std::function<void(const QString&)>;

} // namespace paluksen
