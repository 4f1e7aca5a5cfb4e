// The aggregate translation is not written yet: each statement is consumed without output.
#include "aggregates/aggregates.h"

namespace ondavel {

void TranslateAggregate(Session&, uint32_t, uint32_t, LineIndex&, AggregateForm) {}

}  // namespace ondavel
