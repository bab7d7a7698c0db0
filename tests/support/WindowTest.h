#pragma once

#include "gui/TaskContext.h"
#include "gui/WindowRegistry.h"
#include "support/ScriptedPlatform.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace paluksen::test {

// A store, a scripted platform and the list of loaded windows, as start-up would hold them.
class WindowTest : public ::testing::Test {
protected:
    // Lets Qt finish deleting the windows that closed themselves.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TestStore store_;
    ScriptedPlatform platform_;
    WindowRegistry windows_;
    TaskContext context_{platform_, store_.connection(), {store_.dir(), QStringLiteral("paluksen")}, windows_,
                         [] { return QDateTime(QDate(2019, 1, 7), QTime(12, 0)).toMSecsSinceEpoch(); }};
};

// A control of a window by its object name; fails the test where there is none.
template <typename Control = QWidget>
Control* child(const QWidget* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    if (!control)
        ADD_FAILURE() << "no control " << name.toStdString();
    return control;
}

// A loaded top-level window by its object name, or null.
inline QWidget* openWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

} // namespace paluksen::test
