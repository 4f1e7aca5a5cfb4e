// The workbench test classes: each file adds its own, and main runs them all in turn.
#pragma once

#include <QtTest>
#include <vector>

namespace ondavel::workbench::testing {

using TestClassRun = int (*)(int argc, char** argv);

inline std::vector<TestClassRun>& TestClassRuns() {
    static std::vector<TestClassRun> runs;
    return runs;
}

// Adds TestClass, whose private slots QTest runs; returns true, for a variable to keep.
template <class TestClass>
bool AddTestClass() {
    TestClassRuns().push_back([](int argc, char** argv) {
        TestClass test;
        return QTest::qExec(&test, argc, argv);
    });
    return true;
}

}  // namespace ondavel::workbench::testing
