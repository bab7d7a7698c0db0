#include "gui/MainMenu.h"
#include "base/ProgramVersion.h"
#include "gui/Controls.h"
#include "gui/FailureReport.h"
#include "gui/JapaneseFont.h"
#include "gui/ShowAgain.h"
#include "gui/TaskWindow.h"
#include "gui/Twips.h"
#include "text/Cp932.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>

namespace paluksen {
namespace {

// Every numbered caption is padded with ideographic spaces to 44 bytes of code page 932, 22
// full-width cells, so the centred captions line up down the column.
QString buttonCaption(int number)
{
    const Job* job = jobOfButton(number);
    const QString caption = QStringLiteral("(&%1)").arg(number) + (job ? job->caption : QString());
    return caption + QString((44 - cp932::encode(caption).size()) / 2, QChar(0x3000));
}

} // namespace

MainMenu::MainMenu(TaskContext& context) : context_(context)
{
    setObjectName(kMainMenuName);
    setWindowTitle(kMainMenuName + u'：' + programVersionText());
    setFont(japaneseFont(9));
    setFixedSize(twipsSize(5130, 6795));

    for (int i = 0; i < 9; ++i) {
        const int number = i + 1;
        auto* button = commandButton(buttonCaption(number), this);
        button->setObjectName(QStringLiteral("Command%1").arg(number));
        button->setGeometry(twipsRect(500, 200 + 500 * i, 4200, 450));
        button->setVisible(jobOfButton(number) != nullptr); // a spare button is hidden and does nothing
        connect(button, &QPushButton::clicked, this,
                [this, number] { runGuarded(context_.platform, [this, number] { showTask(number); }); });
        if (i == 0)
            button->setFocus(); // the first control in tab order
    }
    auto* end = commandButton(QStringLiteral("終了(&X)"), this);
    end->setObjectName(QStringLiteral("CommandEnd"));
    end->setGeometry(twipsRect(500, 5700, 4200, 450));
    end->setFont(japaneseFont(9.75, true));
    connect(end, &QPushButton::clicked, this, &QWidget::close);

    topLeftLabel(QStringLiteral("Copyright (C) 2026 Paluksen 開発チーム"), this, twipsRect(500, 6400, 4200, 200))
        ->setObjectName(QStringLiteral("Label1"));
    topLeftLabel(QStringLiteral("F1 で HELP表示"), this, twipsRect(3400, 0, 1300, 180))
        ->setObjectName(QStringLiteral("Label2"));

    // Key preview: the window sees F1 before whichever control has the focus, with or without
    // Shift, Ctrl and Alt.
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::ControlModifier,
          Qt::ShiftModifier | Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier}) {
        auto* help = new QShortcut(QKeySequence(modifiers | Qt::Key_F1), this);
        connect(help, &QShortcut::activated, this, &MainMenu::showHelp);
    }

    context_.windows.loaded(this);
}

MainMenu::~MainMenu()
{
    context_.windows.unloaded(this);
}

void MainMenu::setTaskWindow(int number, TaskWindowMaker maker)
{
    makers_.at(number - 1) = std::move(maker);
}

void MainMenu::showTask(int number)
{
    QPointer<QWidget>& open = open_.at(number - 1);
    if (!open) {
        const TaskWindowMaker& maker = makers_.at(number - 1);
        if (!maker)
            return;
        open = maker(context_);
    }
    showAgain(open);
}

void MainMenu::showHelp()
{
    context_.platform.showHelp(this, context_.paths.help);
}

bool MainMenu::mayClose()
{
    const QList<QWidget*> loaded = context_.windows.windows();
    if (loaded.size() <= 1)
        return true;
    context_.platform.messageBox(this, QStringLiteral("他のフォームが開いているので終了できません。"),
                                 QStringLiteral("終了不可"), MessageStyle::Stop);
    for (QWidget* window : loaded) {
        if (window == this)
            continue;
        showAgain(window);
        break;
    }
    return false;
}

void MainMenu::closeEvent(QCloseEvent* event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    context_.windows.unloaded(this);
    event->accept();
}

} // namespace paluksen
