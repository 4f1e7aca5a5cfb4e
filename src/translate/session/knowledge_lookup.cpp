#include "session/knowledge_lookup.h"

#include "core/text.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

constexpr std::string_view kIncompleteFile =
    "Fichier de connaissances incomplet, section absente : ";

// A pending aggregate macro name inside word is consumed by this lookup, whatever its kind.
bool ConsumePendingMacro(RunState& run, std::string_view word) {
    if (run.pendingAggregateMacro.empty()) return false;
    if (InString(1, word, run.pendingAggregateMacro, false) <= 0) return false;
    run.pendingAggregateMacro.clear();
    return true;
}

}  // namespace

uint32_t LookupKnowledge(Session& session, std::string_view word, LookupKind kind,
                         std::string* output) {
    RunState& run = session.run;
    if (ConsumePendingMacro(run, word)) return CODE_TYPEDEF;
    const std::string_view missing = PrepareKnowledge(run.knowledge);
    if (!missing.empty()) WriteJournalLine(session, std::string(kIncompleteFile).append(missing));
    return LookupKnowledge(run.knowledge, word, kind, output);
}

}  // namespace ondavel
