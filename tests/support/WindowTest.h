#pragma once

#include "gui/TaskContext.h"
#include "gui/WindowRegistry.h"
#include "support/ScriptedPlatform.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
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

// A shown top-level window by its object name, or null.
inline QWidget* openWindow(const QString& name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(), [&](QWidget* w) { return w->objectName() == name && w->isVisible(); });
    return found == windows.end() ? nullptr : *found;
}

// A folder under base whose files have paths of some 120 characters, as a program installed deep
// in a home folder has.
inline QString deepFolder(const QString& base)
{
    return base + QStringLiteral("/Programs").repeated(std::max<qsizetype>(0, (113 - base.size()) / 9));
}

// Whether a label's whole text shows: wrapped to the label's width it needs no more room than the
// label has, and the label stands inside its window clear of the window's buttons.
inline ::testing::AssertionResult readableInFull(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    if (!room.contains(needed))
        return ::testing::AssertionFailure() << "text needs " << needed.width() << "x" << needed.height() << " in "
                                             << room.width() << "x" << room.height();
    const QWidget* window = label->window();
    if (!window->rect().contains(label->geometry()))
        return ::testing::AssertionFailure() << "label reaches out of its window";
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        if (!button->isHidden() && button->geometry().intersects(label->geometry()))
            return ::testing::AssertionFailure() << "label covers " << button->objectName().toStdString();
    return ::testing::AssertionSuccess();
}

} // namespace paluksen::test
