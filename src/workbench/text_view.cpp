#include "workbench/text_view.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

namespace ondavel::workbench {

QPlainTextEdit* MakeTextView() {
    auto* view = new QPlainTextEdit;
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return view;
}

}  // namespace ondavel::workbench
