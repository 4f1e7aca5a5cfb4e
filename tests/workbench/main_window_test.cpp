#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "workbench/base_folder.h"
#include "workbench/file_viewer.h"
#include "workbench/main_window.h"
#include "workbench/recording_prompter.h"
#include "workbench/start_options.h"
#include "workbench/test_classes.h"

namespace ondavel::workbench::testing {

namespace {

const QString kTitle = "Traduction de header files .h";

// Picks the first header of the dialog that the next command opens.
void ChooseInDialog(bool toFile, const QString& destination) {
    QTimer::singleShot(0, [toFile, destination] {
        QWidget* dialog = QApplication::activeModalWidget();
        dialog->findChild<QListWidget*>("3000")->setCurrentRow(0);
        dialog->findChild<QCheckBox*>("3005")->setChecked(toFile);
        if (!destination.isEmpty()) dialog->findChild<QLineEdit*>("3001")->setText(destination);
        dialog->findChild<QPushButton*>("3002")->click();
    });
}

QAction* ItemOf(const MainWindow& window, int id) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->data() == id) return action;
    }
    return nullptr;
}

// Each command opens a viewer of the file it names, whose text is read as Windows-1252.
void ExpectViews(bool win64, const QList<QPair<int, QString>>& commands) {
    BaseFolder base;
    for (const auto& [id, name] : commands) base.Write(name, name.toUtf8() + " \xE9\r\n");
    RecordingPrompter prompter;
    MainWindow window(base.base(), prompter);
    if (win64) window.Command(kSwitchTarget);
    for (const auto& [id, name] : commands) {
        window.Command(id);
        FileViewer* viewer = nullptr;
        for (FileViewer* open : window.findChildren<FileViewer*>()) {
            if (open->path() == base.path(name)) viewer = open;
        }
        QVERIFY2(viewer != nullptr, qPrintable(name));
        QCOMPARE(viewer->view().toPlainText(), name + " \u00E9\n");
    }
    QCOMPARE(window.findChildren<FileViewer*>().size(), commands.size());
}

}  // namespace

// A message box runs an event loop of its own until it is answered.
struct BoxWithEventLoop : RecordingPrompter {
    void Show(QWidget* owner, const QString& caption, const QString& text,
              MessageIcon icon) override {
        RecordingPrompter::Show(owner, caption, text, icon);
        QTest::qWait(20);
        whileShown();
    }
    std::function<void()> whileShown;
};

// The window of the batch tests, whose kit lists a header that cannot be read between two
// that translate.
struct BatchWindow {
    BatchWindow() {
        base.AddSample("first.h");
        base.AddSample("third.h");
        base.ListHeaders({"first.h", "missing.h", "third.h"});
    }
    BaseFolder base;
    BoxWithEventLoop prompter;
    MainWindow window{base.base(), prompter};
};

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The target and the kit become the window's first commands, the target first so that the
    // kit is chosen for it; the --run commands follow in their order. The 32-bit target is
    // the window's own: it asks for no command.
    void TargetAndKitComeBeforeTheCommandsToRun() {
        QCOMPARE(ParseStartOptions({"ondavel-workbench", "--run", "10002", "--kit", "directx",
                                    "--target", "win64", "--run", "1023"})
                     .commands,
                 QList<int>({10013, 10010, 10002, 1023}));
        QCOMPARE(
            ParseStartOptions({"ondavel-workbench", "--target", "win32", "--kit", "sdk"}).commands,
            QList<int>({10009}));
    }

    // Without a kit, a translation asks for one. The dialog's choice runs on the worker
    // thread; its lines reach the view on the window's. To a file, the output goes into the
    // folder the destination names, with or without its '/', and the status bar says where it
    // went. Closing waits for the worker, and the window goes once the output is whole.
    void ASelectedFileIsTranslatedByTheWorkerAndSaysWhereItWent() {
        BaseFolder base;
        base.AddSample("sample.h");
        base.ListHeaders({"sample.h"});
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        window.Command(10000);
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown[0].startsWith("ONDAVEL|Vous devez CHOISIR un SDK"));
        window.Command(10009);
        ChooseInDialog(false, "");
        window.Command(10001);
        QVERIFY(window.Busy());
        QTRY_VERIFY(!window.Busy());
        QVERIFY(window.view().toPlainText().contains("SampleOpen PROTO"));
        QVERIFY(!QFile::exists(base.path("sdk/sample.sdk")));
        QVERIFY(!window.progressStatus().text().contains("sample.sdk"));

        ChooseInDialog(true, base.path("sdk"));
        window.Command(10001);
        QTRY_VERIFY(!window.Busy());
        QCOMPARE(window.progressStatus().text(), "Ecrit dans " + base.path("sdk/sample.sdk"));

        window.show();
        QVERIFY(QFile::remove(base.path("sdk/sample.sdk")));
        ChooseInDialog(true, base.path("sdk/"));
        window.Command(10001);
        QVERIFY(!window.close());
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(QFileInfo(base.path("sdk/sample.sdk")).size() > 0);
    }

    // One header a turn of the event loop: a timer keeps firing between the headers and sees
    // the title name each one; the status counts the headers done. A header that cannot be
    // read shows a box; a step asked for while the box is open does nothing, and the batch
    // then goes on. Once done, the title is the window's again.
    void TheWholeKitGoesOneHeaderAnEventLoopTurn() {
        BatchWindow batch;
        auto& [base, prompter, window] = batch;
        window.Command(10009);
        QStringList titles;
        QTimer turn;
        connect(&turn, &QTimer::timeout, [&] {
            if (!titles.contains(window.windowTitle())) titles << window.windowTitle();
        });
        turn.start(0);
        bool thirdWhileBoxOpen = true;
        QString countWhileBoxOpen;
        prompter.whileShown = [&] {
            window.Command(10006);
            thirdWhileBoxOpen = QFile::exists(base.path("sdk/third.sdk"));
            countWhileBoxOpen = window.progressStatus().text();
        };

        window.Command(10002);
        QCOMPARE(window.progressStatus().text(), QString("0 / 3"));
        QTRY_COMPARE(window.progressStatus().text(), QString("ALL DONE"));
        QCOMPARE(titles, QStringList({"first.h", "missing.h", "third.h", kTitle}));
        QCOMPARE(countWhileBoxOpen, QString("1 / 3"));
        QVERIFY(!thirdWhileBoxOpen);
        QVERIFY(QFileInfo(base.path("sdk/third.sdk")).size() > 0);
    }

    // The 64-bit item switches the target, before a kit is chosen or after: the kit's status
    // says so, and its headers go into the kit's 64-bit folder. A whole-kit translation keeps
    // the target it started with, and so does the item; switched back, the headers go where
    // they went before.
    void The64BitItemSwitchesTheTargetOfTheKits() {
        BatchWindow batch;
        auto& [base, prompter, window] = batch;
        QAction* item = ItemOf(window, 10013);
        item->trigger();
        window.Command(10009);
        QCOMPARE(window.kitStatus().text(), QString("SDK 64-bit header.txt egales.txt"));

        bool checkedWhileBoxOpen = false;
        prompter.whileShown = [&] {
            item->trigger();
            checkedWhileBoxOpen = item->isChecked();
        };
        window.Command(10002);
        QTRY_COMPARE(window.progressStatus().text(), QString("ALL DONE"));
        QVERIFY(checkedWhileBoxOpen);
        QVERIFY(QFile::exists(base.path("sdk64/third.sdk")));

        window.Command(10013);
        QVERIFY(!item->isChecked());
        window.Command(10002);
        QTRY_VERIFY(!window.Busy());
        QVERIFY(QFile::exists(base.path("sdk/third.sdk")));
    }

    // A statement given up in a batch is named by its header and line; outside a batch the
    // box is as it always was.
    void AStatementGivenUpInABatchIsNamedByItsHeaderAndLine() {
        BaseFolder base;
        const QByteArray header = "#define GOOD 1\r\n#define BAD (1 < 2)\r\n";
        base.Write("bad.h", header);
        base.Write("Test.txt", header);
        base.ListHeaders({"bad.h"});
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        window.Command(10009);
        window.Command(10002);
        QTRY_COMPARE(window.progressStatus().text(), QString("ALL DONE"));
        window.Command(10000);
        QCOMPARE(prompter.shown,
                 QStringList({"erreur sur <|ABANDON\n" + base.path("bad.h") + ", ligne 2",
                              "erreur sur <|ABANDON"}));
    }

    // Closing while a batch step waits in a message box: the user is asked first (No keeps
    // the batch going), then the window waits, showing it, for the step to end and closes
    // without starting the next header.
    void ClosingDuringABatchAsksThenWaitsForTheHeaderUnderWay() {
        BatchWindow batch;
        auto& [base, prompter, window] = batch;
        window.show();
        window.Command(10009);
        bool waitCursor = false;
        QString waitStatus;
        prompter.whileShown = [&] {
            prompter.answers = {false};
            QVERIFY(!window.close());
            QVERIFY(QApplication::overrideCursor() == nullptr);
            prompter.answers = {true};
            QVERIFY(!window.close());
            waitCursor = QApplication::overrideCursor() != nullptr &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            waitStatus = window.statusBar()->currentMessage();
        };
        window.Command(10002);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(prompter.asked.size(), 2);
        QVERIFY(prompter.asked[0].contains("(2 / 3)"));
        QVERIFY(waitCursor);
        QVERIFY(waitStatus.startsWith("Fermeture : attente"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::qWait(20);
        QVERIFY(QFileInfo(base.path("sdk/first.sdk")).size() > 0);
        QVERIFY(!QFile::exists(base.path("sdk/third.sdk")));
    }

    // With the 64-bit target the runs' lists are the 64-bit ones. Before a translation the
    // viewer says what writes journal.txt; after one, viewing it again shows the file in the
    // same window.
    void EachViewCommandOpensTheFileItNames() {
        ExpectViews(false, {{1031, "winddkliste.txt"}});
        ExpectViews(true, {{1023, "journal.txt"}, {1031, "winddkliste64.txt"}});

        BaseFolder base;
        base.Write("Test.txt", "struct S { mystery_t x; };\r\n");
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        window.Command(1023);
        const QString before = window.findChild<FileViewer*>()->view().toPlainText();
        QVERIFY(before.startsWith("journal.txt n'existe pas encore"));
        QVERIFY(before.contains("Translate test.txt + list"));
        window.Command(10009);
        window.Command(10000);
        window.Command(1023);
        QCOMPARE(window.findChildren<FileViewer*>().size(), 1);
        QVERIFY(window.findChild<FileViewer*>()->view().toPlainText().contains("mystery_t"));
    }
};

const bool kAdded = AddTestClass<MainWindowTest>();

}  // namespace ondavel::workbench::testing

#include "main_window_test.moc"
