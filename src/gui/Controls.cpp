#include "gui/Controls.h"

#include <QLabel>
#include <QPushButton>

namespace paluksen {

QPushButton* commandButton(const QString& caption, QWidget* window)
{
    auto* button = new QPushButton(caption, window);
    // An auto-default button takes Return and Enter as a press, in a dialog or not.
    button->setAutoDefault(true);
    return button;
}

QLabel* topLeftLabel(const QString& text, QWidget* window, const QRect& place)
{
    auto* label = new QLabel(text, window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

} // namespace paluksen
