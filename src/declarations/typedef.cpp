#include "declarations/declarations.h"

namespace ondavel {

int TranslateTypedef(Session&, uint32_t, uint32_t, LineIndex&) { return 0; }

}  // namespace ondavel
