// A MIDL virtual table becomes the structure of its interface's methods:
//
//   typedef struct IFooVtbl { BEGIN_INTERFACE
//       HRESULT ( STDMETHODCALLTYPE *QueryInterface )( IFoo * This, REFIID riid, void **ppv);
//       ...
//   END_INTERFACE } IFooVtbl;
//
// gives "\tSTIFoo\tSTRUCT", one member per method, "\tSTIFoo\tENDS" and the macro for IFoo.
#include "aggregates/vtbl_structure.h"

#include "core/text.h"
#include "declarations/com_methods.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

// "IFoo" for "IFooVtbl": the name before its first "Vtbl", in any case.
std::string_view InterfaceBase(std::string_view aggregateName) {
    const std::optional<int> at = InString(1, aggregateName, "Vtbl", Case::Ignore);
    return at ? aggregateName.substr(0, static_cast<size_t>(*at) - 1) : aggregateName;
}

// One method pointer, "RESULT ( CALLTYPE *Name )( IFoo * This, ... );". End when
// END_INTERFACE follows it.
ComStep TranslateMethod(ComInterface& com, StatementCursor& cursor) {
    if (!com.SkipTo("(")) return ComStep::Abandon;
    cursor.Advance();
    if (!com.StartMethod()) return ComStep::Abandon;
    const ComStep step = com.ReadPointerThenParameters();
    if (step != ComStep::Next) return step;
    com.EndMethod();
    if (!cursor.SkipPast(';') || !com.SkipBlanksAndDirectives()) return ComStep::Abandon;
    return HoldsIgnoringCase(cursor.Rest(), "END_INTERFACE") ? ComStep::End : ComStep::Next;
}

}  // namespace

void TranslateVtblStructure(Session& session, StatementCursor& cursor,
                            std::string_view aggregateName) {
    session.header.inInterface = true;
    ComInterface com(session, cursor, InterfaceBase(aggregateName), texts::kVtblRoutine);
    com.Open("");
    ComStep step = ComStep::Next;
    while (step == ComStep::Next) step = TranslateMethod(com, cursor);
    if (step == ComStep::End) com.Close();
}

}  // namespace ondavel
