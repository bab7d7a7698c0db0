#pragma once

#include <QString>

class QWidget;

namespace paluksen {

struct ProgramVersion {
    int major;
    int minor;
    int patch;
};

// "PalukF00：Paluksen Ver.1.00.00": the window's name, a full-width colon, the title, and the
// version with minor and patch at least two digits wide.
QString formCaption(const QString& windowName, ProgramVersion version);
void SetFormCaption(QWidget* window);

} // namespace paluksen
