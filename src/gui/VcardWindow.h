#pragma once

#include "gui/TaskWindow.h"

namespace paluksen {

// vCard export: the address book as one file for today's mail clients and phones, laid out like
// the CSV window.
class VcardWindow : public TaskWindow {
    Q_OBJECT
public:
    explicit VcardWindow(TaskContext& context);

protected:
    void run() override;
};

} // namespace paluksen
