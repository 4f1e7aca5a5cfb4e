// The workbench's command line: the base directory, and the commands to run once the window is
// up (the target and kit chosen at start among them).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <string>

namespace ondavel::workbench {

struct StartOptions {
    std::string base;     // ends with '/'
    QList<int> commands;  // run in order once the window is up
    QString screenshot;   // when set: saved once the commands are done, then the program ends
};

// When the options are read: the window system takes its own (-platform ...) out of the
// arguments as it opens, so before that an option unknown here is left for the second reading.
enum class Reading { BeforeWindowSystem, WithWindowSystem };

// The options of arguments (the program's name first); --help, --version and a wrong value
// print their text and end the program.
StartOptions ParseStartOptions(const QStringList& arguments,
                               Reading reading = Reading::WithWindowSystem);

}  // namespace ondavel::workbench
