#include "gui/AddressBookWindow.h"
#include "gui/Controls.h"
#include "gui/Twips.h"

#include <QComboBox>
#include <QLabel>

namespace paluksen {

const AddressBookDesign kEdMaxWindow{
    QStringLiteral("PalukF05"), QStringLiteral("メモ選択"),
    QStringLiteral("EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\n"
                   "C:\\Program Files\\EdMax\\Address フォルダにコピーしてください。")};

const AddressBookDesign kTuruKameWindow{
    QStringLiteral("PalukF06"), QStringLiteral("備考選択"),
    QStringLiteral("鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\nC:\\TuruKameData フォルダにコピーしてください。")};

AddressBookWindow::AddressBookWindow(TaskContext& context, const AddressBookDesign& design)
    : TaskWindow(context, jobOfWindow(design.window), {2190, 500, 800, 1500}), design_(design)
{
    topLeftLabel(job_.layouts->caption, this, twipsRect(100, 80, 1200, 195))->setObjectName(QStringLiteral("Label1"));
    layoutChoice_ = new QComboBox(this);
    layoutChoice_->setObjectName(design.listName);
    layoutChoice_->setGeometry(twipsRect(1300, 0, 3200, 300));
    // The closed box is narrower than the longest entries; the opened list and the tooltip show
    // the whole text.
    connect(layoutChoice_, &QComboBox::currentTextChanged, layoutChoice_, &QWidget::setToolTip);
    for (int layout = 0; layout < static_cast<int>(job_.layouts->entries.size()); ++layout)
        layoutChoice_->addItem(job_.layouts->entries[static_cast<std::size_t>(layout)].listText, layout);
    layoutChoice_->setCurrentIndex(0);
    setStatus(shownPath(outputPath()) + QStringLiteral("\nに出力します。"));
}

void AddressBookWindow::run()
{
    writeOutput(layoutChoice_->currentData().toInt());
    context_.platform.messageBox(this, design_.completionMessage, QStringLiteral("処理完了"),
                                 MessageStyle::Information);
    close();
}

} // namespace paluksen
