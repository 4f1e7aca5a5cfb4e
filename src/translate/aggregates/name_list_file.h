// liste.txt: the names that one header declared, by kind, then its structure alias texts.
#pragma once

#include <array>
#include <string_view>

namespace ondavel {

// The headings of the lists, in the order in which they are written: the nine MASM size
// classes, then the structures, functions, callbacks, interfaces, GUIDs and macros. They are
// liste.txt's own words (the functions' in French): learning and merging read them back.
inline constexpr std::array<std::string_view, 15> kNameListHeadings = {
    "BYTE",  "SBYTE",     "WORD",      "SWORD",    "DWORD",     "SDWORD", "QWORD", "REAL4",
    "REAL8", "STRUCTURE", "Fonctions", "Callback", "Interface", "GUID",   "MACRO"};
inline constexpr size_t kSizeClassHeadings = 9;

struct Session;

// Writes the header's name lists to the open liste.txt (session.run.nameListFile), each
// non-empty list under its heading on lines of at most 100 characters that begin with a tab,
// then each alias text as the aggregate's name and its aliases.
void WriteCollectedNames(Session& session);

}  // namespace ondavel
