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
// "Fini: Structures,learnst.txt autre,learn.txt". False when an input is missing or a file
// cannot be read or created (the pass then ends early).
bool LearnFromKit(Session& session, std::string_view listFileName);

// Where a name stands in a kit's list: nowhere, or last under the heading of a size class or
// kind, or last under a structure heading.
enum class KitListMatch { None, Type, Structure };

// Finds name in the list, within the first header that declares it; result holds the line to
// learn ("RECT = RECT ; winuser.h") without its line end.
KitListMatch FindInKitList(LineIndex& list, std::string_view name, std::string& result);

}  // namespace ondavel
