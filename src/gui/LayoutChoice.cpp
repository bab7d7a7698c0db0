#include "gui/LayoutChoice.h"
#include "gui/Controls.h"
#include "gui/Twips.h"

#include <QLabel>


namespace paluksen {

QComboBox* addLayoutChoice(QWidget* window, const QString& caption, const QString& listName,
                           const QStringList& entries)
{
    topLeftLabel(caption, window, twipsRect(100, 80, 1200, 195))->setObjectName(QStringLiteral("Label1"));
    auto* list = new QComboBox(window);
    list->setObjectName(listName);
    list->setGeometry(twipsRect(1300, 0, 3200, 300));
    // The closed box is narrower than the longest entries; the opened list and the tooltip show
    // the whole text.
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setToolTip);
    list->addItems(entries);
    list->setCurrentIndex(0);
    return list;
}

QChar chosenLayout(const QComboBox* list)
{
    const QString text = list->currentText();
    return text.isEmpty() ? QChar() : text.front();
}

} // namespace paluksen
