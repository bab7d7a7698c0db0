#pragma once

#include "gui/TaskWindow.h"
#include "text/LineWriter.h"

#include <QStringList>

class QComboBox;

namespace paluksen {

// What the two mail-client windows share: a list choosing the layout of company, department
// and title, an address book file beside the executable, and a message telling the user where
// to copy it.
class AddressBookWindow : public TaskWindow {
    Q_OBJECT
public:
    struct Design {
        QString name;
        QString caption;
        QString listCaption;
        QString listName;
        QStringList layouts;
        QString fileName;
        QString completionMessage;
    };

    AddressBookWindow(TaskContext& context, const Design& design);

protected:
    void run() override; // 処理実行_Click
    virtual void write(LineWriter& out, QChar layout) = 0;

private:
    QComboBox* layoutChoice_;
    QString outputPath_;
    QString completionMessage_;
};

} // namespace paluksen
