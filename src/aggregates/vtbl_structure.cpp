// Virtual tables are not translated yet: the statement is consumed without output.
#include "aggregates/vtbl_structure.h"

namespace ondavel {

void TranslateVtblStructure(Session&, StatementCursor&, std::string_view) {}

}  // namespace ondavel
