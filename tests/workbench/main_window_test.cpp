#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "workbench/main_window.h"
#include "workbench/recording_prompter.h"
#include "workbench/window_geometry.h"

namespace ondavel::workbench::testing {

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

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void MenuCarriesEveryPopupTextAndId() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QStringList menu;
        for (QAction* popup : window.menuBar()->actions()) {
            QStringList items;
            for (QAction* item : popup->menu()->actions()) {
                items << (item->isSeparator() ? "-" : item->data().toString() + " " + item->text());
            }
            menu << popup->text() + ": " + items.join("|");
        }
        QCOMPARE(
            menu,
            QStringList({
                "&Files: 1021 view learnst.txt|1022 view learn.txt|1023 view journal.txt|"
                "1024 view test.txt|1013 view Olewiew.txt|-|1025 view SDK equates|"
                "1026 view directx equates|1027 view DDK equates|-|1028 view liste.txt |"
                "1029 view SDK liste|1030 view directx liste |1031 view ddk liste|-|1000 &Quitte",
                "&edit: 1017 &Find|1018 &Next F3|1020 &Replace",
                "&CHOOSE: 10009 &SDK|10010 &DIRECTX|10011 &WINDDK",
                "&Translate: 10000 &Translate test.txt + list|10001 &Select a file|10002 &ALL|"
                "10003 &ALL + list|-|10004 &Learn|-|10007 &learn from directx sdk|"
                "10008 &learn from drivers sdk|1014 &learn from windows sdk",
                "&Tools: 1032 &Conditions",
                "&Help: 1900 &About",
            }));
        QCOMPARE(window.windowTitle(), QString("Traduction de header files .h"));
    }

    void WindowTakesThreeQuartersByTwoThirdsCentred() {
        const WindowGeometry on1024 = MainWindowGeometry(1024, 768);
        QCOMPARE(QList<int>({on1024.x, on1024.y, on1024.width, on1024.height}),
                 QList<int>({128, 128, 768, 512}));
        // Each half is rounded down before the subtraction.
        const WindowGeometry odd = MainWindowGeometry(1366, 767);
        QCOMPARE(QList<int>({odd.x, odd.y, odd.width, odd.height}),
                 QList<int>({683 - 512, 383 - 255, 1024, 511}));
    }

    void TestCommandNeedsAKitThenFillsTheView() {
        QTemporaryDir base;
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/egales.txt", base.filePath("egales.txt"));
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/sample/Test.txt", base.filePath("Test.txt"));
        RecordingPrompter prompter;
        MainWindow window(base.path().toStdString() + "/", prompter);
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
    void ASelectedFileIsTranslatedIntoTheViewByTheWorker() {
        QTemporaryDir base;
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/egales.txt", base.filePath("egales.txt"));
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/sample/Test.txt", base.filePath("sample.h"));
        QFile list(base.filePath("header.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(base.filePath("sample.h").toUtf8() + "\r\n");
        list.close();
        RecordingPrompter prompter;
        MainWindow window(base.path().toStdString() + "/", prompter);
        window.Command(10009);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            dialog->findChild<QListWidget*>("3000")->setCurrentRow(0);
            dialog->findChild<QPushButton*>("3002")->click();
        });
        window.Command(10001);
        QVERIFY(window.Busy());
        QTRY_VERIFY(!window.Busy());
        QVERIFY(window.view().toPlainText().contains("SampleOpen PROTO"));
        QVERIFY(!QFile::exists(base.filePath("sdk/sample.sdk")));

        // To a file: the header's output name follows the destination once.
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            dialog->findChild<QListWidget*>("3000")->setCurrentRow(0);
            dialog->findChild<QCheckBox*>("3005")->setChecked(true);
            dialog->findChild<QPushButton*>("3002")->click();
        });
        window.Command(10001);
        QTRY_VERIFY(!window.Busy());
        QVERIFY(QFileInfo(base.filePath("sdk/sample.sdk")).size() > 0);
    }

    // One header a turn of the event loop: a timer keeps firing between the headers and sees
    // the title name each one. A header that cannot be read shows a box; a step asked for
    // while the box is open does nothing, and the batch then goes on.
    void TheWholeKitGoesOneHeaderAnEventLoopTurn() {
        QTemporaryDir base;
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/egales.txt", base.filePath("egales.txt"));
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/sample/Test.txt", base.filePath("first.h"));
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/sample/Test.txt", base.filePath("third.h"));
        QFile list(base.filePath("header.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        for (const char* header : {"first.h", "missing.h", "third.h"}) {
            list.write(base.filePath(header).toUtf8() + "\r\n");
        }
        list.close();
        BoxWithEventLoop prompter;
        MainWindow window(base.path().toStdString() + "/", prompter);
        window.Command(10009);
        QStringList titles;
        QTimer turn;
        connect(&turn, &QTimer::timeout, [&] {
            if (!titles.contains(window.windowTitle())) titles << window.windowTitle();
        });
        turn.start(0);
        bool thirdWhileBoxOpen = true;
        prompter.whileShown = [&] {
            window.Command(10006);
            thirdWhileBoxOpen = QFile::exists(base.filePath("sdk/third.sdk"));
        };

        window.Command(10002);
        QVERIFY(window.Busy());
        QCOMPARE(window.windowTitle(), QString("Traduction de header files .h"));
        QTRY_COMPARE(window.progressStatus().text(), QString("ALL DONE"));
        QVERIFY(!window.Busy());
        QCOMPARE(titles, QStringList({"first.h", "missing.h", "third.h"}));
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown[0].startsWith("SetTestFichier|"));
        QVERIFY(!thirdWhileBoxOpen);
        QVERIFY(QFileInfo(base.filePath("sdk/first.sdk")).size() > 0);
        QVERIFY(QFileInfo(base.filePath("sdk/third.sdk")).size() > 0);
    }
};

}  // namespace ondavel::workbench::testing

int RunMainWindowTests(int argc, char** argv) {
    ondavel::workbench::testing::MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
