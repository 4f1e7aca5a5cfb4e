// Loading a header as a line index and handing it to the code that translates it.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Session;
class LineIndex;

using FileProcessor = int (*)(Session& session, LineIndex& index);

// Creates outputName when one is given (the run's output file while the processor runs; it
// takes its name once complete, also when the input cannot be read), loads and indexes
// inputName into index, and runs processor on it. Returns the processor's result; 0 when a
// file cannot be created, read or written whole; -1 when the input holds no line to
// translate.
int OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                    std::string_view outputName, FileProcessor processor);

// Indexes text into index and runs processor on it, as OpenIndexedFile does once the file is
// loaded. -1 when the text holds no line to translate.
int ProcessIndexedText(Session& session, std::string text, LineIndex& index,
                       FileProcessor processor);

}  // namespace ondavel
