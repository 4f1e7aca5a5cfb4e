// The workbench's one window: the menu, the output view and the two-part status bar. Every
// menu command, and the commands without menu entry, go through Command().
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <string>

#include "run/batch.h"
#include "run/kit_profiles.h"
#include "session/indexed_file.h"
#include "session/session.h"
#include "workbench/header_choice_dialog.h"
#include "workbench/menu_table.h"
#include "workbench/view_search.h"
#include "workbench/workbench_host.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QThread;

namespace ondavel::workbench {

class Prompter;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // baseDirectory: where kit and side files live, empty or ending with '/'.
    MainWindow(const std::string& baseDirectory, Prompter& prompter);

    void Command(int id);
    // A translation runs on the worker thread, or a whole-kit translation is under way.
    bool Busy() const;

    QPlainTextEdit& view() { return *view_; }
    QLabel& progressStatus() { return *progress_; }
    QLabel& kitStatus() { return *kit_; }
    ViewSearch& search() { return search_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    void TranslationCommand(int id);
    void SwitchTarget();
    void ViewFile(const ViewedFile& file);
    void StartBatchCommand(NameList nameList);
    void PostBatchStep();
    void BatchStep();
    void ShowBatchProgress();
    void SelectFile();
    void StartWorker(const HeaderChoice& choice);
    void WorkerFinished();
    bool StopBatchAllowed();
    void WaitBeforeClosing();
    template <class Dialog, class... Arguments>
    void OpenModeless(QPointer<QDialog>& dialog, Arguments&&... arguments);

    Prompter& prompter_;
    QPlainTextEdit* view_;
    QLabel* progress_;
    QLabel* kit_;
    QAction* targetItem_ = nullptr;  // the 64-bit item, checked while that target is chosen
    WorkbenchHost host_;
    Session session_;
    ViewSearch search_;
    HeaderChoice choice_;
    std::optional<Kit> chosenKit_;  // none until one is chosen
    QPointer<QDialog> searchDialog_;
    QPointer<QDialog> conditionsDialog_;
    QThread* worker_ = nullptr;
    FileResult workerResult_ = FileResult::Failed;  // what the worker's translation returned
    bool closeWhenIdle_ = false;
    bool batchStopped_ = false;  // the window was closed during a batch: no step follows
};

}  // namespace ondavel::workbench
