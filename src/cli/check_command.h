// ondavel check: the kit's translated includes through a MASM-compatible assembler.
#pragma once

#include <string>
#include <vector>

namespace ondavel {

struct Session;
class TerminalHost;

// Assembles every include of the session's output folder (or only those named), each after
// `after` when it is not empty, with the assembler at assembler (or the first known one on PATH).
// Prints each include's errors with the line they point at, then "N of M clean". Returns the exit
// status: 0 when every include is clean, 1 otherwise or when no assembler can be found.
int RunCheckCommand(Session& session, TerminalHost& host, const std::string& assembler,
                    const std::string& after, const std::vector<std::string>& only);

}  // namespace ondavel
