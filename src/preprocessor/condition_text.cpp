#include "preprocessor/condition_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/output.h"
#include "core/session.h"
#include "core/text.h"
#include "preprocessor/expression_words.h"

namespace ondavel {

namespace {

struct OperatorRow {
    std::string_view c;
    std::string_view masm;
};

// Tried in this order: two-character operators before their one-character prefixes.
constexpr std::array<OperatorRow, 15> kOperators{{
    {"(", "("},
    {")", ")"},
    {"&&", " AND "},
    {"||", " OR "},
    {">=", " GE "},
    {"==", " EQ "},
    {"!=", " NE "},
    {"<=", " LE "},
    {"<<", " SHL "},
    {">>", " SHR "},
    {"<", " LT "},
    {">", " GT "},
    {"&", " AND "},
    {"|", " OR "},
    {"!", " NOT "},
}};

constexpr std::string_view kDefined = "defined";
// A word is tested as a number up to one of these; a name runs on past ')'.
constexpr std::string_view kNumberEnd = " \t\\)";
constexpr std::string_view kNameEnd = " \t\\";

enum class Next { Token, End, Failed };

class ConditionRewriter {
  public:
    ConditionRewriter(Session& session, LineIndex& index, StatementReader& reader, size_t start,
                      std::string& output)
        : session_(session), index_(index), reader_(reader), at_(start), output_(output) {}

    bool Run() {
        bool wordFollows = false;
        for (;;) {
            const Next next = SkipToToken();
            if (next != Next::Token) return next == Next::End;
            if (wordFollows) {
                wordFollows = false;
                AppendWord();
            } else if (const OperatorRow* row = OperatorAt(); row != nullptr) {
                output_.append(row->masm);
                at_ += row->c.size();
                // After a lone '&' the operand is copied as a word, whatever it begins with.
                wordFollows = row->c == "&";
            } else if (DefinedAt()) {
                AppendDefined();
            } else {
                AppendWord();
            }
        }
    }

  private:
    std::string_view Text() const { return reader_.workLine; }

    // Passes over blanks and tabs; a backslash goes on with the statement's next line.
    Next SkipToToken() {
        for (;;) {
            const std::string_view text = Text();
            while (at_ < text.size() && IsBlank(text[at_])) ++at_;
            if (at_ >= text.size()) return Next::End;
            if (text[at_] != '\\') return Next::Token;
            if (NextStatementLine(session_, index_, reader_) < 0) return Next::Failed;
            at_ = 0;
        }
    }

    const OperatorRow* OperatorAt() const {
        const std::string_view rest = Text().substr(at_);
        for (const OperatorRow& row : kOperators) {
            if (rest.starts_with(row.c)) return &row;
        }
        return nullptr;
    }

    bool DefinedAt() const {
        const std::string_view rest = Text().substr(at_);
        if (rest.size() < kDefined.size()) return false;
        for (size_t i = 0; i < kDefined.size(); ++i) {
            if (FoldCase(rest[i]) != FoldCase(kDefined[i])) return false;
        }
        return true;
    }

    // "defined X" and "defined(X)" both become "DEFINED(X)".
    void AppendDefined() {
        const std::string_view text = Text();
        output_.append("DEFINED");
        at_ += kDefined.size();
        while (at_ < text.size() && IsBlank(text[at_])) ++at_;
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

    // Numbers are converted and appended without a blank; any other word is copied after one
    // blank, with whatever is glued to it.
    void AppendWord() {
        const std::string_view text = Text();
        const size_t numberEnd = std::min(text.find_first_of(kNumberEnd, at_), text.size());
        const std::string_view word = text.substr(at_, numberEnd - at_);
        if (IsNumberText(word).isNumber) {
            if (NumberToMasm(word, number_)) {
                output_.append(number_);
            } else {
                WriteJournalLine(session_, "echec traduction chiffre");
            }
            at_ = numberEnd;
            return;
        }
        const size_t end = std::min(text.find_first_of(kNameEnd, at_), text.size());
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
