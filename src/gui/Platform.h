#pragma once

#include <QString>

class QWidget;

namespace paluksen {

// The buttons and icon of each box the program shows.
enum class MessageStyle {
    Stop,        // OK, stop icon
    Question,    // Yes and No, question mark, Yes the default
    Exclamation, // OK, exclamation mark
    Information, // OK, information icon
};

enum class MessageAnswer { Ok, Yes, No };

// Everything the platform shows or answers goes through here, so that a test can answer the
// program's questions and read what it showed without a real dialog ever blocking.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MessageStyle style) = 0;
    // filter in the "name|pattern|name|pattern" form; empty text when the user cancels.
    virtual QString openFileDialog(QWidget* owner, const QString& title, const QString& filter) = 0;
    // Shows a file in the program the desktop has for it, maximized where the platform can; returns
    // at once, false where the desktop has no program to hand it to.
    virtual bool shellOpen(QWidget* owner, const QString& path) = 0;
    virtual void showHelp(QWidget* owner, const QString& helpPath) = 0;
    // Ends the program after a failure has been reported.
    virtual void endProgram(int exitCode) = 0;
};

} // namespace paluksen
