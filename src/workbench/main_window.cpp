#include "workbench/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include "core/output_name.h"
#include "learning/learn.h"
#include "run/batch.h"
#include "run/commands.h"
#include "run/kit_profiles.h"
#include "session/target.h"
#include "workbench/conditions_dialog.h"
#include "workbench/file_viewer.h"
#include "workbench/prompter.h"
#include "workbench/search_dialog.h"
#include "workbench/text_codec.h"
#include "workbench/text_view.h"
#include "workbench/window_geometry.h"

namespace ondavel::workbench {

namespace {

constexpr int kProgressWidth = 250;
const char* const kTitle = "Traduction de header files .h";

}  // namespace

MainWindow::MainWindow(const std::string& baseDirectory, Prompter& prompter)
    : prompter_(prompter),
      view_(MakeTextView()),
      progress_(new QLabel),
      kit_(new QLabel),
      host_(*view_, *progress_, *kit_, prompter),
      session_(host_),
      search_(*view_, prompter) {
    session_.run.baseDirectory = baseDirectory;
    host_.Watch(session_);
    setWindowTitle(kTitle);
    BuildMenu();
    setCentralWidget(view_);
    // The first part widens for a text longer than its width (an output file's path).
    progress_->setMinimumWidth(kProgressWidth);
    statusBar()->addWidget(progress_);
    statusBar()->addWidget(kit_, 1);
    new QShortcut(Qt::Key_F3, this, [this] { Command(kFindNext); });
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const WindowGeometry geometry = MainWindowGeometry(screen.width(), screen.height());
    resize(geometry.width, geometry.height);
    move(geometry.x, geometry.y);
    view_->setFocus();
}

void MainWindow::BuildMenu() {
    for (const MenuPopup& popup : kMainMenu) {
        QMenu* menu = menuBar()->addMenu(FromWindows1252(popup.text));
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(FromWindows1252(item.text));
            action->setData(item.id);
            action->setCheckable(item.checkable);
            if (item.id == kSwitchTarget) targetItem_ = action;
            connect(action, &QAction::triggered, this, [this, id = item.id] { Command(id); });
        }
    }
}

bool MainWindow::Busy() const {
    return worker_ != nullptr || !IsIdle(session_);
}

void MainWindow::Command(int id) {
    for (const ViewedFile& file : kViewedFiles) {
        if (file.id == id) return ViewFile(file);
    }
    switch (id) {
        case kQuit:
            close();
            break;
        case kAbout:
            prompter_.Show(this, kTitle, "Ondavel de header", MessageIcon::Information);
            break;
        case kFind:
        case kReplace:
            search_.TakeSelection();
            OpenModeless<SearchDialog>(
                searchDialog_, search_,
                id == kFind ? SearchDialog::Kind::Find : SearchDialog::Kind::Replace);
            break;
        case kFindNext:
            search_.FindNext();
            break;
        case kSwitchTarget:
            SwitchTarget();
            break;
        case kConditions:
            OpenModeless<ConditionsDialog>(conditionsDialog_, host_);
            break;
        case kCopy:
            view_->copy();
            break;
        case kPaste:
            view_->paste();
            break;
        case kCut:
            view_->cut();
            break;
        case kClear:
            view_->textCursor().removeSelectedText();
            break;
        default:
            TranslationCommand(id);
            break;
    }
}

// While the worker runs, the session is its own: the commands that use it wait for it.
void MainWindow::TranslationCommand(int id) {
    if (worker_ != nullptr) return;
    switch (id) {
        case kChooseSdk:
        case kChooseDirectX:
        case kChooseWinDdk:
        case kChooseDarkGdk:
            chosenKit_ = static_cast<Kit>(id - kChooseSdk);
            ChooseKit(session_, *chosenKit_);
            break;
        case kTranslateTest:
            TranslateTestFile(session_);
            break;
        case kSelectFile:
            SelectFile();
            break;
        case kTranslateAll:
        case kTranslateAllWithList:
            StartBatchCommand(id == kTranslateAllWithList ? NameList::Write : NameList::Skip);
            break;
        case kBatchStep:
            BatchStep();
            break;
        case kOleview:
            ReorderOleviewFile(session_);
            break;
        default:
            for (const LearningCommand& learning : kLearningCommands) {
                if (learning.id == id) {
                    LearnFromKit(session_, ForTarget(learning.listFile, session_.run.target));
                }
            }
            break;
    }
    host_.Flush();
}

// The other target, for the kit chosen so far too: its output folder and its status follow.
// A translation under way keeps the target it started with; the item then stays as it was.
void MainWindow::SwitchTarget() {
    RunState& run = session_.run;
    if (!Busy()) {
        run.target = run.target == Target::Win64 ? Target::Win32 : Target::Win64;
        if (chosenKit_) ChooseKit(session_, *chosenKit_);
    }
    targetItem_->setChecked(run.target == Target::Win64);
}

void MainWindow::StartBatchCommand(NameList nameList) {
    if (!StartBatch(session_, nameList)) return;
    batchStopped_ = false;
    ShowBatchProgress();
    PostBatchStep();
}

// The whole kit goes one header an event-loop turn, so the window repaints and answers between
// headers.
void MainWindow::PostBatchStep() {
    QTimer::singleShot(0, this, [this] { Command(kBatchStep); });
}

// A step claimed while another is under way (one of its message boxes is open) does nothing.
// After the last one the title, which named each header in turn, is the window's again.
void MainWindow::BatchStep() {
    if (batchStopped_ || !ClaimBatchStep(session_)) return;
    if (RunBatchStep(session_) != BatchStepResult::Finished) {
        ShowBatchProgress();
        PostBatchStep();
    } else {
        setWindowTitle(kTitle);
    }
    if (closeWhenIdle_) close();
}

// "n / N": the lines of the header list taken so far, of all its lines.
void MainWindow::ShowBatchProgress() {
    const BatchProgress progress = GetBatchProgress(session_);
    progress_->setText(QString("%1 / %2").arg(progress.done).arg(progress.total));
}

template <class Dialog, class... Arguments>
void MainWindow::OpenModeless(QPointer<QDialog>& dialog, Arguments&&... arguments) {
    delete dialog;
    dialog = new Dialog(this, std::forward<Arguments>(arguments)...);
    connect(dialog, &QObject::destroyed, view_, [this] { view_->setFocus(); });
    dialog->show();
}

// One viewer a file: viewing it again shows it as it is now.
void MainWindow::ViewFile(const ViewedFile& file) {
    const RunState& run = session_.run;
    const std::string name =
        file.perTarget ? ForTarget(file.fileName, run.target) : std::string(file.fileName);
    const QString path = QFileInfo(FromPath(run.baseDirectory + name)).absoluteFilePath();
    FileViewer* viewer = nullptr;
    for (FileViewer* open : findChildren<FileViewer*>(Qt::FindDirectChildrenOnly)) {
        if (open->path() == path) viewer = open;
    }
    if (viewer == nullptr) {
        viewer = new FileViewer(this, path, QString::fromUtf16(file.writtenBy), prompter_);
    }
    viewer->Load();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

// A batch goes on while the dialog is open; the dialog takes no header until it has ended.
void MainWindow::SelectFile() {
    if (!RequireKit(session_)) return;
    HeaderChoiceDialog(this, host_, prompter_, session_.run, choice_).exec();
    if (choice_.inputPath.empty() || !IsIdle(session_)) return;
    StartWorker(choice_);
}

void MainWindow::StartWorker(const HeaderChoice& choice) {
    worker_ = QThread::create([this, choice] {
        workerResult_ = TranslateChosenFile(session_, choice.inputPath,
                                            choice.toFile ? choice.destination : "");
        host_.Flush();
    });
    connect(worker_, &QThread::finished, this, &MainWindow::WorkerFinished);
    worker_->start();
}

// A translation to a file says where it went: the destination may be relative, or the
// kit's folder.
void MainWindow::WorkerFinished() {
    worker_->deleteLater();
    worker_ = nullptr;
    if (workerResult_ == FileResult::Done && choice_.toFile) {
        const std::string output = choice_.destination + OutputFileName(choice_.inputPath);
        progress_->setText("Ecrit dans " + QFileInfo(FromPath(output)).absoluteFilePath());
    }
    if (closeWhenIdle_) close();
}

// The worker reaches the window through blocking calls, and a batch step may be under way in
// one of its message boxes: the window waits for them to end before it goes. A batch is
// stopped between two headers, once the user agrees; the headers already translated keep
// their complete output files.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!StopBatchAllowed()) {
        event->ignore();
        return;
    }
    if (worker_ != nullptr || session_.run.busy) {
        WaitBeforeClosing();
        event->ignore();
        return;
    }
    if (closeWhenIdle_) QApplication::restoreOverrideCursor();
    closeWhenIdle_ = false;
    event->accept();
}

bool MainWindow::StopBatchAllowed() {
    if (batchStopped_ || !session_.run.keepJournalOpen) return true;
    const BatchProgress progress = GetBatchProgress(session_);
    batchStopped_ = prompter_.AskYesNo(
        this, kTitle,
        QString("Une traduction ALL est en cours (%1 / %2).\n"
                "L'arr\u00EAter et fermer ? Les headers d\u00E9j\u00E0 traduits restent "
                "complets.")
            .arg(progress.done)
            .arg(progress.total));
    return batchStopped_;
}

void MainWindow::WaitBeforeClosing() {
    if (!closeWhenIdle_) QApplication::setOverrideCursor(Qt::WaitCursor);
    closeWhenIdle_ = true;
    statusBar()->showMessage("Fermeture : attente de la fin de la traduction en cours");
}

}  // namespace ondavel::workbench
