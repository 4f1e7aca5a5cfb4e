#include "aggregates/aggregate_names.h"

#include "aggregates/aggregate_work.h"
#include "core/text.h"
#include "declarations/type_mapping.h"

namespace ondavel {

namespace {

// These scans read the statement's lines a second time: the comment state as it was is put
// back afterwards, so that the main walk splits the lines as it would have.
class CommentStateGuard {
  public:
    explicit CommentStateGuard(Session& session)
        : state_(session.header.inBlockComment), saved_(state_) {}
    ~CommentStateGuard() { state_ = saved_; }
    CommentStateGuard(const CommentStateGuard&) = delete;
    CommentStateGuard& operator=(const CommentStateGuard&) = delete;

  private:
    bool& state_;
    const bool saved_;
};

// The cursor stands after a closing brace. Directive lines are passed over: the name a C++
// branch gives ("#ifdef __cplusplus" / "u" / "#endif") is no name in C.
NameFound WordAfterBrace(StatementCursor& cursor, std::string& name) {
    if (!cursor.SkipBlanks()) return NameFound::StatementEnded;
    while (cursor.Column() == 0 && cursor.Current() == '#') {
        cursor.SkipLine();
        if (!cursor.SkipBlanks()) return NameFound::StatementEnded;
    }
    if (cursor.Current() == ';' || cursor.Current() == '*') return NameFound::None;
    name = cursor.TakeWord(kNameDelimiters);
    return NameFound::Word;
}

// Whether a walk to a closing brace counts the opening ones it meets.
enum class OpeningBraces { Ignored, Counted };

// Moves past the brace at which depth, counted from depth at the cursor, reaches 0: each '}'
// one shallower, and each '{' one deeper when opening braces are counted.
bool PassClosingBrace(StatementCursor& cursor, uint32_t depth, OpeningBraces opening) {
    for (;;) {
        // Only braces count: the cursor goes from one to the next, or to the end of the line.
        cursor.Advance(cursor.RunBefore("{}").size());
        if (cursor.AtEnd()) {
            // A walk that counts only closing braces reads only the lines that may hold one.
            const bool read = opening == OpeningBraces::Ignored ? cursor.NextLineWith('}')
                                                                : cursor.NextLine();
            if (!read) return false;
            continue;
        }
        const char c = cursor.Current();
        cursor.Advance();
        if (c == '{' && opening == OpeningBraces::Counted) ++depth;
        if (c == '}' && --depth == 0) return true;
    }
}

}  // namespace

NameFound NameAfterBrace(AggregateWork& work, std::string& name) {
    const uint32_t braces = work.session.statement.counts.closeBraces;
    if (braces == 0) return NameFound::StatementEnded;
    CommentStateGuard guard(work.session);
    work.session.header.inBlockComment = false;
    StatementCursor cursor(work.session, work.statement);
    if (!cursor.NextLine() || !PassClosingBrace(cursor, braces, OpeningBraces::Ignored)) {
        return NameFound::StatementEnded;
    }
    return WordAfterBrace(cursor, name);
}

NameFound NameAfterNestedBrace(const StatementCursor& cursor, std::string& name) {
    StatementCursor scan = cursor;
    CommentStateGuard guard(scan.session());
    scan.Advance();
    if (!PassClosingBrace(scan, 1, OpeningBraces::Counted)) return NameFound::StatementEnded;
    return WordAfterBrace(scan, name);
}

void RegisterDeclarators(AggregateWork& work, std::string* aliasText) {
    StatementCursor& cursor = work.cursor;
    for (;;) {
        bool pointer = false;
        std::string name;
        // "FAR *LPPOINT": the last word of the declarator is its name.
        for (;;) {
            if (!cursor.SkipBlanks()) return;
            if (cursor.Current() == '*') {
                pointer = true;
                cursor.Advance();
                continue;
            }
            if (cursor.Current() == '#') {
                cursor.SkipLine();
                continue;
            }
            const std::string_view word = cursor.TakeWord(kOperatorDelimSet);
            if (!word.empty()) name = word;
            if (!cursor.SkipBlanks()) return;
            if (cursor.Current() == ',' || cursor.Current() == ';') break;
            if (word.empty()) cursor.Advance();  // punctuation no declarator name holds
        }
        if (pointer) {
            RegisterTypeName(work.session, name, PointerCode(work.session));
        } else if (aliasText == nullptr) {
            RegisterTypeName(work.session, name, TC_DWORD);
        } else if (!name.empty()) {
            RegisterTypeName(work.session, name, TC_STRUCT);
            aliasText->append(",").append(name);
        }
        if (cursor.Current() == ';') return;
        cursor.Advance();
    }
}

bool IsVtblName(std::string_view name) {
    const std::optional<int> at = InString(1, name, "Vtbl", Case::Ignore);
    return at && static_cast<size_t>(*at) + 3 == name.size();
}

}  // namespace ondavel
