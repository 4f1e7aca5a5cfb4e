#include "workbench/start_options.h"

#include <QCommandLineParser>
#include <QDir>

#include "run/kit_profiles.h"
#include "workbench/menu_table.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench {

StartOptions ParseStartOptions(const QStringList& arguments, Reading reading) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Translates the C headers of a Windows kit into MASM include files.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption base("base", "Base directory: kit files and side files.", "DIR",
                                  QDir::currentPath());
    const QCommandLineOption kit("kit", "Kit chosen at start: sdk, directx, winddk or darkgdk.",
                                 "KIT");
    const QCommandLineOption target(
        "target",
        "Machine of the includes: win32 (the default) or win64, whose includes go into the "
        "kit's folder followed by 64 (sdk64/).",
        "MACHINE");
    const QCommandLineOption run("run", "Menu command to run at start (repeatable).", "ID");
    const QCommandLineOption screenshot(
        "screenshot",
        "Save a picture of the window once the commands are done, then quit; "
        "the exit status is 1 when the output view is empty.",
        "PNG");
    parser.addOptions({base, kit, target, run, screenshot});
    if (reading == Reading::WithWindowSystem) {
        parser.process(arguments);  // an unknown option ends the program here
    } else {
        parser.parse(arguments);
        if (parser.isSet("version")) parser.showVersion();
        if (parser.isSet("help-all")) parser.process(arguments);
        if (parser.isSet("help")) parser.showHelp();
    }
    StartOptions options;
    options.base = ToPath(QDir(parser.value(base)).absolutePath() + "/");
    if (parser.isSet(target)) {
        const auto chosen = TargetFromName(parser.value(target).toStdString());
        if (!chosen) parser.showHelp(2);
        if (*chosen == Target::Win64) options.commands.append(kSwitchTarget);
    }
    if (parser.isSet(kit)) {
        const auto chosen = KitFromName(parser.value(kit).toStdString());
        if (!chosen) parser.showHelp(2);
        options.commands.append(kChooseSdk + static_cast<int>(*chosen));
    }
    for (const QString& id : parser.values(run)) options.commands.append(id.toInt());
    options.screenshot = parser.value(screenshot);
    return options;
}

}  // namespace ondavel::workbench
