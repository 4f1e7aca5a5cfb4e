// Learning from a kit: the unknown types that journal.txt names are looked up in a list of the
// kit's declarations (the format of liste.txt) and written as knowledge-file lines, those
// declared as structures to LearnSt.txt, the others to learn.txt.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Session;
class LineIndex;

// The whole pass over journal.txt with the list file listFileName, both in the base
// directory; learn.txt and LearnSt.txt are written anew. Shows "Recherche" and, at its end,
// "Fini: Structures,learnst.txt autre,learn.txt". Returns 1, or 0 when an input is missing or
// a file cannot be read or created (the pass then ends early).
int LearnFromKit(Session& session, std::string_view listFileName);

// Finds name in the list, within the first header that declares it: 0 when not found, 1 when
// the last match is not in a structure section, 2 when it is. result holds the line to learn
// ("RECT = RECT ; winuser.h") without its line end.
int FindInKitList(LineIndex& list, std::string_view name, std::string& result);

}  // namespace ondavel
