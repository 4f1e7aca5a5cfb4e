// Translation of structures and unions (typedef'd or not) into STRUCT/UNION ... ENDS blocks.
#pragma once

#include <cstdint>

namespace ondavel {

struct Session;
class LineIndex;

// How the aggregate statement began: with "typedef", or with the struct/union keyword itself.
enum class AggregateForm { Typedef = 0, Plain = 1 };

void TranslateAggregate(Session& session, uint32_t firstLine, uint32_t linesLeft, LineIndex& index,
                        AggregateForm form);

}  // namespace ondavel
