// The translation commands.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;

// Whether a kit was chosen; when not, says so on the host.
bool RequireKit(Session& session);

// Translates one file with the chosen kit's knowledge file: to the output view when
// outputPath is empty, else to that file. Returns 1, 0 when the knowledge file or the input
// cannot be read, -1 when the input holds no line to translate.
int TranslateOneFile(Session& session, std::string_view inputPath, std::string_view outputPath);

// The test command: Test.txt of the base directory, translated to the output view.
int TranslateTestFile(Session& session);

}  // namespace ondavel
