#pragma once

#include "shell/TaskWindow.h"

class QComboBox;

namespace paluksen {

// EdMax address book: writes 常用アドレス.adr in the memo layout the user picks.
class PalukF05 : public TaskWindow {
    Q_OBJECT
public:
    explicit PalukF05(TaskContext& context);
    const QString& outputPath() const { return outputPath_; }

protected:
    void run() override; // 処理実行_Click

private:
    QComboBox* memoChoice_;
    QString outputPath_;
};

} // namespace paluksen
