#include "preprocessor/directives.h"

namespace ondavel {

uint32_t TraduireIF(Session&, uint32_t firstLine, uint32_t, LineIndex&, HeapBlock*, bool) {
    return firstLine;
}
uint32_t TranslateIfdef(Session&, uint32_t line, uint32_t, LineIndex&, HeapBlock*) { return line; }
uint32_t TranslateIfndef(Session&, uint32_t line, uint32_t, LineIndex&, HeapBlock*) { return line; }
void TranslateEndif(Session&, uint32_t, uint32_t, LineIndex&) {}

}  // namespace ondavel
