// Translation of structures and unions (typedef'd or not) into STRUCT/UNION ... ENDS blocks.
#pragma once

#include <cstdint>

#include "session/statement_span.h"

namespace ondavel {

struct Session;

// How the aggregate statement began: with "typedef", or with the struct/union keyword itself.
enum class AggregateForm { Typedef = 0, Plain = 1 };

void TranslateAggregate(Session& session, StatementSpan statement, AggregateForm form);

}  // namespace ondavel
