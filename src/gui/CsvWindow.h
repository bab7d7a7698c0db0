#pragma once

#include "gui/TaskWindow.h"

namespace paluksen {

// CSV export: every output row as one comma-separated line of PalukF02.txt, then shown.
class CsvWindow : public TaskWindow {
    Q_OBJECT
public:
    explicit CsvWindow(TaskContext& context);

protected:
    void run() override;
};

} // namespace paluksen
