// A side file in a window of its own, read only: the file's Windows-1252 text in the
// fixed-pitch view, find ("Trouver", then F3 for the next match) and a button that hands the
// file to the desktop's application for it. A file that does not exist yet says which command
// writes it.
#pragma once

#include <QPointer>
#include <QWidget>

#include "workbench/view_search.h"

class QDialog;
class QPlainTextEdit;
class QPushButton;

namespace ondavel::workbench {

class Prompter;

class FileViewer : public QWidget {
    Q_OBJECT

  public:
    // path: absolute; writtenBy: shown when the file does not exist.
    FileViewer(QWidget* owner, const QString& path, const QString& writtenBy, Prompter& prompter);

    // Shows the file as it is now.
    void Load();

    const QString& path() const { return path_; }
    QPlainTextEdit& view() { return *view_; }
    ViewSearch& search() { return search_; }

  private:
    void Find();
    void OpenExternally();

    QString path_;
    QString writtenBy_;
    Prompter& prompter_;
    QPlainTextEdit* view_;
    QPushButton* external_;
    ViewSearch search_;
    QPointer<QDialog> findDialog_;
};

}  // namespace ondavel::workbench
