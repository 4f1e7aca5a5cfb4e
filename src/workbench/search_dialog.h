// The modeless "Trouver" (find) and "cherche Remplace " (find and replace) dialogs. Controls
// carry their ids as object names.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace ondavel::workbench {

class ViewSearch;

class SearchDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Kind { Find, Replace };
    SearchDialog(QWidget* owner, ViewSearch& search, Kind kind);

  private:
    void ReadControls();
    void OnButton(int id);

    ViewSearch& search_;
    QLineEdit* findEdit_;
    QLineEdit* replaceEdit_ = nullptr;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_;
};

}  // namespace ondavel::workbench
