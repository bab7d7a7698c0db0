#include "gui/LayoutChoice.h"
#include "gui/Twips.h"

#include <QLabel>

namespace paluksen {

QComboBox* addLayoutChoice(QWidget* window, const QString& caption, const QString& listName,
                           const QStringList& entries)
{
    auto* label = new QLabel(caption, window);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(twipsRect(100, 80, 1200, 195));
    auto* list = new QComboBox(window);
    list->setObjectName(listName);
    list->setGeometry(twipsRect(1300, 0, 3200, 300));
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
