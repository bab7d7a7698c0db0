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
class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(TaskContext& context);
    ~MainMenu() override;

    // Connects numbered button (1 to 9) to the window it opens.
    void setTaskWindow(int number, TaskWindowMaker maker);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showHelp();
    // The closing guard: refuses, with a message, while a task window is loaded, and brings the
    // first-loaded one forward.
    bool mayClose();
    void showTask(int number);

    TaskContext& context_;
    std::array<TaskWindowMaker, 9> makers_{};
    std::array<QPointer<QWidget>, 9> open_{};
};

} // namespace paluksen
