#include "preprocessor/condition_text.h"

#include <algorithm>
#include <string_view>

#include "core/text.h"
#include "knowledge/knowledge.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/operator_words.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

constexpr std::string_view kDefined = "defined";

enum class Next { Token, End, Failed };

class ConditionRewriter {
  public:
    ConditionRewriter(Session& session, LineIndex& index, StatementReader& reader, size_t start,
                      std::string& output)
        : session_(session), index_(index), reader_(reader), at_(start), output_(output) {}

    bool Run() {
        for (;;) {
            const Next next = SkipToToken();
            if (next != Next::Token) return next == Next::End;
            const size_t nameEnd = NameEnd();
            if (Text().substr(at_, nameEnd - at_) == kDefined) {
                AppendDefined(nameEnd);
            } else if (IsOneOf(Text()[at_], "(),")) {
                output_.push_back(Text()[at_++]);
            } else if (const OperatorWord* op = OperatorAt(Text().substr(at_)); op != nullptr) {
                at_ += op->c.size();
                AppendOperator(*op);
            } else if (nameEnd == at_) {
                AppendOther();
            } else if (IsDigit(Text()[at_])) {
                AppendNumber(nameEnd);
            } else {
                AppendName(nameEnd);
            }
        }
    }

  private:
    std::string_view Text() const { return reader_.workLine; }

    // Where the name or number that starts at the position ends (the position itself when
    // none starts there). A number runs on over its '.'.
    size_t NameEnd() const {
        const std::string_view text = Text();
        size_t end = at_;
        const bool number = IsDigit(text[at_]);
        while (end < text.size() && (IsNameCharacter(text[end]) || (number && text[end] == '.'))) {
            ++end;
        }
        return end;
    }

    // Whether a name that is no call and no "defined", or a number, follows. C's ! of such a
    // value is 1 or 0, where NOT 1 would be -2, which is true.
    bool PlainValueFollows() const {
        const std::string_view text = Text();
        const size_t start = SkipBlanks(text, at_);
        size_t end = start;
        while (end < text.size() && IsNameCharacter(text[end])) ++end;
        const size_t next = SkipBlanks(text, end);
        return end > start && text.substr(start, end - start) != kDefined &&
               (next >= text.size() || text[next] != '(');
    }

    // Passes over blanks and tabs; a backslash goes on with the statement's next line.
    Next SkipToToken() {
        for (;;) {
            const std::string_view text = Text();
            while (at_ < text.size() && IsBlank(text[at_])) ++at_;
            if (at_ >= text.size()) return Next::End;
            if (text[at_] != '\\') return Next::Token;
            if (!NextStatementLine(session_, index_, reader_)) return Next::Failed;
            at_ = 0;
        }
    }

    // An operator is written as its MASM word between blanks ('(', ')' and ',' are copied as
    // they stand before operators are looked for).
    void AppendOperator(const OperatorWord& op) {
        if (op.c == "!" && PlainValueFollows()) {
            output_.append(" 0 EQ ");
        } else {
            output_.append(" ").append(op.masm).append(" ");
        }
    }

    // "defined X" and "defined(X)" both become "DEFINED(X)".
    void AppendDefined(size_t wordEnd) {
        const std::string_view text = Text();
        output_.append("DEFINED");
        at_ = SkipBlanks(text, wordEnd);
        if (at_ < text.size() && text[at_] == '(') {
            const size_t close = text.find(')', at_);
            const size_t end = close == std::string_view::npos ? text.size() : close + 1;
            output_.append(text.substr(at_, end - at_));
            at_ = end;
            return;
        }
        const size_t end = std::min(text.find_first_of(kBlanks, at_), text.size());
        output_.append("(").append(text.substr(at_, end - at_)).append(")");
        at_ = end;
    }

    // Numbers are converted and appended without a blank.
    void AppendNumber(size_t end) {
        const std::string_view word = Text().substr(at_, end - at_);
        at_ = end;
        if (!IsNumberText(word).isNumber) {
            output_.append(" ").append(word);
        } else if (NumberToMasm(word, number_)) {
            output_.append(number_);
        } else {
            WriteJournalLine(session_, texts::kNumberNotTranslated);
        }
    }

    // A name followed by '(' calls a macro function. Any other name is read through VALUEOF:
    // C takes a name that nothing defines as 0, where the assembler would stop.
    void AppendName(size_t end) {
        std::string name(Text().substr(at_, end - at_));
        at_ = end;
        LookupKnowledge(session_, name, LookupKind::Incompatible, &name);
        const size_t next = SkipBlanks(Text(), at_);
        if (next < Text().size() && Text()[next] == '(') {
            output_.append(" ").append(name);
            at_ = next;
        } else {
            output_.append(" VALUEOF(").append(name).append(")");
        }
    }

    // Text that is neither a name, a number nor an operator is copied up to the next blank.
    void AppendOther() {
        const std::string_view text = Text();
        const size_t end = std::min(text.find_first_of(" \t\\", at_), text.size());
        output_.append(" ").append(text.substr(at_, end - at_));
        at_ = end;
    }

    Session& session_;
    LineIndex& index_;
    StatementReader& reader_;
    size_t at_;
    std::string& output_;
    std::string number_;
};

}  // namespace

bool RewriteCondition(Session& session, LineIndex& index, StatementReader& reader, size_t start,
                      std::string& output) {
    return ConditionRewriter(session, index, reader, start, output).Run();
}

}  // namespace ondavel
