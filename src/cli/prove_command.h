// ondavel prove: the kit's translated includes against the C toolchain of their headers.
#pragma once

#include <string>
#include <vector>

namespace ondavel {

struct Session;
class TerminalHost;

struct ProveOptions {
    std::string assembler;  // empty: the first known one on PATH
    std::string compiler;   // empty: the target's MinGW-w64 compiler on PATH
    std::string after;      // an include assembled before each other one; may be empty
    std::vector<std::string> only;  // these includes and those they include; empty: all
};

// Proves the layouts and prototypes of the session's output folder: prints each include's
// differences, then the summary. Returns 0 when every structure is exact and every exported
// prototype links, 1 otherwise or when a tool is missing.
int RunProveCommand(Session& session, TerminalHost& host, const ProveOptions& options);

}  // namespace ondavel
