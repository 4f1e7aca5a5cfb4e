#include "preprocessor/directives.h"

namespace ondavel {

void TraduireMacro(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
