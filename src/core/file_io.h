// Loading whole files and creating output files.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

class Host;
class LineIndex;

// The full path of an existing file: a name without '/' or '\' is taken relative to the
// current directory, any other as it stands. Empty when the file does not exist, after the
// system error was shown with the caption "SetTestFichier".
std::string ResolvePath(Host& host, std::string_view name);

// Reads the whole file into text, each LF that no CR precedes read as CR LF (see
// core/line_ends.h). False on any failure (shown on host).
bool LoadFile(Host& host, std::string_view name, std::string& text);

// What LoadIndexedFile made of a file.
enum class LoadedIndex {
    Lines,    // the index holds the file's lines
    NoLines,  // the file, line ends expanded, has two bytes or fewer
    Failed,   // the file could not be read or indexed (shown on host)
};

// Reads the whole file into index, its line ends expanded as LoadFile expands them.
LoadedIndex LoadIndexedFile(Host& host, std::string_view name, LineIndex& index);

// Whether a file matches the name or wildcard pattern.
bool FileExists(std::string_view pattern);

// The file-name part of a path: what follows its last '/' or '\\'.
std::string_view FileNamePart(std::string_view path);

// Reads the whole regular file as it stands, line ends untouched. False on any failure, with
// errno telling why.
bool ReadFileBytes(std::string_view name, std::string& bytes);

}  // namespace ondavel
