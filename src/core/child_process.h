// Running another program and waiting for it.
#pragma once

#include <string>
#include <vector>

namespace ondavel {

struct ChildRun {
    int exitCode = -1;   // -1 when the program could not be started or did not exit normally
    std::string output;  // what it wrote to standard output and standard error, interleaved
};

// Starts each command (argv[0] a path, or a name looked up on PATH) in folder, its output
// captured, all of them at once, and waits until every one has ended. Results come in the
// order of commands.
std::vector<ChildRun> RunChildren(const std::vector<std::vector<std::string>>& commands,
                                  const std::string& folder);

// The path of the executable file name: itself, made absolute, when it holds a '/', else the
// first match on PATH. Empty when there is none.
std::string FindExecutable(const std::string& name);

}  // namespace ondavel
