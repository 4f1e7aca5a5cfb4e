#include "statements/statement_scan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/character_marks.h"
#include "core/comment_split.h"
#include "core/line_index.h"
#include "core/text.h"
#include "preprocessor/name_pair.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/first_word.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

enum class Verdict { Continue, EndHere, EndBefore };

// What the scanner carries from one line of the statement to the next.
struct ScanState {
    // Whether the brackets of the line being read count towards the balance: those of the
    // second and later branches of a conditional opened inside the statement do not, since
    // they repeat what the first branch opens and closes.
    bool InFirstBranches() const {
        return std::find(inLaterBranch.begin(), inLaterBranch.end(), true) == inLaterBranch.end();
    }

    // Whether the line being read stands in the first branch of a conditional that only a C++
    // compiler reads: nothing on it counts.
    bool InCppOnlyBranch() const { return cppOnlyDepth != 0; }

    bool commentOpen = false;     // a "/*" comment open after the line just read
    bool skipNextBranch = false;  // the line just read held "#else": ignore brackets on the next
    std::vector<bool> inLaterBranch;  // each conditional opened inside the statement
    size_t cppOnlyDepth = 0;   // the conditional (its count of levels) whose C++ branch is read
    int32_t balance = 0;       // brackets opened and not closed, first branches only
    bool waitForCall = false;  // NAME(...) seen: the next line decides whether it goes on
    bool parenSeen = false;
    bool firstLine = true;       // no line of the statement has been counted yet
    bool continuedLine = false;  // the line just read ended with a backslash
};

// A directive line inside the statement: conditionals opened there are followed through
// their branches. An "#else" whose "#if" stands before the statement separates two
// alternative headers: the brackets of the line after it are not counted at all.
void FollowConditional(ScanState& state, std::string_view code) {
    const std::string_view directive = DirectiveText(code);
    if (directive.empty()) return;  // no directive, or a lone '#' that directs nothing
    const auto startsWith = [&](std::string_view word) {
        return InString(1, directive, word, Case::Ignore) == 1;
    };
    const size_t depth = state.inLaterBranch.size();
    if (startsWith("endif")) {
        if (state.cppOnlyDepth == depth) state.cppOnlyDepth = 0;
        if (!state.inLaterBranch.empty()) state.inLaterBranch.pop_back();
    } else if (startsWith("if")) {
        state.inLaterBranch.push_back(false);
        if (!state.InCppOnlyBranch() && OpensCppOnlyBranch(code)) state.cppOnlyDepth = depth + 1;
    } else if (startsWith("else") || startsWith("elif")) {
        if (state.cppOnlyDepth == depth) state.cppOnlyDepth = 0;
        if (state.inLaterBranch.empty()) {
            state.skipNextBranch = startsWith("else");
        } else {
            state.inLaterBranch.back() = true;
        }
    }
}

void CountBracket(StatementCounts& c, ScanState& state, std::string_view code, size_t i) {
    const char bracket = code[i];
    if (state.InFirstBranches()) {
        if (bracket == '(' || bracket == '{') ++state.balance;
        if (bracket == ')' || bracket == '}') --state.balance;
    }
    switch (bracket) {
        case '(':
            ++c.openParens;
            if (!state.parenSeen) {
                state.parenSeen = true;
                // Only the first line's first '(' can make a call form: the blanks before it
                // are looked for then, not counted all along.
                c.callForm = state.firstLine && i > 0 &&
                             FindFirstOf(code.substr(0, i), kBlankSet) == std::string_view::npos;
            }
            break;
        case ')':
            if (++c.closeParens == c.openParens) ++c.parenGroups;
            break;
        case '{':
            ++c.openBraces;
            break;
        case '}':
            ++c.closeBraces;
            break;
        default:
            break;
    }
}

// The characters that count for something (" ' ( ) { } [ ] , ; = \ * - :), as the runs of byte
// values they fall into. The runs also hold + < and |, which count for nothing; letters,
// digits and the rest are passed over.
constexpr std::array<ByteRange, 5> kCountedMarks = {
    {{'"', '"'}, {'\'', '-'}, {':', '='}, {'[', '\\'}, {'{', '}'}}};

// The counting of one code line's characters.
class LineCount {
  public:
    LineCount(Session& session, ScanState& state, std::string_view code, bool skippedBranch)
        : session_(session),
          state_(state),
          c_(session.statement.counts),
          code_(code),
          skippedBranch_(skippedBranch),
          // "#if ISSP_MODE==0" inside a declaration compares; it assigns nothing.
          directiveInside_(!state.firstLine && !code.empty() && code.front() == '#') {}

    void Count(size_t i) {
        const char ch = code_[i];
        switch (ch) {
            case '"':
            case '\'':
                ++c_.quotes;
                if (quote_ == 0) {
                    quote_ = ch;
                } else if (quote_ == ch) {
                    quote_ = 0;
                }
                break;
            case '(':
            case ')':
            case '{':
            case '}':
                // The brackets whose balance decides where a statement ends.
                if (quote_ == 0 && !skippedBranch_) CountBracket(c_, state_, code_, i);
                break;
            // "->" and "::" (the latter outside Oleview mode) are C++, which the translation
            // passes over, in a literal too.
            case '-':
                if (NextIs(i, '>')) c_.cppSyntax = true;
                break;
            case ':':
                if (NextIs(i, ':') && !session_.run.oleviewMode) c_.cppSyntax = true;
                break;
            case '[':
                ++c_.openBrackets;
                break;
            case ',':
                ++c_.commas;
                break;
            case ';':
                ++c_.semicolons;
                break;
            case '=':
                if (!directiveInside_) ++c_.equalSigns;
                break;
            case '\\':
                ++c_.backslashes;
                break;
            case '*':
                ++c_.stars;
                break;
            default:
                break;
        }
    }

  private:
    bool NextIs(size_t i, char next) const { return i + 1 < code_.size() && code_[i + 1] == next; }

    Session& session_;
    ScanState& state_;
    StatementCounts& c_;
    std::string_view code_;
    bool skippedBranch_;
    bool directiveInside_;
    char quote_ = 0;
};

void CountCharacters(Session& session, ScanState& state, std::string_view code,
                     bool skippedBranch) {
    LineCount count(session, state, code, skippedBranch);
    for (size_t start = 0; start < code.size(); start += kMarkedBlock) {
        // The last block is read from a copy padded with NULs, which nothing counts.
        char padded[kMarkedBlock] = {};
        const char* block = code.data() + start;
        if (code.size() - start < kMarkedBlock) {
            std::memcpy(padded, block, code.size() - start);
            block = padded;
        }
        for (unsigned marks = MarkInRanges(block, kCountedMarks); marks != 0; marks &= marks - 1) {
            count.Count(start + static_cast<unsigned>(std::countr_zero(marks)));
        }
    }
}

// Whether a statement that looks like a conditional is really a declaration: the next line
// opens a body or a parameter list, or is a lone word.
bool NextLineContinuesDeclaration(LineIndex& index, uint32_t line) {
    std::string_view next;
    if (!index.Line(line + 1, next)) return false;
    const std::string_view text = Trimmed(next);
    if (text.empty()) return false;
    if (ClassifyLeadingKeyword(text) != StatementKind::Other) return false;
    const char last = text.back();
    if (last == '{' || last == '(') return true;
    return text[0] != '#' && text[0] != '/' &&
           text.find_first_of(" \t)>},({<") == std::string_view::npos;
}

Verdict Decide(Session& session, ScanState& state, std::string_view code, LineIndex& index,
               uint32_t line) {
    const StatementCounts& c = session.statement.counts;
    StatementKind& kind = session.statement.statementKind;
    const char first = code.front();
    const char last = code.back();
    if (kind == StatementKind::Define && c.openBraces == 0 && !state.firstLine && first == '#') {
        return Verdict::EndBefore;
    }
    if (last == '\\' || last == ',') return Verdict::Continue;
    if (kind != StatementKind::Class && c.openBraces == 0) {
        // A line-continued statement, or a directive, ends with its first line not ending in '\'.
        if (c.backslashes > 0 || (state.firstLine && first == '#')) return Verdict::EndHere;
    }
    if (state.balance != 0) return Verdict::Continue;
    if (state.firstLine && kind == StatementKind::If && NextLineContinuesDeclaration(index, line)) {
        kind = StatementKind::Other;
        return Verdict::Continue;
    }
    if (last == ';' || last == '}') return Verdict::EndHere;
    switch (last) {
        case '\\':
        case ',':
        case '|':
        case '&':
        case '{':
        case '(':
            return Verdict::Continue;
        default:
            break;
    }
    const bool doubled = code.size() >= 2 && code[code.size() - 2] == last;
    if ((last == '+' || last == '-') && !doubled) return Verdict::Continue;
    if (last == '"' || last == '\'' || kind == StatementKind::Define) return Verdict::EndHere;
    if (c.callForm) {
        // "__MINGW_TYPEDEF_AW(X)" is a whole declaration without a ';' of its own.
        if (state.firstLine && TypedefPairEquates(code)) return Verdict::EndHere;
        state.waitForCall = true;
        return Verdict::Continue;
    }
    if (InString(1, code, "EXTERN_", Case::Ignore) == 1 || first == '.') return Verdict::EndHere;
    return Verdict::Continue;
}

// A call-form statement goes on only when the line after it opens a list or a body or
// holds a ';'.
bool EndsCallForm(std::string_view code) {
    return code.front() != '(' && code.front() != '{' && code.find(';') == std::string_view::npos;
}

bool IsEmptyLine(std::string_view raw) {
    for (char c : raw) {
        if (c != ' ' && c != '\t' && c != '\n') return false;
    }
    return true;
}

void FinishStatement(Session& session, const ScanState& state, uint32_t lastLine) {
    StatementCounts& c = session.statement.counts;
    c.lastLine = lastLine;
    c.statementLines = lastLine - c.firstLine + 1;
    if (state.balance != 0) {
        WriteJournalLine(session, texts::kUnbalancedBrackets, c.firstLine);
    }
}

// The trimmed code of line as the scan reads it; empty for a line it passes over. A line
// with no comment is read where it stands.
std::string_view ReadCode(const LineIndex& index, std::string_view raw, std::string& work,
                          std::string& comment, bool& commentOpen) {
    // A line of blanks and tabs alone has no code to give either.
    if (const std::optional<std::string_view> code = UncommentedCode(index, raw, commentOpen)) {
        return *code;
    }
    if (IsEmptyLine(raw) || !CopyIndexedLine(index, work, raw) || work.empty()) return {};
    if (!SplitComment(work, comment, commentOpen).hasCode) return {};
    // The copied line holds no terminator: its code is trimmed as it stands.
    return TrimEnds(work);
}

}  // namespace

bool ScanStatement(Session& session, uint32_t firstLine, LineIndex& index, ScanEnd end,
                   const FirstLineCode* first) {
    StatementCounts& counts = session.statement.counts;
    counts = StatementCounts{};
    counts.firstLine = firstLine;
    ScanState state;
    // What the statement looked like after its last line so far, should the line being read
    // turn out to belong to the next statement.
    StatementCounts countsBefore = counts;
    int32_t balanceBefore = 0;
    bool commentOpenBefore = false;
    uint32_t lastCounted = firstLine;
    std::string& work = session.statement.scanLine;
    std::string& comment = session.statement.scanComment;
    for (uint32_t line = firstLine;; ++line) {
        std::string_view raw;
        if (!index.Line(line, raw)) {
            counts.lastLine = firstLine;
            return false;
        }
        std::string_view code;
        if (line == firstLine && first != nullptr) {
            code = first->code;
            state.commentOpen = first->commentOpenAfter;
        } else {
            code = ReadCode(index, raw, work, comment, state.commentOpen);
        }
        if (code.empty()) continue;
        const bool skippedBranch = state.skipNextBranch;
        state.skipNextBranch = false;
        if (state.waitForCall) {
            state.waitForCall = false;
            if (EndsCallForm(code)) {
                state.commentOpen = commentOpenBefore;
                break;
            }
        }
        if (end == ScanEnd::BeforeDirective && !state.firstLine && !state.continuedLine &&
            code.front() == '#' && state.balance == 0) {
            state.commentOpen = commentOpenBefore;
            break;
        }
        state.continuedLine = code.back() == '\\';
        const bool cppOnlyLine = state.InCppOnlyBranch();
        if (!state.firstLine) FollowConditional(state, code);
        if (!cppOnlyLine) CountCharacters(session, state, code, skippedBranch);
        const Verdict verdict = Decide(session, state, code, index, line);
        if (verdict == Verdict::EndBefore) {
            counts = countsBefore;
            state.balance = balanceBefore;
            state.commentOpen = commentOpenBefore;
            break;
        }
        lastCounted = line;
        if (verdict == Verdict::EndHere) break;
        state.firstLine = false;
        countsBefore = counts;
        balanceBefore = state.balance;
        commentOpenBefore = state.commentOpen;
    }
    FinishStatement(session, state, lastCounted);
    session.statement.commentOpenAfter = state.commentOpen;
    return true;
}

}  // namespace ondavel
