// Runs every workbench test class; the exit status counts the failures.
#include <QApplication>

#include "workbench/test_classes.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto run : ondavel::workbench::testing::TestClassRuns()) failures += run(argc, argv);
    return failures;
}
