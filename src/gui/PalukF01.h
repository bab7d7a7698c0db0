#pragma once

#include "import/ListingParser.h"
#include "gui/TaskWindow.h"

namespace paluksen {

// Import: replaces the store's content with an address listing chosen by the user.
class PalukF01 : public TaskWindow {
    Q_OBJECT
public:
    explicit PalukF01(TaskContext& context);

protected:
    void run() override; // 処理実行_Click

private:
    void tellOutcome(const ParseResult& result);
};

} // namespace paluksen
