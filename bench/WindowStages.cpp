// The jobs through their windows on Qt's offscreen platform: the program started as the user
// starts it, the main menu's button pressed, then the window's 処理実行, with a platform that
// answers every question at once. Timed from the press to the message that closes the job (the
// count of an import, the completion box, the CSV file handed to the desktop).
#include "Stages.h"
#include "gui/Platform.h"
#include "gui/Program.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <optional>

namespace paluksen::bench {
namespace {

class AnsweringPlatform : public Platform {
public:
    explicit AnsweringPlatform(QString listing) : listing_(std::move(listing)) { }

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& title, MessageStyle style) override
    {
        if (style == MessageStyle::Question)
            return MessageAnswer::Yes;
        if (style == MessageStyle::Stop)
            die(title + QStringLiteral(": ") + text);
        closed();
        return MessageAnswer::Ok;
    }
    QString openFileDialog(QWidget*, const QString&, const QString&) override { return listing_; }
    bool shellOpen(QWidget*, const QString&) override { return closed(), true; }
    void showHelp(QWidget*, const QString&) override { }
    void endProgram(int exitCode) override { die(QStringLiteral("the program ended with %1").arg(exitCode)); }

    void press(QPushButton* button)
    {
        watch_.emplace();
        button->click();
    }
    Lap closingLap() const
    {
        if (!closing_)
            die(QStringLiteral("the job ended without its closing message"));
        return *closing_;
    }

private:
    void closed()
    {
        if (watch_ && !closing_)
            closing_ = watch_->lap();
    }

    QString listing_;
    std::optional<Stopwatch> watch_;
    std::optional<Lap> closing_;
};

QWidget* topLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    die(QStringLiteral("no window ") + name);
}

QPushButton* button(const QWidget* window, const QString& name)
{
    auto* found = window->findChild<QPushButton*>(name);
    if (!found)
        die(QStringLiteral("no button ") + name);
    return found;
}

} // namespace

Lap throughWindow(const StagePlace& place, const Job& job)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's remarks (no raise(), no runtime folder) are no news here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            die(message);
    });
    int argc = 1;
    char name[] = "paluksen";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    AnsweringPlatform platform(place.listing);
    const auto program =
        Program::start(platform, ProgramPaths::portable(windowFolder(place), QStringLiteral("paluksen")));
    if (!program)
        die(QStringLiteral("the program did not start"));
    button(topLevel(kMainMenuName), QStringLiteral("Command%1").arg(job.button))->click();
    // The user sees the window before pressing: it has been painted, its font loaded.
    QWidget* window = topLevel(job.window);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    platform.press(button(window, QStringLiteral("処理実行")));
    return platform.closingLap();
}

} // namespace paluksen::bench
