// ondavel-workbench: the desktop program that translates the C headers of a Windows kit into
// MASM include files, with an output view, find and replace, and the conditions tool.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>

#include "workbench/main_window.h"
#include "workbench/prompter.h"
#include "workbench/start_options.h"

namespace {

using ondavel::workbench::MainWindow;
using ondavel::workbench::ParseStartOptions;
using ondavel::workbench::Reading;
using ondavel::workbench::StartOptions;

// Saves the window once no translation runs any more, and ends the program.
void SaveWhenIdle(MainWindow& window, const QString& file) {
    if (window.Busy()) {
        QTimer::singleShot(50, &window, [&window, file] { SaveWhenIdle(window, file); });
        return;
    }
    const bool saved = window.grab().save(file);
    const bool empty = window.view().document()->isEmpty();
    if (!saved) std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
    if (empty) std::fprintf(stderr, "the output view is empty\n");
    QApplication::exit(saved && !empty ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("ondavel-workbench");
    QCoreApplication::setApplicationVersion(ONDAVEL_VERSION);
    // The window system aborts the program where there is no display: the options are read,
    // and the help, the version and a wrong option answered, before it is opened.
    const StartOptions options = [&] {
        const QCoreApplication textOnly(argc, argv);
        return ParseStartOptions(QCoreApplication::arguments(), Reading::BeforeWindowSystem);
    }();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("ondavel-workbench");
    ondavel::workbench::Prompter prompter;
    MainWindow window(options.base, prompter);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        for (int id : options.commands) window.Command(id);
        if (!options.screenshot.isEmpty()) SaveWhenIdle(window, options.screenshot);
    });
    return QApplication::exec();
}
