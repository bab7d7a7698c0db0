#pragma once

class QWidget;

namespace paluksen {

// Brings a loaded window back before the user: restored if it was minimized, raised and given
// the focus. Showing, raising and activating alone leave a minimized window in the task bar.
void showAgain(QWidget* window);

} // namespace paluksen
