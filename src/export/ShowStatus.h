#pragma once

#include <QString>
#include <functional>

namespace paluksen {

// Receives the progress texts of an export as the run reaches them. The run holds the one
// thread, so the window must repaint inside the call or the user never sees the text. A batch
// run, which nobody watches, gives none.
using ShowStatus = std::function<void(const QString&)>;

inline void show(const ShowStatus& showStatus, const QString& text)
{
    if (showStatus)
        showStatus(text);
}

} // namespace paluksen
