#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace paluksen {

// The program's loaded windows in the order they were loaded. Qt's own list of top-level
// widgets has no order, and the closing guard hands the focus to the first one loaded.
class WindowRegistry {
public:
    void loaded(QWidget* window);
    void unloaded(QWidget* window);
    QList<QWidget*> windows() const;
    int count() const { return static_cast<int>(windows().size()); }

private:
    QList<QPointer<QWidget>> windows_;
};

} // namespace paluksen
