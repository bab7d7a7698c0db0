#pragma once

class QPushButton;
class QString;
class QWidget;

namespace paluksen {

// The program's controls, made alike in every window.

// A push button that Return and the keypad's Enter press while it has the focus, as Space does:
// keyboard users expect it of every button. Qt gives buttons that only inside dialogs, and the
// program's windows are plain windows; message boxes and the file dialog keep their own buttons.
QPushButton* commandButton(const QString& caption, QWidget* window);

} // namespace paluksen
