// Translations of declarations: function prototypes, callback typedefs, typedefs and COM
// interfaces. Each reads its statement from firstLine on through the index.
#pragma once

#include <cstdint>

#include "session/statement_span.h"

namespace ondavel {

struct Session;

void TranslatePrototype(Session& session, StatementSpan statement);
void TranslateCallbackTypedef(Session& session, StatementSpan statement);
// True when the typedef was translated (its source text is then kept aside).
bool TranslateTypedef(Session& session, StatementSpan statement);
void TranslateInterface(Session& session, StatementSpan statement);
void TranslateOleInterface(Session& session, StatementSpan statement);

}  // namespace ondavel
