#pragma once

#include "gui/AddressBookWindow.h"

namespace paluksen {

// TuruKame address book: writes AdrBook.txt in the remarks layout the user picks.
class PalukF06 : public AddressBookWindow {
    Q_OBJECT
public:
    explicit PalukF06(TaskContext& context);

protected:
    void write(LineWriter& out, QChar layout) override;
};

} // namespace paluksen
