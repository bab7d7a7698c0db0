#include "gui/WindowRegistry.h"

namespace paluksen {

void WindowRegistry::loaded(QWidget* window)
{
    if (!windows().contains(window))
        windows_.append(window);
}

void WindowRegistry::unloaded(QWidget* window)
{
    windows_.removeIf([window](const QPointer<QWidget>& entry) { return entry.isNull() || entry == window; });
}

QList<QWidget*> WindowRegistry::windows() const
{
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& window : windows_)
        if (window)
            alive.append(window);
    return alive;
}

} // namespace paluksen
