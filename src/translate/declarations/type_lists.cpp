// The per-header type-name lists and the classification of a type name.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/heap_block.h"
#include "core/text.h"
#include "declarations/type_list_index.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

struct SizedList {
    HeapBlock NameLists::*list;
    uint32_t code;
    std::string_view masmName;
};

// The lists a size class is learned from, in the order they are consulted.
constexpr std::array<SizedList, 9> kSizedLists = {{
    {&NameLists::byteTypes, TC_BYTE, "BYTE"},
    {&NameLists::sbyteTypes, TC_SIGNED | TC_BYTE, "SBYTE"},
    {&NameLists::wordTypes, TC_WORD, "WORD"},
    {&NameLists::swordTypes, TC_SIGNED | TC_WORD, "SWORD"},
    {&NameLists::dwordTypes, TC_DWORD, "DWORD"},
    {&NameLists::sdwordTypes, TC_SIGNED | TC_DWORD, "SDWORD"},
    {&NameLists::qwordTypes, TC_QWORD, "QWORD"},
    {&NameLists::real4Types, TC_REAL4, "REAL4"},
    {&NameLists::real8Types, TC_REAL8, "REAL8"},
}};

struct NamedList {
    HeapBlock NameLists::*list;
    uint32_t code;
};

// Where RegisterTypeName keeps a name of each code.
constexpr std::array<NamedList, 12> kRegisterLists = {{
    {&NameLists::byteTypes, TC_BYTE},
    {&NameLists::sbyteTypes, TC_SIGNED | TC_BYTE},
    {&NameLists::wordTypes, TC_WORD},
    {&NameLists::swordTypes, TC_SIGNED | TC_WORD},
    {&NameLists::dwordTypes, TC_DWORD},
    {&NameLists::sdwordTypes, TC_SIGNED | TC_DWORD},
    {&NameLists::qwordTypes, TC_QWORD},
    {&NameLists::real4Types, TC_REAL4},
    {&NameLists::real8Types, TC_REAL8},
    {&NameLists::structAliases, TC_STRUCT},
    {&NameLists::functionNames, TC_FUNCTION},
    {&NameLists::callbackNames, TC_CALLBACK},
}};

// Names the header declared without a size, consulted after the known structures.
constexpr std::array<NamedList, 3> kDeclaredNameLists = {{
    {&NameLists::functionNames, TC_FUNCTION},
    {&NameLists::callbackNames, TC_CALLBACK},
    {&NameLists::interfaceNames, TC_INTERFACE},
}};

// The bit of each entry's list in a mask of the lists that hold a name, worked out once, when
// compiling, rather than looked up in every loop over a table.
template <typename Entry, size_t N>
constexpr std::array<uint32_t, N> ListBits(const std::array<Entry, N>& table) {
    std::array<uint32_t, N> bits{};
    for (size_t i = 0; i < N; ++i) bits[i] = ListBit(table[i].list);
    return bits;
}

constexpr std::array<uint32_t, kSizedLists.size()> kSizedListBits = ListBits(kSizedLists);
constexpr std::array<uint32_t, kDeclaredNameLists.size()> kDeclaredListBits =
    ListBits(kDeclaredNameLists);

// Whether entry is one of the list's entries. Entries are NUL-terminated names; searching the
// block for the bytes and checking both ends is much faster than walking it entry by entry.
bool HasEntry(const HeapBlock& list, std::string_view entry) {
    const std::string_view names = list.view();
    for (size_t at = names.find(entry); at != std::string_view::npos;
         at = names.find(entry, at + 1)) {
        const size_t end = at + entry.size();
        const bool startsEntry = at == 0 || names[at - 1] == '\0';
        const bool endsEntry = end < names.size() && names[end] == '\0';
        if (startsEntry && endsEntry) return true;
    }
    return false;
}

// b, w and d: the integer sizes that an 's' in front makes signed.
uint32_t IntegerSize(char letter) {
    switch (FoldCase(letter)) {
        case 'B':
            return TC_BYTE;
        case 'W':
            return TC_WORD;
        case 'D':
            return TC_DWORD;
        default:
            return TC_UNKNOWN;
    }
}

// REAL4, REAL8, REAL10: the fifth character tells them apart.
uint32_t RealSize(std::string_view value) {
    const char width = value.size() > 4 ? value[4] : '\0';
    if (width == '4') return TC_REAL4;
    if (width == '8') return TC_REAL8;
    if (width == '1') return TC_REAL10;
    return TC_UNKNOWN;
}

// The code a TYPEDEFINI value stands for, read from its first characters only ("SQWORD" and
// "STRUCT" give nothing).
uint32_t CodeOfMasmType(std::string_view value) {
    if (value.empty()) return TC_UNKNOWN;
    if (const uint32_t size = IntegerSize(value[0]); size != TC_UNKNOWN) return size;
    switch (FoldCase(value[0])) {
        case 'S': {
            const uint32_t size = value.size() > 1 ? IntegerSize(value[1]) : TC_UNKNOWN;
            return size == TC_UNKNOWN ? TC_UNKNOWN : (TC_SIGNED | size);
        }
        case 'F':
            return TC_FWORD;
        case 'Q':
            return TC_QWORD;
        case 'T':
            return TC_TBYTE;
        case 'R':
            return RealSize(value);
        default:
            return TC_UNKNOWN;
    }
}

// Whether name is one of the comma-separated names of a saved "NAME,ALIAS,..." text. A name
// only part of one ("UUID" in "UUID_VECTOR") is not: it would give a structure another's type.
bool HoldsName(std::string_view entry, std::string_view name) {
    for (size_t start = 0; start <= entry.size();) {
        const size_t comma = std::min(entry.find(',', start), entry.size());
        if (entry.substr(start, comma - start) == name) return true;
        start = comma + 1;
    }
    return false;
}

// The MASM name kept for a structure alias: the head of the first saved "NAME,ALIAS,..." text
// that names it. False when no saved text does.
bool FindSavedStructure(const SavedStrings& saved, std::string_view name, std::string& head) {
    for (const std::string& entry : saved.slots) {
        if (entry.empty()) break;
        if (!HoldsName(entry, name)) continue;
        head = entry.substr(0, entry.find(','));
        return true;
    }
    return false;
}

// A class with the MASM name that goes with it.
TypeClass Named(uint32_t code, std::string_view masmName) {
    return {code, true, std::string(masmName)};
}

// The steps after the sized lists; heldBy is the mask of the lists that hold name. A name the
// lists call a structure alias is also looked for among the saved aliases.
TypeClass ClassifyDeclaredType(Session& session, std::string_view name, uint32_t heldBy,
                               bool& readSaved) {
    std::string scratch;
    if ((heldBy & ListBit(&NameLists::structAliases)) != 0) {
        readSaved = true;
        if (FindSavedStructure(session.header.savedStrings, name, scratch)) {
            return Named(TC_STRUCT, scratch);
        }
        return {TC_STRUCT, false, {}};
    }
    if (LookupKnowledge(session, name, LookupKind::CommonStructure, &scratch)) {
        return {TC_STRUCT, false, {}};
    }
    for (size_t i = 0; i < kDeclaredNameLists.size(); ++i) {
        if ((heldBy & kDeclaredListBits[i]) != 0) return {kDeclaredNameLists[i].code, false, {}};
    }
    scratch.clear();
    if (!LookupKnowledge(session, name, LookupKind::DefinedType, &scratch)) return {};
    return Named(CodeOfMasmType(scratch), scratch);
}

}  // namespace

bool IsInTypeList(const HeapBlock& list, std::string_view name) {
    if (list.used == 0) return false;
    return AnyListedPrefix(name, [&](std::string_view entry) { return HasEntry(list, entry); });
}

namespace {

// A name the header declares in two branches, of a doubleword in one and of a quadword in the
// other ("#ifdef _WIN64 typedef unsigned __int64 JET_API_PTR; #else typedef unsigned long
// JET_API_PTR;"), is chosen by the pointer size: on 64-bit Windows it is the quadword.
bool HasBothPointerSizes(const Session& session, uint32_t heldBy) {
    constexpr uint32_t kDoubleword = ListBit(&NameLists::dwordTypes) | ListBit(&NameLists::sdwordTypes);
    return session.run.target == Target::Win64 && (heldBy & kDoubleword) != 0 &&
           (heldBy & ListBit(&NameLists::qwordTypes)) != 0;
}

TypeClass ClassifyOwnType(Session& session, const TypeListIndex& lists, std::string_view name,
                          bool& readSaved) {
    if (SameIgnoringCase(name, "VOID")) return {TC_VOID, false, {}};
    // Which lists hold name, as IsInTypeList would answer for each of them.
    const uint32_t heldBy = ListsHolding(lists, name);
    if (HasBothPointerSizes(session, heldBy)) return Named(TC_QWORD, "QWORD");
    for (size_t i = 0; i < kSizedLists.size(); ++i) {
        if ((heldBy & kSizedListBits[i]) != 0) {
            return Named(kSizedLists[i].code, kSizedLists[i].masmName);
        }
    }
    return ClassifyDeclaredType(session, name, heldBy, readSaved);
}

// How many equates a name is followed through ("#define A B", "#define B A" go round).
constexpr int kEquateSteps = 8;

// A name #defined as one word is the type that word is ("#define LPC_SIZE_T SIZE_T"). A
// structure found so keeps the name: the assembler reads it as the structure its branch chose.
// Whether the header's equates or saved aliases were read goes to readOthers: such a class
// depends on more than the lists.
TypeClass ClassifyNamedType(Session& session, const TypeListIndex& lists, std::string_view name,
                            bool& readOthers) {
    std::string_view word = name;
    TypeClass found;
    for (int step = 0; step < kEquateSteps; ++step) {
        // A class that names no MASM type leaves the name an earlier step gave.
        TypeClass own = ClassifyOwnType(session, lists, word, readOthers);
        if (own.named) {
            found.named = true;
            found.masmName = std::move(own.masmName);
        }
        if (own.code != TC_UNKNOWN) {
            if (step > 0 && (own.code == TC_STRUCT || own.code == TC_UNION)) {
                found.named = true;
                found.masmName = name;
            }
            found.code = own.code;
            return found;
        }
        readOthers = true;
        const std::string* equate = session.header.wordEquates.find(word);
        if (equate == nullptr) break;
        word = *equate;
    }
    return found;
}

// Whether only a list entry equal to name lists it: it holds none of the characters that end
// the leading parts AnyListedPrefix tries.
bool OnlyListedWhole(std::string_view name) {
    using namespace std::string_view_literals;
    static constexpr CharacterSet kPrefixEnds = MakeCharacterSet(" \t=\0"sv);
    return FindFirstOf(name, kPrefixEnds) == std::string_view::npos;
}

}  // namespace

// A class found from the lists and the knowledge file alone is kept until its name is added to
// a list. A name that holds the pending aggregate macro is classified each time: its lookups
// take the macro.
uint32_t ClassifyType(Session& session, std::string_view name, std::string& out) {
    // The lookups below change no list: the index stays up to date through them.
    const TypeListIndex& lists = SynchronizedIndex(session);
    TypeClassCache& cache = session.header.typeClasses;
    const std::string& pending = session.run.pendingAggregateMacro;
    const bool macroPending = !pending.empty() && name.find(pending) != std::string_view::npos;
    const TypeClass* kept = macroPending ? nullptr : cache.Find(name);
    TypeClass found;
    if (kept == nullptr) {
        bool readOthers = false;
        found = ClassifyNamedType(session, lists, name, readOthers);
        if (!readOthers && !macroPending && OnlyListedWhole(name)) cache.Keep(name, found);
        kept = &found;
    }
    if (kept->named) out = kept->masmName;
    return kept->code;
}

void RegisterTypeName(Session& session, std::string_view name, uint32_t code) {
    for (const NamedList& target : kRegisterLists) {
        if (target.code == code) AddUniqueName(session, target.list, name);
    }
}

std::string StructureTypeName(Session& session, std::string_view cType,
                              const std::string& masmName) {
    std::string structure = masmName.empty() ? std::string(cType) : masmName;
    LookupKnowledge(session, structure, LookupKind::CommonStructure, &structure);
    LookupKnowledge(session, structure, LookupKind::Incompatible, &structure);
    return structure;
}

void WriteStructureAliasLine(Session& session, AliasLine form, std::string_view name,
                             std::string_view structure) {
    const bool commented = form == AliasLine::Commented;
    std::string line = commented ? ";" : "";
    line.append(name).append(kTypedefSeparator).append(structure);
    WriteOutputLine(session, line);
    if (!commented) session.run.structureAliases.insert_or_assign(name, std::string(structure));
}

std::string AliasedStructure(const Session& session, std::string name) {
    const auto& aliases = session.run.structureAliases;
    // A bound on the chain: aliases that lead round in a circle must not hang.
    for (int step = 0; step < 16; ++step) {
        // A name that is a structure of its own too (in another branch: LSA_UNICODE_STRING)
        // keeps its name: the assembler knows which it is where the member stands.
        const std::string* alias = aliases.find(name);
        if (alias == nullptr || *alias == name ||
            (session.run.batchNames.flags(name) & kDeclaredName) != 0) {
            break;
        }
        name = *alias;
    }
    return name;
}

void AddUniqueName(Session& session, HeapBlock NameLists::*list, std::string_view name) {
    // A name ends at its NUL. An empty one is not kept: in a list of NUL-terminated names it
    // would read as the end of the list and hide every name after it.
    name = name.substr(0, name.find('\0'));
    if (!name.empty() && (ListsWithEntry(session, name) & ListBit(list)) == 0) {
        AppendPieceToHeapBlock(session.header.names.*list, name);
    }
}

}  // namespace ondavel
