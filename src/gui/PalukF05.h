#pragma once

#include "gui/AddressBookWindow.h"

namespace paluksen {

// EdMax address book: writes 常用アドレス.adr in the memo layout the user picks.
class PalukF05 : public AddressBookWindow {
    Q_OBJECT
public:
    explicit PalukF05(TaskContext& context);

protected:
    void write(LineWriter& out, QChar layout) override;
};

} // namespace paluksen
