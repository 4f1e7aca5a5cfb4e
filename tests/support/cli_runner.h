// Runs the real ondavel command in a base directory and keeps what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace ondavel::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;  // standard output: the output view
    std::string err;  // standard error: messages and status texts
};

// arguments are put after the program name as they stand (quote them yourself).
inline CliRun RunCli(const TempDir& base, const std::string& arguments) {
    const std::string command = std::string("\"") + ONDAVEL_CLI + "\" --base \"" +
                                base.path().string() + "\" " + arguments + " > \"" +
                                (base / "cli.out") + "\" 2> \"" + (base / "cli.err") + "\"";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(base / "cli.out");
    run.err = ReadBytes(base / "cli.err");
    return run;
}

}  // namespace ondavel::testing
