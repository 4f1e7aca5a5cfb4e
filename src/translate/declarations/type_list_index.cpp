#include "declarations/type_list_index.h"

#include <memory>

namespace ondavel {

namespace {

// Adds the NUL-terminated entries of list that lie past what was indexed before.
void IndexNewEntries(TypeListIndex& index, const HeapBlock& list, size_t which) {
    const std::string_view names = list.view();
    uint32_t& done = index.indexedBytes[which];
    const uint32_t bit = 1u << which;
    for (size_t end = names.find('\0', done); end != std::string_view::npos;
         end = names.find('\0', done)) {
        if (end > done) index.entries.add(names.substr(done, end - done), bit);
        done = static_cast<uint32_t>(end) + 1;
    }
}

void Synchronize(TypeListIndex& index, NameLists& names) {
    for (size_t which = 0; which < kIndexedTypeLists.size(); ++which) {
        const HeapBlock& list = names.*kIndexedTypeLists[which];
        // Most lookups come with no list grown since the one before.
        if (list.used == index.indexedBytes[which]) continue;
        if (list.used < index.indexedBytes[which]) {
            // A list that shrank was released outside the driver's end of header: start afresh.
            index = TypeListIndex{};
            Synchronize(index, names);
            return;
        }
        IndexNewEntries(index, list, which);
    }
}

// The index, brought up to date with the lists.
const TypeListIndex& SynchronizedIndex(Session& session) {
    std::shared_ptr<TypeListIndex>& index = session.header.typeListIndex;
    if (!index) index = std::make_shared<TypeListIndex>();
    Synchronize(*index, session.header.names);
    return *index;
}

}  // namespace

uint32_t ListsHolding(Session& session, std::string_view name) {
    const TypeListIndex& index = SynchronizedIndex(session);
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
