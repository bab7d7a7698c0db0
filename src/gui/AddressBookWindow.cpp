#include "gui/AddressBookWindow.h"
#include "export/EdMaxExport.h"
#include "export/TuruKameExport.h"
#include "gui/Controls.h"
#include "gui/Twips.h"

#include <QComboBox>
#include <QLabel>

namespace paluksen {

const AddressBookDesign kEdMaxWindow{
    kEdMaxTask,
    kMemoLayoutsCaption,
    QStringLiteral("メモ選択"),
    kMemoLayouts,
    QStringLiteral("EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\n"
                   "C:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"),
    [](TaskContext& context, const OutputTarget& target, int layout, const ShowStatus& showStatus) {
        exportEdMax(context.store, target, MemoLayout(layout), showStatus);
    }};

const AddressBookDesign kTuruKameWindow{
    kTuruKameTask,
    kRemarksLayoutsCaption,
    QStringLiteral("備考選択"),
    kRemarksLayouts,
    QStringLiteral("鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\nC:\\TuruKameData フォルダにコピーしてください。"),
    [](TaskContext& context, const OutputTarget& target, int layout, const ShowStatus& showStatus) {
        exportTuruKame(context.store, target, RemarksLayout(layout), context.clock, showStatus);
    }};

AddressBookWindow::AddressBookWindow(TaskContext& context, const AddressBookDesign& design)
    : TaskWindow(context, design.names, {2190, 500, 800, 1500}), design_(design),
      outputPath_(context.paths.output(design.names.fileName))
{
    topLeftLabel(design.listCaption, this, twipsRect(100, 80, 1200, 195))->setObjectName(QStringLiteral("Label1"));
    layoutChoice_ = new QComboBox(this);
    layoutChoice_->setObjectName(design.listName);
    layoutChoice_->setGeometry(twipsRect(1300, 0, 3200, 300));
    // The closed box is narrower than the longest entries; the opened list and the tooltip show
    // the whole text.
    connect(layoutChoice_, &QComboBox::currentTextChanged, layoutChoice_, &QWidget::setToolTip);
    for (int layout = 0; layout < static_cast<int>(design.layouts.size()); ++layout)
        layoutChoice_->addItem(design.layouts[static_cast<std::size_t>(layout)].listText, layout);
    layoutChoice_->setCurrentIndex(0);
    setStatus(shownPath(outputPath_) + QStringLiteral("\nに出力します。"));
}

void AddressBookWindow::run()
{
    context_.paths.makeOutputDir();
    design_.exportBook(context_, OutputTarget::file(outputPath_), layoutChoice_->currentData().toInt(),
                       [this](const QString& status) { setStatus(status); });
    context_.platform.messageBox(this, design_.completionMessage, QStringLiteral("処理完了"),
                                 MessageStyle::Information);
    close();
}

} // namespace paluksen
