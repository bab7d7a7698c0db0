#pragma once

class QLabel;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace paluksen {

// The program's controls, made alike in every window.

// A push button that Return and the keypad's Enter press while it has the focus, as Space does:
// keyboard users expect it of every button. Qt gives buttons that only inside dialogs, and the
// program's windows are plain windows; message boxes and the file dialog keep their own buttons.
QPushButton* commandButton(const QString& caption, QWidget* window);

// A label that draws its text from the top left of its place. Qt centres a label's text
// vertically, and a label lower than the font's line would lose the top of its glyphs.
QLabel* topLeftLabel(const QString& text, QWidget* window, const QRect& place);

} // namespace paluksen
