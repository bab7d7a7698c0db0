#pragma once

#include "gui/Platform.h"

#include <QPointer>

namespace paluksen {

class HelpWindow;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MessageStyle style) override;
    QString openFileDialog(QWidget* owner, const QString& title, const QString& filter) override;
    bool shellOpen(QWidget* owner, const QString& path) override;
    void showHelp(QWidget* owner, const QString& helpPath) override;
    void endProgram(int exitCode) override;

private:
    QPointer<HelpWindow> help_;
};

// "name|pattern|name|pattern" as the common dialog takes it, in the form Qt's dialog takes.
QString qtFileFilter(const QString& filter);

} // namespace paluksen
