#pragma once

#include "shell/ProgramPaths.h"
#include "shell/TaskContext.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace paluksen {

class TaskWindow;
using TaskWindowMaker = std::function<TaskWindow*(TaskContext&)>;

// The main menu: opens the task windows, shows help on F1, and refuses to end the program
// while a task window is still open.
class PalukF00 : public QWidget {
    Q_OBJECT
public:
    PalukF00(TaskContext& context, ProgramPaths paths);
    ~PalukF00() override;

    // Connects numbered button (1 to 9) to the window it opens.
    void setTaskWindow(int number, TaskWindowMaker maker);
    QPushButton* button(int number) const { return buttons_.at(number - 1); }
    QPushButton* endButton() const { return end_; }
    // The open window of a numbered button, or null.
    QWidget* taskWindow(int number) const { return open_.at(number - 1); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_KeyDown(int key);
    void Form_QueryUnload(bool& cancel);
    void showTask(int number);

    TaskContext& context_;
    ProgramPaths paths_;
    std::array<QPushButton*, 9> buttons_{};
    std::array<TaskWindowMaker, 9> makers_{};
    std::array<QPointer<QWidget>, 9> open_{};
    QPushButton* end_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
};

} // namespace paluksen
