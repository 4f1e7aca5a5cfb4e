// Loading a header as a line index and handing it to the code that translates it.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;
struct LineIndex;

using FileProcessor = int (*)(Session& session, LineIndex& index);

// Creates outputName when one is given (its handle stays in index.outputHandle), loads and
// indexes inputName, and runs processor on it. Returns the processor's result; 0 when a file
// cannot be created or read; -1 when the input holds no line to translate.
int OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                    std::string_view outputName, FileProcessor processor);

}  // namespace ondavel
