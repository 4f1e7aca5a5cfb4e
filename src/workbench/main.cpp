// ondavel-workbench: the desktop program that translates the C headers of a Windows kit into
// MASM include files, with an output view, find and replace, and the conditions tool.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "run/kit_profiles.h"
#include "workbench/main_window.h"
#include "workbench/menu_table.h"
#include "workbench/prompter.h"
#include "workbench/text_codec.h"

namespace {

using ondavel::workbench::MainWindow;

struct StartOptions {
    std::string base;
    QList<int> commands;  // run in order once the window is up
    QString screenshot;   // when set: saved once the commands are done, then the program ends
};

// The options of the command line; --help and --version print their text and end the program.
StartOptions ParseOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Translates the C headers of a Windows kit into MASM include files.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption base("base", "Base directory: kit files and side files.", "DIR",
                                  QDir::currentPath());
    const QCommandLineOption kit("kit", "Kit chosen at start: sdk, directx, winddk or darkgdk.",
                                 "KIT");
    const QCommandLineOption run("run", "Menu command to run at start (repeatable).", "ID");
    const QCommandLineOption screenshot(
        "screenshot",
        "Save a picture of the window once the commands are done, then quit; "
        "the exit status is 1 when the output view is empty.",
        "PNG");
    parser.addOptions({base, kit, run, screenshot});
    parser.process(application);
    StartOptions options;
    options.base = ondavel::workbench::ToPath(QDir(parser.value(base)).absolutePath() + "/");
    if (parser.isSet(kit)) {
        const auto chosen = ondavel::KitFromName(parser.value(kit).toStdString());
        if (!chosen) parser.showHelp(2);
        options.commands.append(ondavel::workbench::kChooseSdk + static_cast<int>(*chosen));
    }
    for (const QString& id : parser.values(run)) options.commands.append(id.toInt());
    options.screenshot = parser.value(screenshot);
    return options;
}

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
        ParseOptions(textOnly);
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("ondavel-workbench");
    const StartOptions options = ParseOptions(application);
    ondavel::workbench::Prompter prompter;
    MainWindow window(options.base, prompter);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        for (int id : options.commands) window.Command(id);
        if (!options.screenshot.isEmpty()) SaveWhenIdle(window, options.screenshot);
    });
    return QApplication::exec();
}
