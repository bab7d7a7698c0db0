#pragma once

#include "gui/MainMenu.h"
#include "gui/Platform.h"
#include "gui/TaskContext.h"
#include "gui/WindowRegistry.h"
#include "store/Sqlite.h"

#include <memory>

namespace paluksen {

// What start-up sets up and the process keeps: the program folder, the open store, the list
// of loaded windows, and the main menu.
class Program {
public:
    // Makes a portable program's folder current, opens the store and shows the main menu. A failure is
    // reported (and the program asked to end) before any window is shown; null then.
    static std::unique_ptr<Program> start(Platform& platform, const ProgramPaths& paths);

    MainMenu& mainWindow() { return *main_; }
    const ProgramPaths& paths() const { return context_.paths; }

private:
    Program(Platform& platform, const ProgramPaths& paths);

    store::Connection store_;
    WindowRegistry windows_;
    TaskContext context_;
    std::unique_ptr<MainMenu> main_;
};

// Connects the main menu's numbered buttons to their task windows.
void addTaskWindows(MainMenu& menu);

// The program with its windows: start-up, then Qt's event loop until the last window closes.
int runWindows(int argc, char** argv);

} // namespace paluksen
