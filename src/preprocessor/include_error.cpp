#include "preprocessor/directives.h"

namespace ondavel {

void TranslateInclude(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateError(Session&, uint32_t, uint32_t, LineIndex&, HeapBlock*) {}

}  // namespace ondavel
