// The side files that the translation commands keep open in the base directory while they
// run: BlocsdeTexte.txt (the source of accepted typedefs) and liste.txt (collected names).
#pragma once

#include <cstdio>
#include <string_view>

namespace ondavel {

struct Session;

// Creates base directory + name anew into file when file is not open (under a temporary name
// until it is closed). Returns whether the file is open; a failure is shown on the host.
bool OpenSideFile(Session& session, std::FILE*& file, std::string_view name);
// Closes file and gives it its name; false when it could not be written whole (shown).
bool CloseSideFile(Session& session, std::FILE*& file);

bool OpenTextBlockFile(Session& session);
// liste.txt, for the commands that collect the names of every header.
bool OpenNameList(Session& session);

}  // namespace ondavel
