#include "declarations/declarations.h"

namespace ondavel {

void TranslatePrototype(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateCallbackTypedef(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
