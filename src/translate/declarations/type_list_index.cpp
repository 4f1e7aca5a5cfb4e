#include "declarations/type_list_index.h"

#include <memory>
#include <utility>

namespace ondavel {

namespace {

// Adds the NUL-terminated entries of list that lie past what was indexed before.
void IndexNewEntries(TypeListIndex& index, TypeClassCache& classes, const HeapBlock& list,
                     size_t which) {
    const std::string_view names = list.view();
    uint32_t& done = index.indexedBytes[which];
    const uint32_t bit = 1u << which;
    for (size_t end = names.find('\0', done); end != std::string_view::npos;
         end = names.find('\0', done)) {
        if (end > done) {
            const std::string_view entry = names.substr(done, end - done);
            index.entries.add(entry, bit);
            classes.Drop(entry);
        }
        done = static_cast<uint32_t>(end) + 1;
    }
}

// Whether some list's size differs from what was indexed of it: one pass, with no branch per
// list, since most lookups come with no list grown since the one before.
template <size_t... Which>
bool AnyListChanged(const TypeListIndex& index, const NameLists& names,
                    std::index_sequence<Which...>) {
    return ((((names.*kIndexedTypeLists[Which]).used ^ index.indexedBytes[Which]) | ...)) != 0;
}

void Synchronize(TypeListIndex& index, TypeClassCache& classes, NameLists& names) {
    if (!AnyListChanged(index, names, std::make_index_sequence<kIndexedTypeLists.size()>())) {
        return;
    }
    for (size_t which = 0; which < kIndexedTypeLists.size(); ++which) {
        const HeapBlock& list = names.*kIndexedTypeLists[which];
        if (list.used == index.indexedBytes[which]) continue;
        if (list.used < index.indexedBytes[which]) {
            // A list that shrank was released outside the driver's end of header: start afresh.
            index = TypeListIndex{};
            classes.Forget();
            Synchronize(index, classes, names);
            return;
        }
        IndexNewEntries(index, classes, list, which);
    }
}

}  // namespace

const TypeListIndex& SynchronizedIndex(Session& session) {
    std::shared_ptr<TypeListIndex>& index = session.header.typeListIndex;
    if (!index) index = std::make_shared<TypeListIndex>();
    Synchronize(*index, session.header.typeClasses, session.header.names);
    return *index;
}

uint32_t ListsHolding(Session& session, std::string_view name) {
    return ListsHolding(SynchronizedIndex(session), name);
}

uint32_t ListsHolding(const TypeListIndex& index, std::string_view name) {
    uint32_t lists = 0;
    AnyListedPrefix(name, [&](std::string_view entry) {
        lists |= index.entries.flags(entry);
        return false;
    });
    return lists;
}

uint32_t ListsWithEntry(Session& session, std::string_view name) {
    return SynchronizedIndex(session).entries.flags(name);
}

}  // namespace ondavel
