// What a learning pass or a "+ list" batch found, read back as knowledge-file entries: the
// lines of LearnSt.txt and learn.txt, and the names of liste.txt by MASM size class.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

// The knowledge-file sections that learned names go to.
enum class LearnedSection { DefinedTypes, CommonStructure };

struct LearnedEntry {
    LearnedSection section = LearnedSection::DefinedTypes;
    std::string key;
    std::string line;  // "NAME = VALUE ; where it was found", without line end
};

// Reads the text of a learn.txt, a LearnSt.txt or a liste.txt (lines may mix). A name of a MASM
// size class is a TYPEDEFINI entry; a callback or an interface, only ever reached through a
// pointer, one of pointerType (DWORD, QWORD for a 64-bit run's files); a structure a
// COMMONSTRUCTURE entry naming the structure it stands for. Functions, GUIDs and macros are no
// types: they are counted in notTypes.
std::vector<LearnedEntry> ReadLearnedEntries(std::string_view text, std::string_view pointerType,
                                             size_t& notTypes);

}  // namespace ondavel
