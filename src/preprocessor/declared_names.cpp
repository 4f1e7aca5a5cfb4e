#include "preprocessor/declared_names.h"

#include "declarations/type_list_index.h"

namespace ondavel {

bool IsDeclaredStructureOrPrototype(Session& session, std::string_view name) {
    constexpr uint32_t kDeclaring =
        ListBit(&NameLists::structAliases) | ListBit(&NameLists::functionNames);
    return (ListsHolding(session, name) & kDeclaring) != 0;
}

}  // namespace ondavel
