#include "gui/PalukF00.h"
#include "gui/PalukF01.h"
#include "gui/PalukF02.h"
#include "gui/PalukF05.h"
#include "gui/PalukF06.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QDir>

namespace paluksen::test {
namespace {

// One line for the window and one for each of its controls: name, kind, text, place and size in
// pixels, shown or hidden, font, alignment of labels, tooltip. The temporary program folder
// reads as <dir>.
QString layoutOf(QWidget& window, const QString& dir)
{
    auto line = [&](const QWidget* w, QString text) {
        const QRect r = w == &window ? QRect(QPoint(), w->size()) : w->geometry();
        text.remove(QChar(0x200B)).replace(QDir::toNativeSeparators(dir), u"<dir>"_qs).replace(u'\n', u"\\n"_qs);
        QString row = QStringLiteral("%1 %2 \"%3\" %4,%5 %6x%7 %8 %9pt%10")
                          .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), text)
                          .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                          .arg(w->isHidden() ? u"hidden"_qs : u"shown"_qs)
                          .arg(w->font().pointSizeF())
                          .arg(w->font().bold() ? u" bold"_qs : QString());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            row += QStringLiteral(" align %1").arg(int(label->alignment()), 0, 16);
        if (!w->toolTip().isEmpty())
            row += QStringLiteral(" tip \"%1\"").arg(w->toolTip());
        return row + u'\n';
    };
    QString dump = line(&window, window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QString text = control->property("text").toString();
        if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                text += (i == list->currentIndex() ? u" [*]"_qs : u" [ ]"_qs) + list->itemText(i);
        dump += line(control, text);
    }
    return dump;
}

using LayoutTest = WindowTest;

// Every window as it opens, compared whole with its golden text (tests/gui/layout/).
TEST_F(LayoutTest, EveryWindowOpensAsItsGoldenText)
{
    const std::pair<const char*, std::function<QWidget*()>> windows[] = {
        {"PalukF00", [&] { return new PalukF00(context_); }}, {"PalukF01", [&] { return new PalukF01(context_); }},
        {"PalukF02", [&] { return new PalukF02(context_); }}, {"PalukF05", [&] { return new PalukF05(context_); }},
        {"PalukF06", [&] { return new PalukF06(context_); }},
    };
    for (const auto& [name, open] : windows) {
        std::unique_ptr<QWidget> window(open());
        window->show();
        const QString golden = QStringLiteral(PALUKSEN_TEST_DATA "/gui/layout/%1.txt").arg(QLatin1String(name));
        const QString dump = layoutOf(*window, store_.dir());
        if (qEnvironmentVariableIsSet("PALUKSEN_WRITE_LAYOUT")) // to write a golden text anew, for review
            writeFile(golden, dump.toUtf8());
        EXPECT_EQ(dump, QString::fromUtf8(readFile(golden))) << name;
        window->close();
    }
}

} // namespace
} // namespace paluksen::test
