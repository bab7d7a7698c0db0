#pragma once

#include "base/Jobs.h"
#include "gui/TaskContext.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace paluksen {

// Where a task window's two standard controls stand, in twips. Every task window is 4680 wide,
// its status label 4000 wide from 300, its run button 1800 by 400 from 2500; only the window's
// height and the tops and the label's height differ.
struct TaskWindowLayout {
    int clientHeight;
    int statusTop;
    int statusHeight;
    int runTop;
};

// The pattern every task window follows: a status label and a run button; the run disables
// the button, repaints after every status change, and ends by closing (unloading) the window.
class TaskWindow : public QWidget {
    Q_OBJECT
public:
    TaskWindow(TaskContext& context, const Job& job, const TaskWindowLayout& layout);

protected:
    // Sets the status text and repaints at once: the run holds the thread, so nothing else would.
    void setStatus(const QString& text);
    // A path as the user's platform writes it ("\\" on Windows), free to wrap anywhere.
    static QString shownPath(const QString& path);
    // The job, run when the run button is pressed, after the button is disabled, under the
    // failure guard; it ends by closing the window.
    virtual void run() = 0;
    // An export's file: beside a portable program, in the user's outputs' folder when installed.
    QString outputPath() const { return context_.paths.output(job_.fileName); }
    // Writes the job's file in the chosen layout, its folder made first where that is the user's.
    void writeOutput(int layout);
    void closeEvent(QCloseEvent* event) override;

    TaskContext& context_;
    const Job& job_;

private:
    void fitStatus();

    QLabel* status_;
    QPushButton* run_;
};

} // namespace paluksen
