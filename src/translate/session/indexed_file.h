// Loading a header as a line index and handing it to the code that translates it.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;
struct LineIndex;

using FileProcessor = int (*)(Session& session, LineIndex& index);

// Creates outputName when one is given (its handle stays in index.outputHandle while the
// processor runs; the file takes its name once complete, also when the input cannot be read),
// loads and indexes inputName, and runs processor on it. Returns the processor's result; 0
// when a file cannot be created, read or written whole; -1 when the input holds no line to
// translate.
int OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                    std::string_view outputName, FileProcessor processor);

// Indexes the text already in index.text and runs processor on it, as OpenIndexedFile does
// once the file is loaded. -1 when the text holds no line to translate.
int ProcessIndexedText(Session& session, LineIndex& index, FileProcessor processor);

}  // namespace ondavel
