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
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* out) { *out << m.title.toStdString() << ": " << m.text.toStdString(); }
    };
    std::deque<MessageAnswer> answers; // for Yes/No questions
    std::deque<QString> fileChoices;   // empty text = cancelled
    QList<Message> messages;
    QStringList fileDialogs, shellOpened, helpShown; // title and filter of each dialog
    QList<int> endedWith;
    std::function<void(const Message&)> whileMessageShown; // to look at the windows behind a box

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& title, MessageStyle style) override
    {
        messages.append({text, title, style});
        if (whileMessageShown)
            whileMessageShown(messages.constLast());
        if (style != MessageStyle::Question)
            return MessageAnswer::Ok;
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text.toStdString();
        const MessageAnswer answer = answers.empty() ? MessageAnswer::No : answers.front();
        return answers.empty() ? answer : (answers.pop_front(), answer);
    }
    QString openFileDialog(QWidget*, const QString& title, const QString& filter) override
    {
        fileDialogs << title << filter;
        EXPECT_FALSE(fileChoices.empty()) << "unexpected file dialog";
        const QString choice = fileChoices.empty() ? QString() : fileChoices.front();
        return fileChoices.empty() ? choice : (fileChoices.pop_front(), choice);
    }
    void shellOpen(QWidget*, const QString& path) override { shellOpened << path; }
    void showHelp(QWidget*, const QString& helpPath) override { helpShown << helpPath; }
    void endProgram(int exitCode) override { endedWith << exitCode; }

    // Whether the last thing shown was the report of a failure that ends the program, holding
    // each of the pieces.
    ::testing::AssertionResult reportedFailure(const QStringList& pieces = {}) const
    {
        const QString text = messages.isEmpty() ? QString() : messages.constLast().text;
        if (messages.isEmpty() || messages.constLast().title != u"Paluksen" ||
            messages.constLast().style != MessageStyle::Stop || endedWith != QList<int>{1})
            return ::testing::AssertionFailure() << "no failure report ended the program: " << text.toStdString();
        for (const QString& piece : pieces)
            if (!text.contains(piece))
                return ::testing::AssertionFailure() << "report lacks " << piece.toStdString() << ": " << text.toStdString();
        return ::testing::AssertionSuccess();
    }
};

} // namespace paluksen::test
