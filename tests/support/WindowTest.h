#pragma once

#include "shell/TaskContext.h"
#include "shell/WindowRegistry.h"
#include "support/ScriptedPlatform.h"
#include "support/TestStore.h"

#include <QCoreApplication>
#include <QEvent>
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
    TaskContext context_{platform_, store_.connection(), store_.dir(), windows_};
};

} // namespace paluksen::test
