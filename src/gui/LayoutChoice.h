#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace paluksen {

// The caption and drop-down list with which the address book windows choose how company,
// department and title are written. The first entry is chosen on opening.
QComboBox* addLayoutChoice(QWidget* window, const QString& caption, const QString& listName,
                           const QStringList& entries);

// The layout is named by the first character of the chosen entry.
QChar chosenLayout(const QComboBox* list);

} // namespace paluksen
