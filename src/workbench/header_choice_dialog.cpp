#include "workbench/header_choice_dialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/file_io.h"
#include "core/text.h"
#include "session/session.h"
#include "workbench/prompter.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench {

namespace {

template <class Widget>
Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

// The header a list line names, or nothing for a blank or ';' line, an over-long line or a
// header that does not exist.
std::string_view ListedHeader(std::string_view line) {
    const std::string_view path = Trimmed(line);
    if (path.empty() || path.front() == ';') return {};
    return FileExists(path) ? path : std::string_view();
}

// The folder a translation to a file goes to, ending with '/' (the output file's name is
// appended to it); empty when the destination names no folder that exists.
QString DestinationFolder(const QString& destination) {
    if (!QFileInfo(destination).isDir()) return {};
    return destination.endsWith('/') ? destination : destination + '/';
}

}  // namespace

HeaderChoiceDialog::HeaderChoiceDialog(QWidget* owner, Host& host, Prompter& prompter,
                                       const RunState& run, HeaderChoice& choice)
    : QDialog(owner), prompter_(prompter), run_(run), choice_(choice) {
    setWindowTitle("Choix Multi Fichiers");
    selected_ = WithId(new QLabel("Selectionner un fichier", this), 3004);
    list_ = WithId(new QListWidget(this), 3000);
    list_->setSortingEnabled(true);
    destination_ = WithId(new QLineEdit(FromPath(run.outputDirectory), this), 3001);
    auto* confirm = WithId(new QPushButton("Selection", this), 3002);
    toFile_ = WithId(new QCheckBox("Ecrire dans Fichier", this), 3005);
    // Only a selected item counts: the list's current item, which it takes with the focus, is
    // no choice, so that Enter alone chooses nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* item = SelectedItem()) selected_->setText(item->text());
    });
    connect(confirm, &QPushButton::clicked, this, &HeaderChoiceDialog::Confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selected_);
    layout->addWidget(list_);
    layout->addWidget(new QLabel("Chemin de destination", this));
    layout->addWidget(destination_);
    layout->addWidget(confirm);
    layout->addWidget(toFile_);
    ListHeaders(host, run.headerListPath);
}

void HeaderChoiceDialog::ListHeaders(Host& host, const std::string& headerListPath) {
    std::string text;
    if (!LoadFile(host, headerListPath, text) || !headerList_.Build(std::move(text))) return;
    std::string_view line;
    for (uint32_t n = 1; headerList_.IsTerminated(n) && headerList_.Line(n, line); ++n) {
        const std::string_view header = ListedHeader(line);
        if (header.empty()) continue;
        auto* item = new QListWidgetItem(FromPath(FileNamePart(header)), list_);
        item->setData(Qt::UserRole, n);
    }
}

QListWidgetItem* HeaderChoiceDialog::SelectedItem() const {
    const QList<QListWidgetItem*> items = list_->selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

void HeaderChoiceDialog::Refuse(const QString& text) {
    prompter_.Show(this, windowTitle(), text, MessageIcon::Stop);
}

void HeaderChoiceDialog::Confirm() {
    const QListWidgetItem* item = SelectedItem();
    if (item == nullptr) return;
    std::string_view line;
    headerList_.Line(item->data(Qt::UserRole).toUInt(), line);
    const std::string_view input = ListedHeader(line);
    QString destination = destination_->text().trimmed();
    if (destination.isEmpty()) {
        destination_->setText("sdk/");
        return;
    }
    if (run_.keepJournalOpen) {
        Refuse(
            "Une traduction ALL est en cours : choisissez ce header de nouveau quand la "
            "barre d'\u00E9tat dira \"ALL DONE\".");
        return;
    }
    if (input.size() > kPathLimit) {
        Refuse("Chemin du header trop long (260 caract\u00E8res au plus):\n" + FromPath(input));
        return;
    }
    if (toFile_->isChecked()) {
        const QString folder = DestinationFolder(destination);
        if (folder.isEmpty()) {
            Refuse("La destination n'est pas un dossier existant :\n" + destination);
            return;
        }
        destination = folder;
    }
    if (destination.size() > kPathLimit) {
        Refuse("Chemin de destination trop long (260 caract\u00E8res au plus)");
        return;
    }
    choice_ = {std::string(input), ToPath(destination), toFile_->isChecked()};
    accept();
}

}  // namespace ondavel::workbench
