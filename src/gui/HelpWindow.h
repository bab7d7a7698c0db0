#pragma once

#include <QTextBrowser>

namespace paluksen {

// Shows the program's help file. It is no task window: the closing guard does not count it,
// and it does not keep the program alive once the main menu has closed.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    HelpWindow();
    void showFile(const QString& path);
};

} // namespace paluksen
