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
#include "workbench/main_window.h"
#include "workbench/recording_prompter.h"
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

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void TestCommandNeedsAKitThenFillsTheView() {
        BaseFolder base;
        base.AddSample("Test.txt");
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        window.Command(10000);
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown[0].startsWith("ONDAVEL|Vous devez CHOISIR un SDK \u00E0 traduire"));
        QVERIFY(window.view().document()->isEmpty());

        window.Command(10009);
        QCOMPARE(window.kitStatus().text(), QString("SDK header.txt egales.txt"));
        window.Command(10000);
        QVERIFY(window.view().toPlainText().contains("SAMPLE_MAX_NAME"));
        QVERIFY(!window.view().toPlainText().contains('\r'));
    }

    // The dialog's choice runs on the worker thread; its lines reach the view on the window's.
    // To a file, the output goes into the folder the destination names, with or without its
    // '/', and the status bar says where it went. Closing waits for the worker.
    void ASelectedFileIsTranslatedByTheWorkerAndSaysWhereItWent() {
        BaseFolder base;
        base.AddSample("sample.h");
        base.ListHeaders({"sample.h"});
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
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
        QVERIFY(QFileInfo(base.path("sdk/sample.sdk")).size() > 0);
        QCOMPARE(window.progressStatus().text(), "Ecrit dans " + base.path("sdk/sample.sdk"));

        // Closed while the worker translates: the window shows that it waits, and goes once
        // the output is whole.
        window.show();
        QVERIFY(QFile::remove(base.path("sdk/sample.sdk")));
        ChooseInDialog(true, base.path("sdk/"));
        window.Command(10001);
        QVERIFY(!window.close());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(window.statusBar()->currentMessage().startsWith("Fermeture : attente"));
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(QFileInfo(base.path("sdk/sample.sdk")).size() > 0);
        QCOMPARE(prompter.shown, QStringList());
        QCOMPARE(prompter.asked, QStringList());
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
        QVERIFY(window.Busy());
        QCOMPARE(window.windowTitle(), kTitle);
        QCOMPARE(window.progressStatus().text(), QString("0 / 3"));
        QTRY_COMPARE(window.progressStatus().text(), QString("ALL DONE"));
        QVERIFY(!window.Busy());
        QCOMPARE(titles, QStringList({"first.h", "missing.h", "third.h", kTitle}));
        QCOMPARE(window.windowTitle(), kTitle);
        QCOMPARE(countWhileBoxOpen, QString("1 / 3"));
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown[0].startsWith("SetTestFichier|"));
        QVERIFY(!thirdWhileBoxOpen);
        QVERIFY(QFileInfo(base.path("sdk/first.sdk")).size() > 0);
        QVERIFY(QFileInfo(base.path("sdk/third.sdk")).size() > 0);
    }

    // The 64-bit item switches the target, before a kit is chosen or after: the kit's status
    // says so, and its headers go into the kit's 64-bit folder with pointer arguments of a
    // quadword. A whole-kit translation keeps the target it started with, and so does the
    // item; switched back, the headers go where they went before.
    void The64BitItemSwitchesTheTargetOfTheKits() {
        BatchWindow batch;
        auto& [base, prompter, window] = batch;
        QAction* item = ItemOf(window, 10013);
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(window.kitStatus().text().isEmpty());
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
        QCOMPARE(window.kitStatus().text(), QString("SDK 64-bit header.txt egales.txt"));
        QVERIFY(ReadAll(base.path("sdk64/third.sdk")).contains("SampleOpen PROTO :QWORD ,:QWORD"));
        QVERIFY(!QFile::exists(base.path("sdk/first.sdk")));

        prompter.whileShown = [] {};
        window.Command(10013);
        QVERIFY(!item->isChecked());
        QCOMPARE(window.kitStatus().text(), QString("SDK header.txt egales.txt"));
        window.Command(10002);
        QTRY_VERIFY(!window.Busy());
        QVERIFY(ReadAll(base.path("sdk/third.sdk")).contains("SampleOpen PROTO :DWORD ,:DWORD"));
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
};

const bool kAdded = AddTestClass<MainWindowTest>();

}  // namespace ondavel::workbench::testing

#include "main_window_test.moc"
