// Names the header being translated has already given to a structure or a prototype: MASM
// holds one name for one thing, so neither an equate nor a macro can take them afterwards.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;

bool IsDeclaredStructureOrPrototype(Session& session, std::string_view name);

}  // namespace ondavel
