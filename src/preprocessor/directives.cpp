// The preprocessor translations are not written yet: each statement is consumed without output.
#include "preprocessor/directives.h"

namespace ondavel {

void TraduireDefine(Session&, uint32_t, uint32_t, LineIndex&) {}
void TraduireMacro(Session&, uint32_t, uint32_t, LineIndex&) {}
void TraduireIF(Session&, uint32_t, uint32_t, LineIndex&, HeapBlock*, bool) {}
void TranslateIfdef(Session&, uint32_t, uint32_t, LineIndex&, HeapBlock*) {}
void TranslateIfndef(Session&, uint32_t, uint32_t, LineIndex&, HeapBlock*) {}
void TranslateEndif(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateInclude(Session&, uint32_t, uint32_t, LineIndex&) {}
void TranslateError(Session&, uint32_t, uint32_t, LineIndex&, HeapBlock*) {}
void TranslateGuid(Session&, uint32_t, uint32_t, LineIndex&, bool) {}
void TranslateGuidSecond(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
