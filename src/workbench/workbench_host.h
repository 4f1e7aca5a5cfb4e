// The host of the workbench: the output view, the status bar and message boxes. A translation
// may run on a worker thread; everything it shows reaches the widgets on the window's thread
// through blocking calls, so the view holds every line before the worker goes on.
#pragma once

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <functional>
#include <string>

#include "core/host.h"

class QLabel;
class QPlainTextEdit;

namespace ondavel {

struct Session;

namespace workbench {

class Prompter;

class WorkbenchHost : public QObject, public Host {
    Q_OBJECT

  public:
    WorkbenchHost(QPlainTextEdit& view, QLabel& progress, QLabel& kit, Prompter& prompter);

    // Text is held back and shown in batches, at least every 100 ms: one view update per line
    // would make a large header crawl.
    void AppendToView(std::string_view bytes) override;
    void SetStatus(StatusPart part, std::string_view text) override;
    // A statement given up in a batch ("ABANDON") is named by its header and line, on a
    // second line.
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override;
    // The title names a file, so it keeps the file system's encoding.
    void SetTitle(std::string_view text) override;

    // Shows the text held back.
    void Flush();
    // The session whose batch the boxes name the place of.
    void Watch(Session& session) { session_ = &session; }

  private:
    void OnWindowThread(const std::function<void()>& call);

    QPlainTextEdit& view_;
    QLabel& progress_;
    QLabel& kit_;
    Prompter& prompter_;
    QMutex pendingMutex_;
    std::string pending_;
    QElapsedTimer sinceFlush_;
    Session* session_ = nullptr;
};

}  // namespace workbench
}  // namespace ondavel
