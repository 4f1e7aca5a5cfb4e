#include "workbench/batch_place.h"

#include <string_view>

#include "core/line_index.h"
#include "core/text.h"
#include "session/session.h"

namespace ondavel::workbench {

// The batch's cursor stands on the line the step took.
std::string BatchPlace(Session& session) {
    RunState& run = session.run;
    if (!run.keepJournalOpen || !run.busy) return {};
    LineIndex& list = run.headerListIndex;
    std::string_view line;
    if (!list.Line(run.headerListTaken, line)) return {};
    const std::string_view header = Trimmed(line);
    if (header.empty()) return {};
    return std::string(header) + ", ligne " + std::to_string(session.statement.counts.firstLine);
}

}  // namespace ondavel::workbench
