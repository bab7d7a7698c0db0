#include "shell/JapaneseQt.h"
#include "shell/Program.h"
#include "shell/QtPlatform.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char** argv)
{
    if (!hasScreen()) {
        std::fputs("paluksen: no display found (set DISPLAY, or run it under xvfb-run)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    paluksen::speakJapanese(app);
    paluksen::QtPlatform platform;
    const auto program = paluksen::Program::start(platform, QCoreApplication::applicationFilePath());
    if (!program)
        return 1;
    return app.exec();
}
