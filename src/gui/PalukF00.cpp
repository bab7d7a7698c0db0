#include "gui/PalukF00.h"
#include "gui/Controls.h"
#include "gui/FailureReport.h"
#include "gui/JapaneseFont.h"
#include "gui/SetFormCaption.h"
#include "gui/ShowAgain.h"
#include "gui/TaskWindow.h"
#include "gui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>

namespace paluksen {
namespace {

// Every numbered caption is padded with ideographic spaces to the same width, 22 full-width
// cells, so the centred captions line up down the column.
QString padded(const QString& caption, int ideographicSpaces)
{
    return caption + QString(ideographicSpaces, QChar(0x3000));
}

struct ButtonSpec {
    QString caption;
    bool shown;
};

const ButtonSpec kButtons[9] = {
    {padded(QStringLiteral("(&1)アドレス帳データを取り込み"), 7), true},
    {padded(QStringLiteral("(&2)CSV 出力"), 16), true},
    {padded(QStringLiteral("(&3)"), 20), false},
    {padded(QStringLiteral("(&4)"), 20), false},
    {padded(QStringLiteral("(&5)EdMax アドレス帳作成"), 10), true},
    {padded(QStringLiteral("(&6)鶴亀アドレス帳作成"), 11), true},
    {padded(QStringLiteral("(&7)"), 20), false},
    {padded(QStringLiteral("(&8)"), 20), false},
    {padded(QStringLiteral("(&9)"), 20), false},
};

} // namespace

PalukF00::PalukF00(TaskContext& context) : context_(context)
{
    setObjectName(QStringLiteral("PalukF00"));
    setFont(japaneseFont(9));
    setFixedSize(twipsSize(5130, 6795));

    for (int i = 0; i < 9; ++i) {
        auto* button = commandButton(kButtons[i].caption, this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setGeometry(twipsRect(500, 200 + 500 * i, 4200, 450));
        button->setVisible(kButtons[i].shown);
        const int number = i + 1;
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
        connect(help, &QShortcut::activated, this, [this] { Form_KeyDown(Qt::Key_F1); });
    }

    context_.windows.loaded(this);
    Form_Load();
}

PalukF00::~PalukF00()
{
    context_.windows.unloaded(this);
}

void PalukF00::Form_Load()
{
    SetFormCaption(this);
}

void PalukF00::setTaskWindow(int number, TaskWindowMaker maker)
{
    makers_.at(number - 1) = std::move(maker);
}

void PalukF00::showTask(int number)
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

void PalukF00::Form_KeyDown(int key)
{
    // Help on F1 whatever the modifiers; every other key is left to the controls.
    if (key == Qt::Key_F1)
        context_.platform.showHelp(this, context_.paths.help());
}

void PalukF00::Form_QueryUnload(bool& cancel)
{
    const QList<QWidget*> loaded = context_.windows.windows();
    if (loaded.size() <= 1)
        return;
    context_.platform.messageBox(this, QStringLiteral("他のフォームが開いているので終了できません。"),
                                 QStringLiteral("終了不可"), MessageStyle::Stop);
    for (QWidget* window : loaded) {
        if (window == this)
            continue;
        showAgain(window);
        break;
    }
    cancel = true;
}

void PalukF00::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    context_.windows.unloaded(this);
    event->accept();
}

} // namespace paluksen
