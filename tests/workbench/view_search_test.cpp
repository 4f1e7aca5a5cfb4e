#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "workbench/main_window.h"
#include "workbench/recording_prompter.h"
#include "workbench/search_dialog.h"
#include "workbench/test_classes.h"

namespace ondavel::workbench::testing {

namespace {

const QString kWrapQuestion =
    "Trouve et remplace|Plus d occurences.\r\nRecommencer la recherche depuis le Haut?";

void Select(QPlainTextEdit& view, int start, int end) {
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
}

QPair<int, int> Selection(const QPlainTextEdit& view) {
    return {view.textCursor().selectionStart(), view.textCursor().selectionEnd()};
}

}  // namespace

class ViewSearchTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void FindNextMovesToTheFollowingOccurrence() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QPlainTextEdit& view = window.view();
        view.setPlainText("wm_paint WM\nWm WM");
        window.search().state.findText = "WM";
        Select(view, 9, 11);
        window.Command(1018);
        QCOMPARE(Selection(view), qMakePair(12, 14));
        window.Command(1018);
        QCOMPARE(Selection(view), qMakePair(15, 17));
        // At the end: the question, and Yes starts again from the top.
        prompter.answers = {true};
        window.Command(1018);
        QCOMPARE(prompter.asked, QStringList({kWrapQuestion}));
        QCOMPARE(Selection(view), qMakePair(0, 2));
    }

    void WholeWordsKeepTheirUnderscoresAndUpwardSearchesGoBack() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QPlainTextEdit& view = window.view();
        view.setPlainText("WM_PAINT WM wm WM_X WM");
        SearchState& state = window.search().state;
        state = {"WM", "", 0, true, true, false};
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(view), qMakePair(9, 11));
        state.rangeStart = 9;
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(view), qMakePair(20, 22));
        state.upward = true;
        state.rangeStart = 20;
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(view), qMakePair(9, 11));
    }

    void ReplaceAllStopsWhenTheUserDeclinesToStartAgain() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QPlainTextEdit& view = window.view();
        view.setPlainText("aa xaa aa aaaa");
        Select(view, 3, 3);
        window.Command(1020);
        auto* dialog = window.findChild<SearchDialog*>();
        QVERIFY(dialog != nullptr);
        dialog->findChild<QLineEdit*>("101")->setText("aa");
        dialog->findChild<QLineEdit*>("102")->setText("b");
        dialog->findChild<QPushButton*>("403")->click();
        QCOMPARE(view.toPlainText(), QString("aa xb b bb"));
        QCOMPARE(prompter.asked, QStringList({kWrapQuestion}));
        QCOMPARE(Selection(view), qMakePair(9, 10));
    }

    void ALongSelectionOpensAnEmptySearchText() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        window.view().setPlainText(QString(150, 'x') + " yy");
        window.search().state.findText = "yy";
        Select(window.view(), 0, 150);
        window.Command(1017);
        auto* dialog = window.findChild<SearchDialog*>();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Trouver"));
        QCOMPARE(dialog->findChild<QLineEdit*>("101")->text(), QString());
        QVERIFY(window.search().state.findText.isEmpty());
        // An empty selection keeps the text to find; the new dialog replaces the old one.
        window.search().state.findText = "yy";
        Select(window.view(), 3, 3);
        window.Command(1017);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.findChildren<SearchDialog*>().size(), 1);
        QCOMPARE(window.findChild<SearchDialog*>()->findChild<QLineEdit*>("101")->text(),
                 QString("yy"));
    }

    // A selection of two lines is searched with its line end: the dialog finds the next pair
    // of lines, and F3 the one after.
    void ASelectionOfTwoLinesFindsTheSameLinesBelow() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        window.view().setPlainText("WM_A\nWM_B\nWM_A\nx\nWM_A\nWM_B\nWM_A\nWM_B");
        Select(window.view(), 0, 9);
        window.Command(1017);
        QCOMPARE(window.search().state.findText, QString("WM_A\nWM_B"));
        window.findChild<SearchDialog*>()->findChild<QPushButton*>("401")->click();
        QCOMPARE(Selection(window.view()), qMakePair(17, 26));
        window.Command(1018);
        QCOMPARE(Selection(window.view()), qMakePair(27, 36));
        QCOMPARE(prompter.asked, QStringList());
    }
};

const bool kAdded = AddTestClass<ViewSearchTest>();

}  // namespace ondavel::workbench::testing

#include "view_search_test.moc"
