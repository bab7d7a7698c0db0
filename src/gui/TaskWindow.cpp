#include "gui/TaskWindow.h"
#include "gui/Controls.h"
#include "gui/FailureReport.h"
#include "gui/JapaneseFont.h"
#include "gui/Twips.h"

#include <QCloseEvent>
#include <QDir>

namespace paluksen {

namespace {
constexpr int kWidth = 4680;
constexpr int kStatusLeft = 300;
constexpr int kStatusWidth = 4000;
constexpr int kRunLeft = 2500;
constexpr int kRunWidth = 1800;
constexpr int kRunHeight = 400;
} // namespace

TaskWindow::TaskWindow(TaskContext& context, const Job& job, const TaskWindowLayout& layout)
    : context_(context), job_(job),
      status_(
          topLeftLabel(QString(), this, twipsRect(kStatusLeft, layout.statusTop, kStatusWidth, layout.statusHeight))),
      run_(commandButton(QStringLiteral("処理実行"), this))
{
    setObjectName(job.window);
    setWindowTitle(job.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(japaneseFont(9));
    setFixedSize(twipsSize(kWidth, layout.clientHeight));
    run_->setGeometry(twipsRect(kRunLeft, layout.runTop, kRunWidth, kRunHeight));
    status_->setObjectName(QStringLiteral("状況表示"));
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

void TaskWindow::setStatus(const QString& text)
{
    status_->setText(text);
    fitStatus();
    status_->show();
    repaint();
}

void TaskWindow::writeOutput(int layout)
{
    context_.paths.makeOutputDir();
    job_.exportTo(context_.store, OutputTarget::file(outputPath()), layout, context_.clock,
                  [this](const QString& status) { setStatus(status); });
}

void TaskWindow::fitStatus()
{
    // A long path can take more lines than the label's place holds, by how many the font needs:
    // the label grows downward to the run button, and past that the button and the window's
    // bottom move down with it. Nothing shrinks back, so the window stays put during a run.
    const int needed = status_->heightForWidth(status_->width());
    if (needed <= status_->height())
        return;
    status_->resize(status_->width(), needed);
    const int overlap = status_->geometry().bottom() + 1 - run_->y();
    if (overlap > 0) {
        run_->move(run_->x(), run_->y() + overlap);
        setFixedHeight(height() + overlap);
    }
}

QString TaskWindow::shownPath(const QString& path)
{
    // A path has no spaces for the label to break at, and "\\" is no break opportunity at all:
    // a zero-width space after every character lets a long path wrap at the label's edge.
    const QString native = QDir::toNativeSeparators(path);
    QString shown;
    shown.reserve(native.size() * 2);
    for (qsizetype i = 0; i < native.size(); ++i) {
        shown += native[i];
        if (!native[i].isHighSurrogate() && i + 1 < native.size())
            shown += QChar(0x200B);
    }
    return shown;
}

void TaskWindow::closeEvent(QCloseEvent* event)
{
    context_.windows.unloaded(this);
    event->accept();
}

} // namespace paluksen
