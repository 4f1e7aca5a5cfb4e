// COM virtual tables as MIDL writes them ("typedef struct IFooVtbl { BEGIN_INTERFACE ...
// END_INTERFACE } IFooVtbl;"): a MASM structure of method pointers and the invocation macro.
#pragma once

#include <string_view>

namespace ondavel {

struct Session;
class StatementCursor;

// The cursor stands on "BEGIN_INTERFACE" in the structure's body; aggregateName is the
// structure's name ("IFooVtbl"). The structure translation ends when this returns.
void TranslateVtblStructure(Session& session, StatementCursor& cursor,
                            std::string_view aggregateName);

}  // namespace ondavel
