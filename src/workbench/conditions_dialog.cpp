#include "workbench/conditions_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "run/conditions.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench {

namespace {

constexpr int kFieldLimit = 258;

QLineEdit* Field(QWidget* owner, int id) {
    auto* edit = new QLineEdit(owner);
    edit->setObjectName(QString::number(id));
    return edit;
}

}  // namespace

ConditionsDialog::ConditionsDialog(QWidget* owner, Host& host) : QDialog(owner), host_(host) {
    setWindowTitle("Recherche de conditions dans header");
    setAttribute(Qt::WA_DeleteOnClose);
    name_ = Field(this, 3000);
    file_ = Field(this, 3001);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("3002");
    connect(ok, &QPushButton::clicked, this, &ConditionsDialog::Search);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Search The conditions (IF..) for this item:", this));
    layout->addWidget(name_);
    layout->addWidget(new QLabel("Search in this file", this));
    layout->addWidget(file_);
    layout->addWidget(ok);
}

void ConditionsDialog::Search() {
    const QString name = name_->text().left(kFieldLimit).trimmed();
    const QString file = file_->text().left(kFieldLimit).trimmed();
    if (name.isEmpty() || file.isEmpty()) return;
    const std::string nameBytes = ToWindows1252(name);
    const std::string path = ToPath(file);
    ShowConditions(host_, nameBytes, path, FindConditions(host_, nameBytes, path));
}

}  // namespace ondavel::workbench
