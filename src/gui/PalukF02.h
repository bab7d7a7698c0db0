#pragma once

#include "gui/TaskWindow.h"

namespace paluksen {

// CSV export: every output row as one comma-separated line of PalukF02.txt, then shown.
class PalukF02 : public TaskWindow {
    Q_OBJECT
public:
    explicit PalukF02(TaskContext& context);

protected:
    void run() override; // 処理実行_Click

private:
    QString outputPath_;
};

} // namespace paluksen
