#include "gui/Controls.h"

#include <QPushButton>

namespace paluksen {

QPushButton* commandButton(const QString& caption, QWidget* window)
{
    auto* button = new QPushButton(caption, window);
    // An auto-default button takes Return and Enter as a press, in a dialog or not.
    button->setAutoDefault(true);
    return button;
}

} // namespace paluksen
