// The declaration translations are not written yet: each statement is consumed without output.
#include "declarations/declarations.h"

namespace ondavel {

void TranslatePrototype(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateCallbackTypedef(Session&, uint32_t, uint32_t, LineIndex&) {}
int TranslateTypedef(Session&, uint32_t, uint32_t, LineIndex&) {
    return 0;
}
void TranslateInterface(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateOleInterface(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
