#pragma once

class QApplication;

namespace paluksen {

// The program speaks Japanese whatever the desktop's language: Qt's own dialogs (the file
// dialog's "Look in", "Cancel", ...) are shown in Japanese and in the program's font.
void speakJapanese(QApplication& app);

} // namespace paluksen
