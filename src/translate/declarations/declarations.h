// Translations of declarations: function prototypes, callback typedefs, typedefs and COM
// interfaces. Each reads its statement from firstLine on through the index.
#pragma once

#include <cstdint>

namespace ondavel {

struct Session;
class LineIndex;

void TranslatePrototype(Session& session, uint32_t firstLine, uint32_t linesLeft, LineIndex& index);
void TranslateCallbackTypedef(Session& session, uint32_t firstLine, uint32_t linesLeft,
                              LineIndex& index);
// True when the typedef was translated (its source text is then kept aside).
bool TranslateTypedef(Session& session, uint32_t firstLine, uint32_t linesLeft, LineIndex& index);
void TranslateInterface(Session& session, uint32_t firstLine, uint32_t linesLeft, LineIndex& index);
void TranslateOleInterface(Session& session, uint32_t firstLine, uint32_t linesLeft,
                           LineIndex& index);

}  // namespace ondavel
