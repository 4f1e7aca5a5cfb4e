// Names the header being translated has already given to a type or a prototype: MASM holds
// one name for one thing, so neither an equate nor a macro can take them afterwards; and the
// names an equate gives to a type.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;

bool IsDeclaredStructureOrPrototype(Session& session, std::string_view name);

// Puts name into the type lists that hold form, so that a declaration that uses the name
// knows its size: the name an A/W pair chooses between is the type its forms are
// ("PSP_FILE_CALLBACK" a callback as "PSP_FILE_CALLBACK_A" is). Not a prototype's name: an
// equate of a function does not declare one.
void ShareTypeLists(Session& session, std::string_view name, std::string_view form);

}  // namespace ondavel
