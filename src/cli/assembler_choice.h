// What the commands that run an assembler over the output folder share: which assembler,
// and which other folders it searches for includes.
#pragma once

#include <string>
#include <vector>

namespace ondavel {

struct Session;
class TerminalHost;

// The assembler's path: given (a path or a name on PATH), else the first known one on PATH.
// Empty, after saying why on host under caption, when there is none.
std::string ChooseAssembler(TerminalHost& host, const std::string& caption,
                            const std::string& given);

// The kits include each other's headers (windows.sdk, ddraw.sdk): the output folders of the
// other kits for the session's target ("directx64/" beside "sdk64/"), searched after its own.
std::vector<std::string> KitFoldersBeside(const Session& session);

}  // namespace ondavel
