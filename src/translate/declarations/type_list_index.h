// A hash index over the header's type-name lists. Classifying a type asks up to twelve lists
// about every parameter of every prototype, and in a large COM header the lists hold thousands
// of names: scanning them each time costs more than the rest of the translation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/heap_block.h"
#include "core/text.h"
#include "session/session.h"

namespace ondavel {

// The indexed lists; a list's place here is its bit in the masks below.
inline constexpr std::array<HeapBlock NameLists::*, 13> kIndexedTypeLists = {
    &NameLists::byteTypes,     &NameLists::sbyteTypes,    &NameLists::wordTypes,
    &NameLists::swordTypes,    &NameLists::dwordTypes,    &NameLists::sdwordTypes,
    &NameLists::qwordTypes,    &NameLists::real4Types,    &NameLists::real8Types,
    &NameLists::structAliases, &NameLists::functionNames, &NameLists::callbackNames,
    &NameLists::interfaceNames};

constexpr uint32_t ListBit(HeapBlock NameLists::*list) {
    for (size_t i = 0; i < kIndexedTypeLists.size(); ++i) {
        if (kIndexedTypeLists[i] == list) return 1u << i;
    }
    return 0;
}

// Every entry of the lists with the mask of the lists that hold it. The lists only grow while a
// header is translated (the driver drops the index with them), so each lookup first indexes
// what was appended since the last one.
struct TypeListIndex {
    NameSet entries;  // each marked with the mask of the lists that hold it
    std::array<uint32_t, kIndexedTypeLists.size()> indexedBytes{};
};

// Calls visit with each leading part of name that a list entry has to equal for the list to
// hold name: name itself and each part that a blank, tab or '=' follows. Stops at the first
// call that returns true and returns true then. name ends at its first NUL.
template <typename Visit>
bool AnyListedPrefix(std::string_view name, Visit visit) {
    name = name.substr(0, name.find('\0'));
    if (name.empty()) return false;
    for (size_t end = FindAnyOf(name, 1, " \t=");; end = FindAnyOf(name, end + 1, " \t=")) {
        if (visit(name.substr(0, end))) return true;
        if (end == name.size()) return false;
    }
}

// The index, brought up to date with the lists of session.header.names. The type classes kept
// for names added to a list since are dropped.
const TypeListIndex& SynchronizedIndex(Session& session);
// The mask of the lists of session.header.names for which IsInTypeList(list, name) holds.
uint32_t ListsHolding(Session& session, std::string_view name);
// The same from an index already brought up to date.
uint32_t ListsHolding(const TypeListIndex& index, std::string_view name);
// The mask of the lists of session.header.names that hold name itself as an entry.
uint32_t ListsWithEntry(Session& session, std::string_view name);

}  // namespace ondavel
