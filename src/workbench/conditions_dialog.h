// The modeless "Recherche de conditions dans header" dialog: a name, a file, and OK.
#pragma once

#include <QDialog>

class QLineEdit;

namespace ondavel {

class Host;

namespace workbench {

class ConditionsDialog : public QDialog {
    Q_OBJECT

  public:
    ConditionsDialog(QWidget* owner, Host& host);

  private:
    void Search();

    Host& host_;
    QLineEdit* name_;
    QLineEdit* file_;
};

}  // namespace workbench
}  // namespace ondavel
