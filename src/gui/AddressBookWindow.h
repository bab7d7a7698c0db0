#pragma once

#include "gui/TaskWindow.h"

class QComboBox;

namespace paluksen {

// What tells the two mail-client windows apart beyond their jobs: the name of the list that
// chooses how company, department and title are written, and the message telling the user where
// to copy the file.
struct AddressBookDesign {
    QString window;
    QString listName;
    QString completionMessage;
};

extern const AddressBookDesign kEdMaxWindow;
extern const AddressBookDesign kTuruKameWindow;

// An address book window: the layout list, an address book file beside the executable, and a
// message telling the user where to copy it.
class AddressBookWindow : public TaskWindow {
    Q_OBJECT
public:
    AddressBookWindow(TaskContext& context, const AddressBookDesign& design);

protected:
    void run() override;

private:
    const AddressBookDesign& design_;
    QComboBox* layoutChoice_ = nullptr;
};

} // namespace paluksen
