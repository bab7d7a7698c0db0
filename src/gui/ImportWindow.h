#pragma once

#include "gui/TaskWindow.h"
#include "import/ListingParser.h"

namespace paluksen {

// Import: replaces the store's content with an address listing chosen by the user.
class ImportWindow : public TaskWindow {
    Q_OBJECT
public:
    explicit ImportWindow(TaskContext& context);

protected:
    void run() override;

private:
    void tellOutcome(const ParseResult& result);
};

} // namespace paluksen
