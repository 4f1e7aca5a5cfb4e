#include "workbench/prompter.h"

#include <QGridLayout>
#include <QMessageBox>

namespace ondavel::workbench {

namespace {

// What a window manager's frame puts beside the caption: the window's icon and its buttons.
constexpr int kFrameControlsWidth = 120;

// A window manager cuts a caption wider than its box ("erreur sur <" showed as "e…"): the box
// is made as wide as its caption in a bold title font, with room for the frame's controls.
void FitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kFrameControlsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

int Run(QMessageBox& box) {
    FitCaption(box);
    return box.exec();
}

}  // namespace

void Prompter::Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, owner);
    Run(box);
}

bool Prompter::AskYesNo(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    owner);
    return Run(box) == QMessageBox::Yes;
}

}  // namespace ondavel::workbench
