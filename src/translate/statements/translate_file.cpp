#include "statements/translate_file.h"

#include <algorithm>
#include <optional>
#include <string>

#include "aggregates/name_list_file.h"
#include "core/comment_split.h"
#include "core/host.h"
#include "core/line_index.h"
#include "core/text.h"
#include "knowledge/knowledge.h"
#include "preprocessor/directives.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/conditional_span.h"
#include "statements/dispatch.h"
#include "statements/first_word.h"
#include "statements/statement_scan.h"

namespace ondavel {

namespace {

// The longest line the translation accepts (a line buffer and its terminator hold 1,040).
constexpr uint32_t kLongestLine = kLineLimit - 1;
// Consecutive statements that run past the end of the file before the file is given up.
constexpr int kScanErrorLimit = 3;
// Statements between two progress reports.
constexpr int kProgressInterval = 40;

// The driver's work buffers and counters for one file.
struct Walk {
    uint32_t totalLines = 0;
    int scanErrors = 0;
    int statementsSinceProgress = 0;
    bool replayingDirectives = false;  // translating the directive lines a statement left
    std::string work;
    std::string firstLineCode;  // the statement's first line before its first word is taken
    std::string comment;
    std::string word;
};

enum class Step { NextLine, AfterStatement, EndOfFile };

void ReportProgress(Session& session, Walk& walk, uint32_t line) {
    if (++walk.statementsSinceProgress < kProgressInterval) return;
    walk.statementsSinceProgress = 0;
    session.host.SetStatus(StatusPart::Progress,
                           std::string(texts::kProgressAtLine) + std::to_string(line));
}

Step TranslateLine(Session& session, LineIndex& index, Walk& walk, uint32_t line);

// A statement whose translation wrote no conditional line (it was dropped, or its translation
// does not take directive lines) does not take the conditional lines it spans and leaves
// unmatched with it: they are translated after it, in order, each as a statement of its own,
// so that the output keeps the header's IF levels.
void KeepConditionalLevels(Session& session, LineIndex& index, const Walk& walk, uint32_t first,
                           uint64_t conditionalsBefore) {
    const uint32_t last = session.statement.counts.lastLine;
    if (walk.replayingDirectives || last <= first ||
        session.run.conditionalLines != conditionalsBefore) {
        return;
    }
    const bool commentOpen = session.header.inBlockComment;
    for (const uint32_t line : FindUnmatchedConditionals(index, first, last)) {
        if (line == first) continue;  // the statement itself
        Walk directive;
        directive.totalLines = walk.totalLines;
        directive.replayingDirectives = true;
        session.header.inBlockComment = false;
        TranslateLine(session, index, directive, line);
    }
    session.header.inBlockComment = commentOpen;
    session.statement.counts.lastLine = last;
}

// splitOutsideComment tells that the line was split from outside a comment, as the statement
// scan splits a statement's first line: the scan can then take it as the walk found it.
Step TranslateStatement(Session& session, LineIndex& index, Walk& walk, uint32_t line,
                        bool splitOutsideComment) {
    // The copied line holds no terminator: its code is trimmed as it stands, in place.
    const std::string_view code = TrimEnds(walk.work);
    if (code.size() <= 1) return Step::NextLine;  // nothing, or a lone { } ;
    KeepPart(walk.work, code);
    // Taking the first word may blank the line in the index: the scan then reads it anew.
    const FirstLineCode first{walk.firstLineCode.assign(walk.work),
                              session.header.inBlockComment};
    const uint32_t changesBefore = index.changes();
    const FirstWord firstWord = ExtractFirstWord(session, walk.work, walk.word, index, line);
    if (firstWord == FirstWord::Skip) return Step::NextLine;
    const bool wanted = firstWord == FirstWord::Word || HoldsIgnoringCase(walk.word, "API");
    session.statement.statementKind = ClassifyLeadingKeyword(walk.word);
    // A statement that never ends (a macro call without ';' near the end of a header) ends
    // before the next directive line outside its brackets instead of taking the rest of the
    // header, its #endif lines included, with it.
    const FirstLineCode* split =
        splitOutsideComment && index.changes() == changesBefore ? &first : nullptr;
    if (!ScanStatement(session, line, index, ScanEnd::StatementEnd, split) &&
        !ScanStatement(session, line, index, ScanEnd::BeforeDirective, split)) {
        if (line + 1 >= walk.totalLines) return Step::EndOfFile;
        WriteJournalLine(session, texts::kScanFailed, line);
        return ++walk.scanErrors > kScanErrorLimit ? Step::EndOfFile : Step::NextLine;
    }
    const bool commentOpenAfter = session.statement.commentOpenAfter;
    const uint64_t conditionalsBefore = session.run.conditionalLines;
    if (!wanted && TranslateTypedefPair(session, walk.work)) {
        walk.scanErrors = 0;
    } else if (wanted && !session.statement.counts.cppSyntax) {
        walk.scanErrors = 0;
        ReportProgress(session, walk, line);
        const KeywordCode keywordCode = LookupKeywordCode(session, walk.word);
        // Translations read the statement again from its first line, where no comment is open.
        session.header.inBlockComment = false;
        DispatchStatement(session, keywordCode, walk.work, {index, line});
    }
    session.header.inBlockComment = commentOpenAfter;
    KeepConditionalLevels(session, index, walk, line, conditionalsBefore);
    return Step::AfterStatement;
}

Step TranslateLine(Session& session, LineIndex& index, Walk& walk, uint32_t line) {
    std::string_view raw;
    if (!index.Line(line, raw)) return Step::EndOfFile;
    if (raw.empty()) return Step::NextLine;
    if (const std::optional<std::string_view> code =
            UncommentedCode(index, raw, session.header.inBlockComment)) {
        walk.work.assign(*code);
        return TranslateStatement(session, index, walk, line, true);
    }
    if (!CopyIndexedLine(index, walk.work, raw) || walk.work.empty()) return Step::NextLine;
    const bool outsideComment = !session.header.inBlockComment;
    if (SplitComment(walk.work, walk.comment, session.header.inBlockComment).hasCode) {
        return TranslateStatement(session, index, walk, line, outsideComment);
    }
    WriteOutputLine(session, walk.comment);
    return Step::NextLine;
}

void TranslateLines(Session& session, LineIndex& index) {
    Walk walk;
    walk.totalLines = index.lines();
    uint32_t line = 1;
    while (line <= walk.totalLines) {
        const Step step = TranslateLine(session, index, walk, line);
        if (step == Step::EndOfFile) break;
        // A translation may have consumed lines past the statement, never fewer than its first.
        line = step == Step::AfterStatement ? std::max(session.statement.counts.lastLine, line) + 1
                                            : line + 1;
    }
}

void CloseIfLevels(Session& session) {
    int32_t& depth = session.header.ifDepth;
    const std::string count = std::string(texts::kOpenIfCount) + NumberToText(depth);
    WriteOutputLine(session, count);
    if (depth != 0 && session.run.journalFile != nullptr) {
        std::fwrite(count.data(), 1, count.size(), session.run.journalFile);
        std::fwrite("\r\n", 1, 2, session.run.journalFile);
    }
    for (; depth > 0; --depth) WriteOutputLine(session, "ENDIF\r\n");
    depth = 0;
}

}  // namespace

namespace {

void JournalOverlongLine(Session& session, uint32_t length, uint32_t number) {
    WriteJournalLine(session, std::string(texts::kLineTooLong) + std::to_string(length) +
                                  std::string(texts::kLineLimitIs) + std::to_string(kLineLimit) +
                                  std::string(texts::kLineNumberIs) + std::to_string(number));
}

}  // namespace

bool CheckLineLengths(Session& session, const LineIndex& index) {
    uint32_t number = 0;
    const uint32_t length = index.Longest(number).length;
    if (length <= kLongestLine) return true;
    JournalOverlongLine(session, length, number);
    return false;
}

namespace {

bool EndsWithBackslash(LineIndex& index, uint32_t number) {
    std::string_view line;
    if (!index.Line(number, line)) return false;
    const size_t last = line.find_last_not_of(" \t");
    return last != std::string_view::npos && line[last] == '\\';
}

// Empties line number and every line joined to it by backslashes.
void EmptyLogicalLine(LineIndex& index, uint32_t number) {
    uint32_t first = number;
    while (first > 1 && EndsWithBackslash(index, first - 1)) --first;
    uint32_t last = number;
    while (last < index.lines() && EndsWithBackslash(index, last)) ++last;
    for (uint32_t n = first; n <= last; ++n) index.EmptyLine(n);
}

}  // namespace

void DropOverlongLines(Session& session, LineIndex& index) {
    for (uint32_t number = 1; number <= index.lines(); ++number) {
        std::string_view line;
        index.Line(number, line);
        const uint32_t length = static_cast<uint32_t>(line.size());
        if (length <= kLongestLine) continue;
        JournalOverlongLine(session, length, number);
        EmptyLogicalLine(index, number);
    }
}

void ReleasePerFileMemory(Session& session) {
    for (HeapBlock* block : session.header.names.all()) ReleaseHeapBlock(*block);
    session.header.typeListIndex.reset();
    session.header.typeClasses.Forget();
    session.header.equateNames.clear();
    session.header.wordEquates.clear();
    ClearSavedStrings(session.header.savedStrings);
    session.header.waitingAliases.clear();
    session.header.declarationMacros.clear();
    session.header.packingSeen = false;
}

bool TranslateFile(Session& session, LineIndex& index) {
    OpenJournal(session);
    // A comment left open at the end of a broken header must not swallow the next one.
    session.header.inBlockComment = false;
    const bool hasLines = index.lines() != 0;
    if (hasLines) {
        DropOverlongLines(session, index);
        TranslateLines(session, index);
    }
    session.header.inInterface = false;
    CloseIfLevels(session);
    if (!session.run.keepJournalOpen) CloseJournal(session);
    WriteCollectedNames(session);
    ReleasePerFileMemory(session);
    return hasLines;
}

}  // namespace ondavel
