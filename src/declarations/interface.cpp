// The interface translations are not written yet: each statement is consumed without output.
#include "declarations/declarations.h"

namespace ondavel {

void TranslateInterface(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateOleInterface(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
