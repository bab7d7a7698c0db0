#pragma once

#include "gui/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace paluksen::test {

// A platform for window tests: answers come from queues, and everything shown is recorded.
// Nothing here ever blocks.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageStyle style;
    };
    struct FileDialog {
        QString title;
        QString filter;
    };

    std::deque<MessageAnswer> answers;       // for Yes/No questions
    std::deque<QString> fileChoices;  // empty text = cancelled
    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    QStringList shellOpened;
    QStringList helpShown;
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
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString openFileDialog(QWidget*, const QString& title, const QString& filter) override
    {
        fileDialogs.append({title, filter});
        if (fileChoices.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
            return {};
        }
        QString choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }

    void shellOpen(QWidget*, const QString& path) override { shellOpened.append(path); }
    void showHelp(QWidget*, const QString& helpPath) override { helpShown.append(helpPath); }
    void endProgram(int exitCode) override { endedWith.append(exitCode); }

    // Whether the last thing shown was the report of a failure that ends the program, holding
    // each of the given pieces of text.
    ::testing::AssertionResult reportedFailure(std::initializer_list<QString> pieces = {}) const
    {
        if (messages.isEmpty())
            return ::testing::AssertionFailure() << "nothing was shown";
        const Message& report = messages.constLast();
        if (report.title != QStringLiteral("Paluksen") || report.style != MessageStyle::Stop)
            return ::testing::AssertionFailure() << "last message is no failure report: " << report.title.toStdString();
        for (const QString& piece : pieces)
            if (!report.text.contains(piece))
                return ::testing::AssertionFailure() << "report lacks \"" << piece.toStdString() << "\": "
                                                     << report.text.toStdString();
        if (endedWith != QList<int>{1})
            return ::testing::AssertionFailure() << "the program was not ended with 1";
        return ::testing::AssertionSuccess();
    }
};

} // namespace paluksen::test
