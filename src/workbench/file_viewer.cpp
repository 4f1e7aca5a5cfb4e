#include "workbench/file_viewer.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "workbench/prompter.h"
#include "workbench/search_dialog.h"
#include "workbench/text_codec.h"
#include "workbench/text_view.h"

namespace ondavel::workbench {

namespace {

QPushButton* AddButton(QHBoxLayout& row, const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

}  // namespace

FileViewer::FileViewer(QWidget* owner, const QString& path, const QString& writtenBy,
                       Prompter& prompter)
    : QWidget(owner, Qt::Window),
      path_(path),
      writtenBy_(writtenBy),
      prompter_(prompter),
      view_(MakeTextView()),
      search_(*view_, prompter) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A viewer left open does not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(path);
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* buttons = new QHBoxLayout;
    connect(AddButton(*buttons, "Trouver"), &QPushButton::clicked, this, &FileViewer::Find);
    connect(AddButton(*buttons, "Suivant F3"), &QPushButton::clicked, this,
            [this] { search_.FindNext(); });
    buttons->addStretch();
    external_ = AddButton(*buttons, "Ouvrir avec l'application du bureau");
    connect(external_, &QPushButton::clicked, this, &FileViewer::OpenExternally);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    new QShortcut(QKeySequence::Find, this, [this] { Find(); });
    new QShortcut(Qt::Key_F3, this, [this] { search_.FindNext(); });
    if (owner != nullptr) resize(owner->size());
}

void FileViewer::Load() {
    QFile file(path_);
    external_->setEnabled(file.exists());
    if (!file.exists()) {
        view_->setPlainText(QFileInfo(path_).fileName() + " n'existe pas encore (" + path_ +
                            ").\n" + writtenBy_);
    } else if (!file.open(QIODevice::ReadOnly)) {
        view_->setPlainText(path_ + " : " + file.errorString());
    } else {
        const QByteArray bytes = file.readAll();
        view_->setPlainText(FromWindows1252(
            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
    }
}

// The same find dialog as the output view's, over this file: the search state is the viewer's.
void FileViewer::Find() {
    search_.TakeSelection();
    delete findDialog_;
    findDialog_ = new SearchDialog(this, search_, SearchDialog::Kind::Find);
    findDialog_->show();
}

void FileViewer::OpenExternally() {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path_))) return;
    prompter_.Show(this, path_, "Aucune application du bureau n'ouvre ce fichier",
                   MessageIcon::Stop);
}

}  // namespace ondavel::workbench
