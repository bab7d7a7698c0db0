#pragma once

#include "gui/Platform.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace paluksen::test {

// A platform for window tests: answers come from queues, everything shown is recorded, and
// nothing ever blocks.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text, title;
        MessageStyle style;
    };
    std::deque<MessageAnswer> answers; // for Yes/No questions
    std::deque<QString> fileChoices;   // empty text = cancelled
    QList<Message> messages;
    QStringList fileDialogs, shellOpened, helpShown; // title and filter of each dialog
    QList<int> endedWith;
    // Runs while a message box would be up, to look at the windows behind it.
    std::function<void(const Message&)> whileMessageShown;

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& title, MessageStyle style) override
    {
        messages.append({text, title, style});
        if (whileMessageShown)
            whileMessageShown(messages.constLast());
        if (style != MessageStyle::Question)
            return MessageAnswer::Ok;
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text.toStdString();
        return answers.empty() ? MessageAnswer::No : take(answers);
    }
    QString openFileDialog(QWidget*, const QString& title, const QString& filter) override
    {
        fileDialogs << title << filter;
        EXPECT_FALSE(fileChoices.empty()) << "unexpected file dialog";
        return fileChoices.empty() ? QString() : take(fileChoices);
    }
    void shellOpen(QWidget*, const QString& path) override { shellOpened << path; }
    void showHelp(QWidget*, const QString& helpPath) override { helpShown << helpPath; }
    void endProgram(int exitCode) override { endedWith << exitCode; }

    // Whether the last thing shown was the report of a failure that ends the program, holding
    // each of the pieces.
    ::testing::AssertionResult reportedFailure(const QStringList& pieces = {}) const
    {
        const Message report = messages.value(messages.size() - 1, {{}, {}, MessageStyle::Information});
        if (report.title != u"Paluksen" || report.style != MessageStyle::Stop || endedWith != QList<int>{1})
            return ::testing::AssertionFailure() << "no failure report ended the program: " << report.title.toStdString();
        for (const QString& piece : pieces)
            if (!report.text.contains(piece))
                return ::testing::AssertionFailure() << "report lacks " << piece.toStdString() << ": " << report.text.toStdString();
        return ::testing::AssertionSuccess();
    }

private:
    template <typename T>
    static T take(std::deque<T>& queue)
    {
        T first = queue.front();
        queue.pop_front();
        return first;
    }
};

} // namespace paluksen::test
