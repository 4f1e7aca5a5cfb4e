// Loading a header as a line index and handing it to the code that translates it.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Session;
class LineIndex;

// Translates or otherwise works through an indexed file; false when it failed.
using FileProcessor = bool (*)(Session& session, LineIndex& index);

// What became of a file handed to a processor.
enum class FileResult {
    Done,     // the processor ran through it
    Failed,   // the processor failed, or a file could not be created, read or written whole
    NoLines,  // the input holds no line to translate
};

// Creates outputName when one is given (the run's output file while the processor runs; it
// takes its name once complete, also when the input cannot be read), loads and indexes
// inputName into index, and runs processor on it.
FileResult OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                           std::string_view outputName, FileProcessor processor);

}  // namespace ondavel
