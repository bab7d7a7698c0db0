#include "gui/ShowAgain.h"

#include <QWidget>

namespace paluksen {

void showAgain(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace paluksen
