#include "gui/TaskWindow.h"
#include "gui/Controls.h"
#include "gui/FailureReport.h"
#include "gui/JapaneseFont.h"
#include "gui/Twips.h"

#include <QCloseEvent>
#include <QDir>

namespace paluksen {

TaskWindow::TaskWindow(TaskContext& context, const QString& name, const QString& caption,
                       int clientWidthTwips, int clientHeightTwips)
    : context_(context), status_(new QLabel(this)), run_(commandButton(QStringLiteral("処理実行"), this))
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(japaneseFont(9));
    setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
    status_->setObjectName(QStringLiteral("状況表示"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setWordWrap(true);
    // A path is shown as it is typed: a folder named "<b>" must not turn the label bold.
    status_->setTextFormat(Qt::PlainText);
    status_->hide();
    run_->setObjectName(QStringLiteral("処理実行"));
    connect(run_, &QPushButton::clicked, this, [this] {
        run_->setEnabled(false);
        runGuarded(context_.platform, [this] { run(); });
    });
    context_.windows.loaded(this);
}

void TaskWindow::placeStatusLabel(int left, int top, int width, int height)
{
    status_->setGeometry(twipsRect(left, top, width, height));
}

void TaskWindow::placeRunButton(int left, int top, int width, int height)
{
    run_->setGeometry(twipsRect(left, top, width, height));
}

void TaskWindow::setStatus(const QString& text)
{
    // Labels break lines at LF; the texts carry CR LF.
    status_->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    status_->show();
    repaint();
}

QString TaskWindow::shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void TaskWindow::closeEvent(QCloseEvent* event)
{
    context_.windows.unloaded(this);
    event->accept();
}

} // namespace paluksen
