#include "workbench/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "driver/batch.h"
#include "driver/commands.h"
#include "driver/kit_profiles.h"
#include "knowledge/learn.h"
#include "workbench/conditions_dialog.h"
#include "workbench/menu_table.h"
#include "workbench/prompter.h"
#include "workbench/search_dialog.h"
#include "workbench/text_codec.h"
#include "workbench/window_geometry.h"

namespace ondavel::workbench {

namespace {

constexpr int kProgressWidth = 250;
const char* const kTitle = "Traduction de header files .h";

// The learning commands need no kit: each names the declaration list it learns from.
struct LearningCommand {
    int id;
    const char* listFile;
};
constexpr LearningCommand kLearningCommands[] = {
    {kLearn, "liste.txt"},
    {kLearnFromSdk, "sdkliste.txt"},
    {kLearnFromDirectX, "directxliste.txt"},
    {kLearnFromDdk, "winddkliste.txt"},
};

QPlainTextEdit* MakeView() {
    auto* view = new QPlainTextEdit;
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return view;
}

// The user's editor ($VISUAL, else $EDITOR), else the desktop's application for the file.
bool OpenInEditor(const QString& path) {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        QStringList command = QProcess::splitCommand(qEnvironmentVariable(variable));
        if (command.isEmpty()) continue;
        const QString program = command.takeFirst();
        return QProcess::startDetached(program, command << path);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

MainWindow::MainWindow(const std::string& baseDirectory, Prompter& prompter)
    : prompter_(prompter),
      view_(MakeView()),
      progress_(new QLabel),
      kit_(new QLabel),
      host_(*view_, *progress_, *kit_, prompter),
      session_(host_),
      search_(*view_, prompter) {
    session_.run.baseDirectory = baseDirectory;
    setWindowTitle(kTitle);
    BuildMenu();
    setCentralWidget(view_);
    progress_->setFixedWidth(kProgressWidth);
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
            connect(action, &QAction::triggered, this, [this, id = item.id] { Command(id); });
        }
    }
}

bool MainWindow::Busy() const {
    return worker_ != nullptr || !IsIdle(session_);
}

void MainWindow::Command(int id) {
    for (const ViewedFile& file : kViewedFiles) {
        if (file.id == id) return ViewFile(file.fileName);
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
            ChooseKit(session_, static_cast<Kit>(id - kChooseSdk));
            break;
        case kTranslateTest:
            TranslateTestFile(session_);
            break;
        case kSelectFile:
            SelectFile();
            break;
        case kTranslateAll:
        case kTranslateAllWithList:
            if (StartBatch(session_, id == kTranslateAllWithList) != 0) PostBatchStep();
            break;
        case kBatchStep:
            BatchStep();
            break;
        case kOleview:
            ReorderOleviewFile(session_);
            break;
        default:
            for (const LearningCommand& learning : kLearningCommands) {
                if (learning.id == id) LearnFromKit(session_, learning.listFile);
            }
            break;
    }
    host_.Flush();
}

// The whole kit goes one header an event-loop turn, so the window repaints and answers between
// headers.
void MainWindow::PostBatchStep() {
    QTimer::singleShot(0, this, [this] { Command(kBatchStep); });
}

// A step claimed while another is under way (one of its message boxes is open) does nothing.
void MainWindow::BatchStep() {
    if (!ClaimBatchStep(session_)) return;
    if (RunBatchStep(session_) >= 0) PostBatchStep();
}

template <class Dialog, class... Arguments>
void MainWindow::OpenModeless(QPointer<QDialog>& dialog, Arguments&&... arguments) {
    delete dialog;
    dialog = new Dialog(this, std::forward<Arguments>(arguments)...);
    connect(dialog, &QObject::destroyed, view_, [this] { view_->setFocus(); });
    dialog->show();
}

void MainWindow::ViewFile(std::string_view fileName) {
    const QString path = FromPath(session_.run.baseDirectory + std::string(fileName));
    if (OpenInEditor(QFileInfo(path).absoluteFilePath())) return;
    prompter_.AskYesNo(nullptr, "CreateProcess Failed", "Execute_Independant_Win failed");
}

// A batch goes on while the dialog is open: the worker starts only when it has ended.
void MainWindow::SelectFile() {
    if (!RequireKit(session_)) return;
    HeaderChoiceDialog(this, host_, prompter_, session_.run, choice_).exec();
    if (choice_.inputPath.empty() || !IsIdle(session_)) return;
    StartWorker(choice_);
}

void MainWindow::StartWorker(const HeaderChoice& choice) {
    worker_ = QThread::create([this, choice] {
        TranslateChosenFile(session_, choice.inputPath, choice.toFile ? choice.destination : "");
        host_.Flush();
    });
    connect(worker_, &QThread::finished, this, &MainWindow::WorkerFinished);
    worker_->start();
}

void MainWindow::WorkerFinished() {
    worker_->deleteLater();
    worker_ = nullptr;
    if (closeWhenIdle_) close();
}

// The worker reaches the window through blocking calls: the window waits for it to end
// before it goes. A batch stops between two headers.
void MainWindow::closeEvent(QCloseEvent* event) {
    closeWhenIdle_ = worker_ != nullptr;
    if (closeWhenIdle_) {
        event->ignore();
    } else {
        event->accept();
    }
}

}  // namespace ondavel::workbench
