#pragma once

#include "gui/TaskContext.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace paluksen {

// The pattern every task window follows: a status label and a run button; the run disables
// the button, repaints after every status change, and ends by closing (unloading) the window.
class TaskWindow : public QWidget {
    Q_OBJECT
public:
    TaskWindow(TaskContext& context, const QString& name, const QString& caption, int clientWidthTwips,
               int clientHeightTwips);

protected:
    // Places the two standard controls; the windows differ only in where they stand.
    void placeStatusLabel(int left, int top, int width, int height);
    void placeRunButton(int left, int top, int width, int height);
    // Sets the status text and repaints at once: the run holds the thread, so nothing else would.
    void setStatus(const QString& text);
    // A path as the user's platform writes it ("\\" on Windows), free to wrap anywhere.
    static QString shownPath(const QString& path);
    // The press of the run button: disables it and runs the job under the failure guard.
    virtual void run() = 0;
    void closeEvent(QCloseEvent* event) override;

    TaskContext& context_;

private:
    void fitStatus();

    QLabel* status_;
    QPushButton* run_;
};

} // namespace paluksen
