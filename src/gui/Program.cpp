#include "gui/Program.h"
#include "base/Failure.h"
#include "gui/FailureReport.h"
#include "store/ProgramStore.h"

#include <QDir>

namespace paluksen {
namespace {

const ProgramPaths& enterProgramDir(const ProgramPaths& paths)
{
    // Every path the program builds is absolute; the current folder only matters to the file
    // dialog, which should open where a portable program lives. An installed one's folder holds
    // nothing of the user's: the dialog opens where the program was started.
    if (!paths.installed() && !QDir::setCurrent(paths.dir))
        throw FileFailure(2, QStringLiteral("プログラムのフォルダに移動できませんでした。"), paths.dir);
    return paths;
}

} // namespace

Program::Program(Platform& platform, const ProgramPaths& paths)
    : store_(store::openProgramStore(paths)), context_{platform, store_, paths, windows_}
{
}

std::unique_ptr<Program> Program::start(Platform& platform, const ProgramPaths& paths)
{
    std::unique_ptr<Program> program;
    const bool started = runGuarded(platform, [&] {
        program.reset(new Program(platform, enterProgramDir(paths)));
        program->main_ = std::make_unique<MainMenu>(program->context_);
        addTaskWindows(*program->main_);
        program->main_->show();
    });
    if (!started)
        return nullptr;
    return program;
}

} // namespace paluksen
