#include "gui/QtPlatform.h"
#include "gui/HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
// shellapi.h needs what windows.h defines.
#include <shellapi.h>
#endif

namespace paluksen {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    delete help_;
}

MessageAnswer QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& title, MessageStyle style)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (style) {
    case MessageStyle::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setButtonText(QMessageBox::Yes, QStringLiteral("はい(&Y)"));
        box.setButtonText(QMessageBox::No, QStringLiteral("いいえ(&N)"));
        break;
    case MessageStyle::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (style != MessageStyle::Question) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setButtonText(QMessageBox::Ok, QStringLiteral("OK"));
    }
    const int answer = box.exec();
    if (style == MessageStyle::Question)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
#ifndef Q_OS_WIN
        // "*.*" means every file on Windows, but only names with a dot elsewhere: a listing saved
        // without an extension would not be seen.
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
#endif
        // Qt's dialog takes the pattern from the parentheses of the name, so the name shows the
        // pattern that applies here in place of its own.
        QString name = parts[i];
        if (const qsizetype open = name.lastIndexOf(QLatin1Char('(')); open > 0)
            name.truncate(open);
        filters << name.trimmed() + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtPlatform::openFileDialog(QWidget* owner, const QString& title, const QString& filter)
{
    QFileDialog dialog(owner, title, QString(), qtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::shellOpen(QWidget* owner, const QString& path)
{
#ifdef Q_OS_WIN
    // The shell takes no "/" for a separator: with one it finds no file to open.
    const QString native = QDir::toNativeSeparators(path);
    const HWND window = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
    // ShellExecute answers with a number above 32 when it has handed the file on.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(window, L"open", reinterpret_cast<const wchar_t*>(native.utf16()),
                                                   nullptr, nullptr, SW_SHOWMAXIMIZED)) > 32;
#else
    Q_UNUSED(owner);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void QtPlatform::showHelp(QWidget* owner, const QString& helpPath)
{
    Q_UNUSED(owner);
    if (!help_)
        help_ = new HelpWindow;
    help_->showFile(helpPath);
}

void QtPlatform::endProgram(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

} // namespace paluksen
