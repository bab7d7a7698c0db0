#pragma once

#include "gui/TaskContext.h"

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
    explicit PalukF00(TaskContext& context);
    ~PalukF00() override;

    // Connects numbered button (1 to 9) to the window it opens.
    void setTaskWindow(int number, TaskWindowMaker maker);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_KeyDown(int key);
    void Form_QueryUnload(bool& cancel);
    void showTask(int number);

    TaskContext& context_;
    std::array<TaskWindowMaker, 9> makers_{};
    std::array<QPointer<QWidget>, 9> open_{};
};

} // namespace paluksen
