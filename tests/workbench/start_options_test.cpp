#include <QtTest>

#include "workbench/start_options.h"
#include "workbench/test_classes.h"

namespace ondavel::workbench::testing {

class StartOptionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The target and the kit become the window's first commands, the target first so that the
    // kit is chosen for it; the --run commands follow in their order. The 32-bit target is
    // the window's own: it asks for no command.
    void TargetAndKitComeBeforeTheCommandsToRun() {
        const StartOptions options =
            ParseStartOptions({"ondavel-workbench", "--run", "10002", "--kit", "directx",
                               "--target", "win64", "--run", "1023", "--base", "/nowhere/ws"});
        QCOMPARE(options.commands, QList<int>({10013, 10010, 10002, 1023}));
        QCOMPARE(options.base, std::string("/nowhere/ws/"));
        QCOMPARE(
            ParseStartOptions({"ondavel-workbench", "--target", "win32", "--kit", "sdk"}).commands,
            QList<int>({10009}));
    }
};

const bool kAdded = AddTestClass<StartOptionsTest>();

}  // namespace ondavel::workbench::testing

#include "start_options_test.moc"
