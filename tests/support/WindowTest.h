#pragma once

#include "gui/Platform.h"
#include "gui/TaskContext.h"
#include "gui/WindowRegistry.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <deque>
#include <functional>

namespace paluksen::test {

// A platform for window tests: answers come from queues, everything shown is recorded, and
// nothing ever blocks.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text, title;
        MessageStyle style;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* out) { *out << m.title.toStdString() << ": " << m.text.toStdString(); }
    };
    std::deque<MessageAnswer> answers; // for Yes/No questions
    std::deque<QString> fileChoices;   // empty text = cancelled
    QList<Message> messages;
    QStringList fileDialogs;                 // the title and the filter of each dialog shown
    QStringList shellOpened, helpShown;      // the paths handed to the desktop and to the help window
    QList<int> endedWith;                    // the exit code of each request to end the program
    std::function<void()> whileMessageShown; // to look at the windows behind a box
    bool desktopOpensFiles = true;           // false: no program is registered for text files

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& title, MessageStyle style) override
    {
        messages.append({text, title, style});
        if (whileMessageShown)
            whileMessageShown();
        return style != MessageStyle::Question ? MessageAnswer::Ok : take(answers);
    }
    QString openFileDialog(QWidget*, const QString& title, const QString& filter) override
    {
        fileDialogs << title << filter;
        return take(fileChoices);
    }
    bool shellOpen(QWidget*, const QString& path) override { return shellOpened << path, desktopOpensFiles; }
    void showHelp(QWidget*, const QString& helpPath) override { helpShown << helpPath; }
    void endProgram(int exitCode) override { endedWith << exitCode; }

    // Whether the last thing shown was the report of a failure that ends the program, holding
    // each of the pieces.
    ::testing::AssertionResult reportedFailure(const QStringList& pieces = {}) const
    {
        const Message last = messages.value(messages.size() - 1, {{}, {}, MessageStyle::Information});
        if (last.title != u"Paluksen" || last.style != MessageStyle::Stop || endedWith != QList<int>{1})
            return ::testing::AssertionFailure() << "no failure report ended the program: " << last.text.toStdString();
        for (const QString& piece : pieces)
            if (!last.text.contains(piece))
                return ::testing::AssertionFailure() << "report lacks " << piece.toStdString() << ": " << last.text.toStdString();
        return ::testing::AssertionSuccess();
    }

private:
    template <typename T>
    static T take(std::deque<T>& queue) // an unexpected question or dialog fails the test
    {
        EXPECT_FALSE(queue.empty()) << "nothing queued to answer with";
        const T first = queue.empty() ? T() : queue.front();
        return queue.empty() ? first : (queue.pop_front(), first);
    }
};
using Message = ScriptedPlatform::Message;

// A control of a window by its object name; fails the test where there is none.
template <typename Control = QWidget>
Control* child(const QWidget* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    EXPECT_TRUE(control) << "no control " << name.toStdString();
    return control;
}

// A folder under base whose files have paths of some 120 characters, as a program installed deep
// in a home folder has.
inline QString deepFolder(const QString& base) { return base + u"/Programs"_qs.repeated(std::max<qsizetype>(0, (113 - base.size()) / 9)); }

// Whether a label's whole text shows: wrapped to the label's width it needs no more room than the
// label has, and the label stands inside its window clear of the window's buttons.
inline ::testing::AssertionResult readableInFull(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    if (!room.contains(needed))
        return ::testing::AssertionFailure() << "text needs " << needed.height() << " px of height in " << room.height();
    if (!label->window()->rect().contains(label->geometry()))
        return ::testing::AssertionFailure() << "label reaches out of its window";
    for (const QPushButton* button : label->window()->findChildren<QPushButton*>())
        if (!button->isHidden() && button->geometry().intersects(label->geometry()))
            return ::testing::AssertionFailure() << "label covers " << button->objectName().toStdString();
    return ::testing::AssertionSuccess();
}

// A store, a scripted platform and the list of loaded windows, as start-up would hold them.
class WindowTest : public ::testing::Test {
protected:
    // Lets Qt finish deleting the windows that closed themselves.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Presses 処理実行 with the answers and files given. Gives the status text (a shown path read
    // whole) and the button's state while each message was up; the status must show in full.
    QStringList pressRun(QWidget* window, std::deque<MessageAnswer> answers = {}, std::deque<QString> files = {})
    {
        QStringList seen;
        platform_.answers = std::move(answers);
        platform_.fileChoices = std::move(files);
        platform_.messages.clear();
        platform_.endedWith.clear();
        platform_.fileDialogs.clear();
        platform_.shellOpened.clear();
        platform_.whileMessageShown = [&] {
            const QLabel* status = child<QLabel>(window, u"状況表示"_qs);
            EXPECT_TRUE(status->isHidden() || readableInFull(status));
            seen << QString(status->text()).remove(QChar(0x200B))
                 << (child<QPushButton>(window, u"処理実行"_qs)->isEnabled() ? u"on"_qs : u"off"_qs);
        };
        child<QPushButton>(window, u"処理実行"_qs)->click();
        platform_.whileMessageShown = nullptr;
        settle();
        return seen;
    }

    TestStore store_;
    ScriptedPlatform platform_;
    WindowRegistry windows_;
    TaskContext context_{platform_, store_.connection(), ProgramPaths::portable(store_.dir(), QStringLiteral("paluksen")), windows_, [] { return QDateTime(QDate(2019, 1, 7), QTime(12, 0)).toMSecsSinceEpoch(); }};
};

} // namespace paluksen::test
