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
    // A selection of two lines is searched with its line end: the dialog finds the same lines
    // below, in any case, and F3 at the end asks to start again from the top.
    void ASelectionIsFoundBelowAndF3StartsAgainFromTheTop() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QPlainTextEdit& view = window.view();
        view.setPlainText("WM_A\nWM_B\nWM_A\nx\nwm_a\nWm_b x");
        Select(view, 0, 9);
        window.Command(1017);
        QCOMPARE(window.search().state.findText, QString("WM_A\nWM_B"));
        window.findChild<SearchDialog*>()->findChild<QPushButton*>("401")->click();
        QCOMPARE(Selection(view), qMakePair(17, 26));
        prompter.answers = {true};
        window.Command(1018);
        QCOMPARE(prompter.asked, QStringList({kWrapQuestion}));
        QCOMPARE(Selection(view), qMakePair(0, 9));
    }

    void WholeWordsKeepTheirUnderscoresAndUpwardSearchesGoBack() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        window.view().setPlainText("WM_PAINT WM wm WM_X WM");
        SearchState& state = window.search().state;
        state = {"WM", "", 0, true, true, false};
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(window.view()), qMakePair(9, 11));
        state.rangeStart = 9;
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(window.view()), qMakePair(20, 22));
        state.upward = true;
        state.rangeStart = 20;
        QVERIFY(window.search().FindNextMatch());
        QCOMPARE(Selection(window.view()), qMakePair(9, 11));
    }

    // A selection too long to search leaves the text to find empty; an empty one keeps it, and
    // the new dialog replaces the old one. Replace all stops when the user declines to start
    // again from the top.
    void ReplaceAllTakesTheTextToFindAndStopsWhenDeclined() {
        RecordingPrompter prompter;
        MainWindow window("", prompter);
        QPlainTextEdit& view = window.view();
        view.setPlainText("aa xaa aa aaaa " + QString(150, 'x'));
        window.search().state.findText = "aa";
        Select(view, 15, 165);
        window.Command(1017);
        QVERIFY(window.search().state.findText.isEmpty());
        window.search().state.findText = "aa";
        Select(view, 3, 3);
        window.Command(1020);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.findChildren<SearchDialog*>().size(), 1);
        auto* dialog = window.findChild<SearchDialog*>();
        QCOMPARE(dialog->findChild<QLineEdit*>("101")->text(), QString("aa"));
        dialog->findChild<QLineEdit*>("102")->setText("b");
        dialog->findChild<QPushButton*>("403")->click();
        QCOMPARE(view.toPlainText(), "aa xb b bb " + QString(150, 'x'));
        QCOMPARE(prompter.asked, QStringList({kWrapQuestion}));
        QCOMPARE(Selection(view), qMakePair(9, 10));
    }
};

const bool kAdded = AddTestClass<ViewSearchTest>();

}  // namespace ondavel::workbench::testing

#include "view_search_test.moc"
