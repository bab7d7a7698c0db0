#pragma once

#include "shell/TaskWindow.h"

class QComboBox;

namespace paluksen {

// TuruKame address book: writes AdrBook.txt in the remarks layout the user picks.
class PalukF06 : public TaskWindow {
    Q_OBJECT
public:
    explicit PalukF06(TaskContext& context);
    const QString& outputPath() const { return outputPath_; }

protected:
    void run() override; // 処理実行_Click

private:
    QComboBox* remarksChoice_;
    QString outputPath_;
};

} // namespace paluksen
