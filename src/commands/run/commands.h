// The translation commands: the test file, one chosen header, the Oleview listing.
#pragma once

#include <string_view>

#include "session/indexed_file.h"

namespace ondavel {

struct Session;

// Whether a kit was chosen; when not, says so on the host.
bool RequireKit(Session& session);

// The busy guard: true when no translation step and no batch is under way, so that a command
// may start. Two translations never share the session's files and lists.
bool IsIdle(const Session& session);

// Translates one file with the chosen kit's knowledge file: to the output view when
// outputDirectory is empty, else into that directory (ending with '/') under the output file
// name. Failed also when the knowledge file or journal.txt cannot be used.
FileResult TranslateOneFile(Session& session, std::string_view inputPath,
                            std::string_view outputDirectory);

// The test command: Test.txt of the base directory to the output view, its names to liste.txt.
// Failed also when no kit was chosen or a translation runs.
FileResult TranslateTestFile(Session& session);

// The single-file command: one header, to the view or into outputDirectory as above.
// Failed also when no kit was chosen or a translation runs.
FileResult TranslateChosenFile(Session& session, std::string_view inputPath,
                               std::string_view outputDirectory);

// The Oleview command: Oleview.txt of the base directory reordered into Oleview_Ordonne.txt.
FileResult ReorderOleviewFile(Session& session);

}  // namespace ondavel
