#include "workbench/prompter.h"

#include <QMessageBox>

namespace ondavel::workbench {

void Prompter::Show(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, owner);
    box.exec();
}

bool Prompter::AskYesNo(QWidget* owner, const QString& caption, const QString& text) {
    return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace ondavel::workbench
