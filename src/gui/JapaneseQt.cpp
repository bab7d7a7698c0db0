#include "gui/JapaneseQt.h"
#include "gui/JapaneseFont.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace paluksen {

void speakJapanese(QApplication& app)
{
    app.setFont(japaneseFont(9));
    auto* translator = new QTranslator(&app);
    // Without the translation installed Qt's dialogs stay English; the program still works.
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace paluksen
