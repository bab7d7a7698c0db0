#include "gui/JapaneseQt.h"
#include "gui/Program.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace paluksen {
namespace {

// Without a screen Qt would print a stack of warnings and abort; one plain line serves better.
bool hasScreen()
{
#if defined(Q_OS_LINUX)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// On Windows a program that also serves the command line gets a console window of its own when
// started from Explorer; it would stand empty behind the windows, and closing it would end the
// program. That console is let go. Started from a console, the program shares it and keeps it.
void releaseOwnConsole()
{
#ifdef Q_OS_WIN
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
#endif
}

} // namespace

int runWindows(int argc, char** argv)
{
    if (!hasScreen()) {
        std::fputs("paluksen: 画面が見つかりません（DISPLAY を設定するか、xvfb-run の下で起動してください。"
                   "ウィンドウなしで使うには paluksen --help）\n",
                   stderr);
        return 1;
    }
    releaseOwnConsole();
    QApplication app(argc, argv);
    speakJapanese(app);
    QtPlatform platform;
    const auto program =
        Program::start(platform, ProgramPaths::fromExecutable(QCoreApplication::applicationFilePath()));
    if (!program)
        return 1;
    return app.exec();
}

} // namespace paluksen
