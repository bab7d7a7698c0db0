#pragma once

#include "export/CompanyDetails.h"
#include "export/ShowStatus.h"
#include "gui/TaskWindow.h"
#include "text/LineWriter.h"

#include <functional>
#include <span>

class QComboBox;

namespace paluksen {

// What tells the two mail-client windows apart: their names, the list that chooses how company,
// department and title are written, the message telling the user where to copy the file, and the
// export, given the chosen entry's place in the list (its layout).
struct AddressBookDesign {
    const TaskNames& names;
    QString listCaption;
    QString listName;
    std::span<const LayoutEntry> layouts;
    QString completionMessage;
    std::function<void(TaskContext&, const OutputTarget&, int layout, const ShowStatus&)> exportBook;
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
    QString outputPath_;
};

} // namespace paluksen
