#include "session/knowledge_lookup.h"

#include "core/text.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// A pending aggregate macro name inside word is consumed by this lookup, whatever its kind.
[[gnu::noinline]] bool ConsumeFoundMacro(RunState& run, std::string_view word) {
    const std::string& pending = run.pendingAggregateMacro;
    // The name comes from a copied code line, which ends before any NUL or CR: a word that
    // holds it nowhere holds it nowhere before its own NUL or CR either, as most words do.
    if (word.find(pending) == std::string_view::npos) return false;
    if (!InString(1, word, pending, Case::Exact).has_value()) return false;
    run.pendingAggregateMacro.clear();
    return true;
}

// Most lookups come with no macro pending: they are told so without a call.
bool ConsumePendingMacro(RunState& run, std::string_view word) {
    return !run.pendingAggregateMacro.empty() && ConsumeFoundMacro(run, word);
}

[[gnu::noinline]] void JournalSectionCheck(Session& session, KnowledgeFile& file) {
    const std::string_view missing = PrepareKnowledge(file);
    if (!missing.empty())
        WriteJournalLine(session, std::string(texts::kIncompleteKnowledge).append(missing));
}

// Journals a knowledge file that lacks a section line, on the first lookup after its load.
void JournalMissingSection(Session& session, KnowledgeFile& file) {
    if (!file.sectionsScanned) JournalSectionCheck(session, file);
}

}  // namespace

KeywordCode LookupKeywordCode(Session& session, std::string_view word) {
    if (ConsumePendingMacro(session.run, word)) return KeywordCode::Typedef;
    JournalMissingSection(session, session.run.knowledge);
    return LookupKeywordCode(session.run.knowledge, word);
}

bool LookupKnowledge(Session& session, std::string_view word, LookupKind kind,
                     std::string* output) {
    RunState& run = session.run;
    if (ConsumePendingMacro(run, word)) return true;
    JournalMissingSection(session, run.knowledge);
    if (run.target == Target::Win64) {
        JournalMissingSection(session, run.overlay);
        if (LookupKnowledge(run.overlay, word, kind, output)) return true;
    }
    return LookupKnowledge(run.knowledge, word, kind, output);
}

}  // namespace ondavel
