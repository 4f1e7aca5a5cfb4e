// The modal "Choix Multi Fichiers" dialog: one header of the kit's list, where its
// translation goes, and whether it goes to a file or to the view.
#pragma once

#include <QDialog>
#include <string>

#include "core/line_index.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace ondavel {

class Host;
struct RunState;

namespace workbench {

class Prompter;

// The input and output paths hold 260 characters.
inline constexpr int kPathLimit = 260;

struct HeaderChoice {
    std::string inputPath;    // the header as its list line names it
    std::string destination;  // the output file's name is appended to it as it stands
    bool toFile = false;
};

// Choosing a header while a whole-kit translation runs is refused with a box and the dialog
// stays open, its selection kept, so that the choice is made again once the batch is done.
// A translation to a file needs a folder that exists: one named without its trailing '/' is
// that folder.
class HeaderChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    // choice changes only when the user confirms with "Selection".
    HeaderChoiceDialog(QWidget* owner, Host& host, Prompter& prompter, const RunState& run,
                       HeaderChoice& choice);

  private:
    void ListHeaders(Host& host, const std::string& headerListPath);
    QListWidgetItem* SelectedItem() const;
    void Confirm();
    void Refuse(const QString& text);

    Prompter& prompter_;
    const RunState& run_;
    HeaderChoice& choice_;
    LineIndex headerList_;
    QLabel* selected_;
    QListWidget* list_;
    QLineEdit* destination_;
    QCheckBox* toFile_;
};

}  // namespace workbench
}  // namespace ondavel
