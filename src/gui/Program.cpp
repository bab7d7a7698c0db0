#include "gui/Program.h"
#include "base/Failure.h"
#include "gui/FailureReport.h"
#include "store/AddressStore.h"

#include <QDir>

namespace paluksen {
namespace {

ProgramPaths enterProgramDir(const QString& executablePath)
{
    ProgramPaths paths = ProgramPaths::fromExecutable(executablePath);
    // Every path the program builds is absolute; the current folder only matters to the file
    // dialog, which should open where the program lives.
    if (!QDir::setCurrent(paths.dir))
        throw FileFailure(2, QStringLiteral("プログラムのフォルダに移動できませんでした。"), paths.dir);
    return paths;
}

} // namespace

Program::Program(Platform& platform, const ProgramPaths& paths)
    : store_(store::openAddressStore(paths.store())), context_{platform, store_, paths, windows_}
{
}

std::unique_ptr<Program> Program::start(Platform& platform, const QString& executablePath)
{
    std::unique_ptr<Program> program;
    const bool started = runGuarded(platform, [&] {
        program.reset(new Program(platform, enterProgramDir(executablePath)));
        program->main_ = std::make_unique<MainMenu>(program->context_);
        addTaskWindows(*program->main_);
        program->main_->show();
    });
    if (!started)
        return nullptr;
    return program;
}

} // namespace paluksen
