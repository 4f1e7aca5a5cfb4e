// ondavel-workbench: the desktop program that translates the C headers of a Windows kit into
// MASM include files, with an output view, find and replace, and the conditions tool.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "workbench/main_window.h"
#include "workbench/prompter.h"
#include "workbench/start_options.h"

namespace {

using ondavel::workbench::MainWindow;
using ondavel::workbench::ParseStartOptions;

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

// Whether the command line asks only for the help or the version text.
bool AsksForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("ondavel-workbench");
    QCoreApplication::setApplicationVersion(ONDAVEL_VERSION);
    // The window system aborts the program where there is no display: the help and version
    // texts are given before it is opened.
    if (AsksForText(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        ParseStartOptions(QCoreApplication::arguments());
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("ondavel-workbench");
    const auto options = ParseStartOptions(QCoreApplication::arguments());
    ondavel::workbench::Prompter prompter;
    MainWindow window(options.base, prompter);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        for (int id : options.commands) window.Command(id);
        if (!options.screenshot.isEmpty()) SaveWhenIdle(window, options.screenshot);
    });
    return QApplication::exec();
}
