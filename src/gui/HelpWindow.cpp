#include "gui/HelpWindow.h"
#include "gui/JapaneseFont.h"
#include "gui/ShowAgain.h"

#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

namespace paluksen {

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("ヘルプ"));
    setWindowTitle(QStringLiteral("Paluksen ヘルプ"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    setFont(japaneseFont(10.5));
    resize(640, 560);
    // A help window is closed as a dialog is, without reaching for the mouse.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        setSearchPaths({QFileInfo(path).absolutePath()});
        setHtml(QString::fromUtf8(file.readAll()));
    } else {
        setPlainText(QStringLiteral("ヘルプファイルが見つかりません。\n") + path);
    }
    showAgain(this);
}

} // namespace paluksen
