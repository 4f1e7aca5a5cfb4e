#include "workbench/search_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "workbench/view_search.h"

namespace ondavel::workbench {

namespace {

constexpr int kEditLimit = 100;
enum ControlId {
    kFindEdit = 101,
    kReplaceEdit = 102,
    kNext = 401,
    kReplaceOne = 402,
    kReplaceAll = 403,
    kCancel = 2
};

template <class Widget>
Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

// The edits show the texts of the search state; a text of one blank shows as empty.
QLineEdit* SearchEdit(QWidget* owner, int id, const QString& text) {
    auto* edit = WithId(new QLineEdit(text == " " ? QString() : text, owner), id);
    edit->setMaxLength(kEditLimit);
    return edit;
}

}  // namespace

SearchDialog::SearchDialog(QWidget* owner, ViewSearch& search, Kind kind)
    : QDialog(owner), search_(search) {
    const bool replace = kind == Kind::Replace;
    setWindowTitle(replace ? "cherche Remplace " : "Trouver");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Rechercher:", this), 0, 0);
    findEdit_ = SearchEdit(this, kFindEdit, search.state.findText);
    fields->addWidget(findEdit_, 0, 1);
    if (replace) {
        fields->addWidget(new QLabel("Remplacer par", this), 1, 0);
        replaceEdit_ = SearchEdit(this, kReplaceEdit, search.state.replaceText);
        fields->addWidget(replaceEdit_, 1, 1);
    }
    wholeWord_ =
        WithId(new QCheckBox(replace ? "Mot entier" : "Textes et mots entiers", this), 201);
    matchCase_ = WithId(new QCheckBox("Respecter la casse", this), 202);
    auto* direction = WithId(new QGroupBox("Direction", this), 431);
    up_ = WithId(new QRadioButton("Haut", direction), 301);
    auto* down = WithId(new QRadioButton("Bas", direction), 302);
    down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down);

    auto* buttons = new QVBoxLayout;
    const std::pair<int, const char*> kinds[] = {{kNext, "Suivant"},
                                                 {kReplaceOne, "Remplacer"},
                                                 {kReplaceAll, "Tout Changer"},
                                                 {kCancel, "Abandon"}};
    for (const auto& [id, text] : kinds) {
        if (!replace && (id == kReplaceOne || id == kReplaceAll)) continue;
        auto* button = WithId(new QPushButton(text, this), id);
        button->setAutoDefault(false);
        button->setDefault(id == kNext);
        connect(button, &QPushButton::clicked, this, [this, buttonId = id] { OnButton(buttonId); });
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* options = new QVBoxLayout;
    options->addLayout(fields);
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    options->addWidget(direction);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(buttons);
    findEdit_->setFocus();
}

void SearchDialog::ReadControls() {
    SearchState& state = search_.state;
    state.findText = findEdit_->text().left(kSearchTextLimit);
    if (replaceEdit_ != nullptr) state.replaceText = replaceEdit_->text().left(kSearchTextLimit);
    state.wholeWord = wholeWord_->isChecked();
    state.matchCase = matchCase_->isChecked();
    state.upward = up_->isChecked();
}

void SearchDialog::OnButton(int id) {
    if (id == kCancel) {
        close();
        return;
    }
    ReadControls();
    search_.state.rangeStart = search_.SelectionStart();
    if (id == kNext) {
        search_.FindNextMatch();
    } else {
        search_.Replace(id == kReplaceAll);
    }
}

}  // namespace ondavel::workbench
