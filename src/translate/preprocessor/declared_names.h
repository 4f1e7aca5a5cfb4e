// Names the header being translated has already given to a type or a prototype (a prototype
// of an earlier header of the batch too): MASM holds one name for one thing, so neither an
// equate nor a macro can take them afterwards; and the names an equate gives to a type.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;

bool IsDeclaredStructureOrPrototype(Session& session, std::string_view name);

// Whether the header wrote a macro function of that name: a body may call it, as the
// assembler can.
bool IsWrittenMacro(Session& session, std::string_view name);

// Puts name into the type lists that hold form, so that a declaration that uses the name
// knows its size: the name an A/W pair chooses between is the type its forms are
// ("PSP_FILE_CALLBACK" a callback as "PSP_FILE_CALLBACK_A" is). Not a prototype's name: an
// equate of a function does not declare one.
// "NAME  TYPEDEF  STRUCTURE" for a name that is a structure of its own already: the assembler
// has one meaning for a name, so the alias is made only where the name is not yet defined
// (the structure stood in a branch not taken).
void WriteAliasWhereFree(Session& session, std::string_view name, std::string_view structure);

void ShareTypeLists(Session& session, std::string_view name, std::string_view form);

}  // namespace ondavel
