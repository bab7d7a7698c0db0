#include "gui/SetFormCaption.h"
#include "Version.h"

#include <QWidget>

namespace paluksen {

QString formCaption(const QString& windowName, ProgramVersion version)
{
    return QStringLiteral("%1：%2 Ver.%3.%4.%5")
        .arg(windowName, QString::fromLatin1(kProgramTitle))
        .arg(version.major)
        .arg(version.minor, 2, 10, QLatin1Char('0'))
        .arg(version.patch, 2, 10, QLatin1Char('0'));
}

void SetFormCaption(QWidget* window)
{
    window->setWindowTitle(formCaption(window->objectName(), {kVersionMajor, kVersionMinor, kVersionPatch}));
}

} // namespace paluksen
