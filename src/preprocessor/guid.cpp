#include "preprocessor/directives.h"

namespace ondavel {

void TranslateGuid(Session&, uint32_t, uint32_t, LineIndex&, bool) {}
void TranslateGuidSecond(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
