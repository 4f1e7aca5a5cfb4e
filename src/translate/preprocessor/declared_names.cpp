#include "preprocessor/declared_names.h"

#include <string>

#include "declarations/type_list_index.h"
#include "declarations/type_mapping.h"
#include "session/output.h"

namespace ondavel {

bool IsDeclaredStructureOrPrototype(Session& session, std::string_view name) {
    constexpr uint32_t kDeclaring =
        ListBit(&NameLists::structAliases) | ListBit(&NameLists::functionNames);
    return (ListsHolding(session, name) & kDeclaring) != 0 ||
           (session.run.batchNames.flags(name) & kDeclaredName) != 0;
}

bool IsWrittenMacro(Session& session, std::string_view name) {
    return IsInTypeList(session.header.names.macroNames, name);
}

void WriteAliasWhereFree(Session& session, std::string_view name, std::string_view structure) {
    const std::string nameText(name);
    WriteOutputLine(session, "IFNDEF " + nameText);
    WriteStructureAliasLine(session, AliasLine::Plain, nameText, structure);
    WriteOutputLine(session, "ENDIF");
}

void ShareTypeLists(Session& session, std::string_view name, std::string_view form) {
    const uint32_t held = ListsHolding(session, form) & ~ListBit(&NameLists::functionNames);
    for (size_t i = 0; i < kIndexedTypeLists.size(); ++i) {
        if ((held & (1u << i)) != 0) {
            AddUniqueName(session, kIndexedTypeLists[i], name);
        }
    }
}

}  // namespace ondavel
