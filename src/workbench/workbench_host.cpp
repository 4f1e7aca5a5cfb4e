#include "workbench/workbench_host.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QThread>

#include "session/translation_texts.h"
#include "workbench/batch_place.h"
#include "workbench/prompter.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench {

namespace {

constexpr qint64 kFlushIntervalMs = 100;

// Appends at the end whatever the user selected, and keeps the end in sight. Appended text is
// not undoable: the undo history would otherwise hold every translation.
void AppendAtEnd(QPlainTextEdit& view, const QString& text) {
    QTextDocument& document = *view.document();
    document.setUndoRedoEnabled(false);
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    document.setUndoRedoEnabled(true);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
}

}  // namespace

WorkbenchHost::WorkbenchHost(QPlainTextEdit& view, QLabel& progress, QLabel& kit,
                             Prompter& prompter)
    : view_(view), progress_(progress), kit_(kit), prompter_(prompter) {
    sinceFlush_.start();
}

void WorkbenchHost::AppendToView(std::string_view bytes) {
    bool due = false;
    {
        QMutexLocker lock(&pendingMutex_);
        pending_.append(bytes);
        due = sinceFlush_.elapsed() >= kFlushIntervalMs;
        if (due) sinceFlush_.restart();
    }
    if (due) Flush();
}

void WorkbenchHost::SetStatus(StatusPart part, std::string_view text) {
    const QString shown = FromWindows1252(text);
    OnWindowThread(
        [this, part, &shown] { (part == StatusPart::Progress ? progress_ : kit_).setText(shown); });
}

void WorkbenchHost::ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) {
    Flush();
    const QString shownCaption = FromWindows1252(caption);
    QString shownText = FromWindows1252(text);
    // The header's path is a file name: it keeps the file system's encoding.
    // The box that says a statement was given up does not say which: the batch's place does.
    if (text == texts::kAbandoned && session_ != nullptr) {
        const std::string place = BatchPlace(*session_);
        if (!place.empty()) shownText += "\n" + FromPath(place);
    }
    OnWindowThread([&] { prompter_.Show(nullptr, shownCaption, shownText, icon); });
}

void WorkbenchHost::SetTitle(std::string_view text) {
    const QString shown = FromPath(text);
    OnWindowThread([this, &shown] { view_.window()->setWindowTitle(shown); });
}

void WorkbenchHost::Flush() {
    // The hand-over happens on the window's thread, so batches reach the view in order.
    OnWindowThread([this] {
        std::string bytes;
        {
            QMutexLocker lock(&pendingMutex_);
            bytes.swap(pending_);
        }
        if (!bytes.empty()) AppendAtEnd(view_, FromWindows1252(bytes));
    });
}

void WorkbenchHost::OnWindowThread(const std::function<void()>& call) {
    if (QThread::currentThread() == thread()) {
        call();
    } else {
        QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
    }
}

}  // namespace ondavel::workbench
