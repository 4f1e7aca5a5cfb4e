// #define NAME value  ->  NAME<tab>equ<tab>< value in MASM syntax >
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "core/assembler_line.h"
#include "core/comment_split.h"
#include "core/host.h"
#include "core/kept_buffers.h"
#include "core/line_index.h"
#include "core/text.h"
#include "declarations/type_list_index.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "preprocessor/declared_names.h"
#include "preprocessor/directives.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/name_pair.h"
#include "preprocessor/operator_words.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// The checks below keep room in the equate text for what is appended.
constexpr size_t kExamineLimit = kEquateTextCapacity - 6;
constexpr size_t kAppendLimit = kEquateTextCapacity - 1;

enum class Step { Next, Done, Abandon };

// A quoted text as the equate's < > must hold it: '!' takes the next character as it is, and
// '<' and '>' open and close, so each of the three is written after a '!' ("!<arch>" as
// "!!!<arch!>").
std::string TextLiteralForm(std::string_view quoted) {
    std::string form;
    for (const char c : quoted) {
        if (c == '!' || c == '<' || c == '>') form.push_back('!');
        form.push_back(c);
    }
    return form;
}

// Whether a value taken out of its parentheses needs them back: when, a leading sign or NOT
// aside, a blank separates operands outside any inner parentheses ("A OR B", not "- 1" nor
// "FOO( 1)"). Without them "X equ <A OR B>" used as "X*2" would read "A OR (B*2)".
bool NeedsParentheses(std::string_view value) {
    value = TrimText(value).value_or(value);
    for (const std::string_view sign : {"-", "+", "NOT"}) {
        if (value.starts_with(sign)) {
            value.remove_prefix(sign.size());
            value = TrimText(value).value_or(value);
            break;
        }
    }
    int depth = 0;
    for (const char c : value) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (depth == 0 && IsBlank(c)) return true;
    }
    return false;
}

// Whether the assembler may hold the name already, when the equate comes: an enumerator's
// name, and a callback type's name, which a header may give to the callback's 64-bit form
// afterwards (dbghelp.h's PSYMBOL_FUNCENTRY_CALLBACK).
bool MayBeTaken(Session& session, const std::string& name) {
    if ((session.run.batchNames.flags(name) & kNumericEnumerator) != 0) return true;
    return MendsOtherBuildsBranches(session.run.target) &&
           (ListsHolding(session, name) & ListBit(&NameLists::callbackNames)) != 0;
}

// Writes the equates of name, only where the name is free when it may be taken: the name of a
// numeric enumerator keeps that value, as the assembler refuses a text equate after it.
void WriteEquates(Session& session, const std::string& name, const std::string& text) {
    const bool guarded = MayBeTaken(session, name);
    if (guarded) WriteOutputLine(session, "IFNDEF " + name);
    WriteOutputLine(session, text);
    if (guarded) WriteOutputLine(session, "ENDIF");
    session.header.equateNames.insert(name);
    session.run.batchNames.add(name, kDefinedName);
}

// The equates of a name that stands for its ANSI or its wide form; the name is then the type
// its forms are.
void WriteNamePair(Session& session, const std::string& name, const NamePair& pair) {
    WriteEquates(session, name, pair.equates);
    ShareTypeLists(session, name, pair.narrow);
    ShareTypeLists(session, name, pair.wide);
}

// The line, the name, the comment and the equate of a definition: a batch translates some
// hundred thousand definitions, one at a time, in the buffers of the one before.
struct DefineBuffers {
    std::string line;
    std::string name;
    std::string comment;
    std::string output;
};

class DefineTranslation {
  public:
    DefineTranslation(Session& session, StatementSpan statement)
        : session_(session), index_(statement.source), counts_(session.statement.counts) {
        reader_.lineNumber = statement.firstLine;
    }

    void Run() {
        if (!ReadFirstLine()) return;
        if (!SkipDirective()) return;
        std::string& name = ReadName();
        if (!IsValidEquateName(name)) return;
        if (IsDeclaredStructureOrPrototype(session_, name)) {
            WriteStructureAlias(name);
            return;
        }
        if (pos_ >= line_.size() && name.empty()) return;  // "#define" alone says nothing
        LookupKnowledge(session_, name, LookupKind::IncompatibleEquate, &name);
        output_.assign(name).append("\tequ\t");
        if (pos_ >= line_.size()) {
            Write(name);
            session_.run.emptyMacros.insert(name);
            return;
        }
        if (auto pair = NamePairEquates(name, std::string_view(line_).substr(pos_)); pair) {
            WriteNamePair(session_, name, *pair);
            return;
        }
        const bool standsForNothing = MendsOtherBuildsBranches(session_.run.target) &&
                                      NamesOnlyEmptyMacros(std::string_view(line_).substr(pos_));
        output_.push_back('<');
        SkipCastBeforeNumber();
        if (ExamineValue() == Step::Done && !NamesItself(name)) Write(name);
        if (standsForNothing) session_.run.emptyMacros.insert(name);
    }

  private:
    // "#define UPOINTER_32 POINTER_UNSIGNED POINTER_32", where both words stand for nothing:
    // in a declaration the name stands for nothing too.
    bool NamesOnlyEmptyMacros(std::string_view value) const {
        bool named = false;
        for (size_t at = 0; at < value.size();) {
            if (IsBlank(value[at])) {
                ++at;
                continue;
            }
            size_t end = at;
            while (end < value.size() && IsNameCharacter(value[end])) ++end;
            if (end == at) return false;
            if (!session_.run.emptyMacros.contains(value.substr(at, end - at))) {
                return false;
            }
            named = true;
            at = end;
        }
        return named;
    }

    // "#define X X", or a wrapper that gives back its argument ("#define X NAMED(X)"): C
    // leaves X as it is, where an equate of X to itself would never end.
    bool NamesItself(const std::string& name) const {
        constexpr std::string_view kEquate = "\tequ\t<";
        std::string_view value = output_;
        if (!value.starts_with(name) || !value.substr(name.size()).starts_with(kEquate)) {
            return false;
        }
        value.remove_prefix(name.size() + kEquate.size());
        const auto isName = [&](std::string_view text) {
            return text.size() == name.size() + 1 && text.starts_with(name) && text.back() == '>';
        };
        return isName(value) || (value.starts_with(' ') && isName(value.substr(1)));
    }

    // An equate longer than the assembler's line is journalled instead of written.
    void Write(const std::string& name) {
        if (LongestLogicalLine(output_) > kAssemblerLineLimit) {
            TooLong();
            return;
        }
        WriteEquates(session_, name, output_);
        KeepWordValue(name);
    }

    // "NAME\tequ\t< 6>", "NAME\tequ\t< SIZE_T>": a value of one word is kept for the bit fields
    // and members that name NAME; a later definition of NAME with another value forgets it.
    void KeepWordValue(const std::string& name) {
        constexpr std::string_view kOpen = "\tequ\t<";
        std::string_view value;
        const size_t open = output_.find(kOpen);
        if (open != std::string::npos && output_.ends_with('>')) {
            const size_t start = open + kOpen.size();
            value = Trimmed(std::string_view(output_).substr(start, output_.size() - start - 1));
        }
        auto& words = session_.header.wordEquates;
        if (!value.empty() && std::all_of(value.begin(), value.end(), IsNameCharacter)) {
            words.insert_or_assign(name, std::string(value));
        } else {
            words.erase(name);
        }
    }

    // "#define SLIST_ENTRY SINGLE_LIST_ENTRY" where SLIST_ENTRY is a structure already: in C
    // the name stands for the other structure from here on, a TYPEDEF of it where the name is
    // free. Any other value is not written.
    void WriteStructureAlias(const std::string& name) {
        const std::string_view value = Trimmed(std::string_view(line_).substr(pos_));
        if (value.empty() || FindFirstOf(value, kNameDelimiters) != std::string_view::npos) return;
        std::string masmName;
        const uint32_t code = ClassifyType(session_, value, masmName);
        if (code != TC_STRUCT && code != TC_UNION) return;
        const std::string structure = StructureTypeName(session_, value, masmName);
        if (structure != name) WriteAliasWhereFree(session_, name, structure);
    }

    bool ReadFirstLine() {
        std::string_view raw;
        if (!index_.Line(reader_.lineNumber, raw)) return false;
        if (const std::optional<std::string_view> code =
                UncommentedCode(index_, raw, session_.header.inBlockComment)) {
            line_.assign(*code);
        } else if (!SplitFirstLine(raw)) {
            return false;
        }
        BlankResourceMacro();
        return true;
    }

    // The first line's code, trimmed, in line_; false when it has none.
    bool SplitFirstLine(std::string_view raw) {
        if (!CopyIndexedLine(index_, line_, raw) || line_.empty()) return false;
        SplitComment(line_, KeptBuffers<DefineBuffers>().comment, session_.header.inBlockComment);
        const std::string_view trimmed = Trimmed(line_);
        if (trimmed.empty()) return false;
        KeepPart(line_, trimmed);
        return true;
    }

    // MAKEINTRESOURCE(n) stands for the number n alone. Only a call is blanked: the macro's
    // own name ("#define MAKEINTRESOURCE __MINGW_NAME_AW(MAKEINTRESOURCE)") stays a name.
    void BlankResourceMacro() {
        if (!HoldsIgnoringCase(line_, "MAKEINTRESOURCE")) return;  // as in most definitions
        const std::optional<int> at = InString(1, line_, "MAKEINTRESOURCE", Case::Ignore);
        if (!at) return;
        const size_t start = static_cast<size_t>(*at) - 1;
        const size_t after = line_.find_first_not_of(" \t", start + 15);
        if (after == std::string::npos || line_[after] != '(') return;
        line_.replace(start, 15, 15, ' ');
        for (size_t i = start + 15; i < line_.size(); ++i) {
            if (line_[i] == '(' || line_[i] == ')') line_[i] = ' ';
        }
    }

    // Moves on to the next physical line of the statement; false when there is none.
    bool NextLine() {
        if (!NextStatementLine(session_, index_, reader_)) return false;
        line_ = reader_.workLine;
        pos_ = 0;
        return true;
    }

    // Skips blanks and tabs; a backslash among them continues on the next line.
    bool SkipBlanks() {
        for (;;) {
            while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
            if (pos_ >= line_.size() || line_[pos_] != '\\') return true;
            if (!NextLine()) return false;
        }
    }

    bool SkipDirective() {
        pos_ = 1;
        if (!SkipBlanks()) return false;
        while (pos_ < line_.size() && !IsBlank(line_[pos_])) ++pos_;
        return SkipBlanks();
    }

    std::string& ReadName() {
        const size_t end = std::min(FindFirstOf(line_, kNameDelimiters, pos_), line_.size());
        std::string& name = KeptBuffers<DefineBuffers>().name;
        name.assign(line_, pos_, end - pos_);
        pos_ = end;
        return name;
    }

    // "(TYPE) 16" or "(LONG)-1": a number after the line's last ')' is the whole value.
    void SkipCastBeforeNumber() {
        if (line_.back() == '\\') return;
        const size_t nameEnd = pos_;
        size_t stop = line_.rfind(')');
        if (stop == std::string::npos || stop < nameEnd) stop = nameEnd;
        const std::string_view tail = std::string_view(line_).substr(stop + 1);
        if (tail.size() <= 1) return;
        const std::string_view trimmed = Trimmed(tail);
        const std::string reversed(trimmed.rbegin(), trimmed.rend());
        if (!IsNumberCharacters(reversed).isNumber) return;
        pos_ = stop + 1;
    }

    Step ExamineValue() {
        for (;;) {
            if (output_.size() > kExamineLimit) return TooLong();
            if (pos_ >= line_.size()) {
                output_.push_back('>');
                return Step::Done;
            }
            const Step step = ExamineCharacter();
            if (step != Step::Next) return step;
        }
    }

    Step ExamineCharacter() {
        const char c = line_[pos_];
        const char next = pos_ + 1 < line_.size() ? line_[pos_ + 1] : '\0';
        if (c == 'L' && IsQuote(next)) {
            ++pos_;  // wide string prefix
            return Step::Next;
        }
        if (c == ')') return CloseParen();
        if (c == '(') return OpenParen();
        if (IsBlank(c)) {
            ++pos_;
            return Step::Next;
        }
        if (IsQuote(c) && callDepth_ == 0) return StringLiteral();
        if (IsQuote(c)) return Word();
        return Operator(c);
    }

    // An operator is written as its MASM word after a blank. A value takes no comparison, '%'
    // nor '^': "!=" reads as NOT and the word "=", and a '<' or '>' that opens no shift
    // abandons the equate.
    Step Operator(char c) {
        if (c == ',') {
            output_.push_back(',');
            ++pos_;
            return Step::Next;
        }
        if (c == '\\') return Continuation();
        if (c == ':') return Step::Abandon;
        const OperatorWord* op = OperatorAt(std::string_view(line_).substr(pos_),
                                            {"==", "!=", "<=", ">=", "<", ">", "%", "^"});
        if (op != nullptr) {
            output_.append(" ").append(op->masm);
            pos_ += op->c.size();
            return Step::Next;
        }
        if (c == '<') return Abandon(texts::kLessThanCaption);
        if (c == '>') return Abandon(texts::kGreaterThanCaption);
        return Word();
    }

    Step Abandon(std::string_view caption) {
        session_.host.ShowMessage(caption, texts::kAbandoned, MessageIcon::Stop);
        return Step::Abandon;
    }

    Step Continuation() {
        output_.append(" \\\r\n\t\t");
        return NextLine() ? Step::Next : Step::Abandon;
    }

    Step CloseParen() {
        ++pos_;
        if (counts_.closeParens > 0) --counts_.closeParens;
        const bool valueEnds = counts_.closeParens == 0 && RestIsBlank();
        if (openCopied_ > 0) {
            output_.push_back(')');
            --openCopied_;
            if (callDepth_ > 0) --callDepth_;
        } else if (outerParen_ != std::string::npos) {
            // The ')' of the dropped outer '(': both come back when more follows them or
            // when the operands between them need them.
            if (!valueEnds || NeedsParentheses(std::string_view(output_).substr(outerParen_))) {
                output_.insert(outerParen_, 1, '(');
                output_.push_back(')');
            }
            outerParen_ = std::string::npos;
        } else if (!valueEnds) {
            output_.push_back(')');
        }
        if (counts_.closeParens > 0 || !valueEnds) return Step::Next;
        output_.push_back('>');
        return Step::Done;
    }

    bool RestIsBlank() const { return line_.find_first_not_of(kBlanks, pos_) == std::string::npos; }

    // The value's outer '(' goes when it opens the value (it comes back where needed); any
    // other '(' is copied.
    Step OpenParen() {
        ++pos_;
        const bool first = !counts_.firstParenSeen;
        counts_.firstParenSeen = true;
        if (first && callDepth_ == 0 && output_.ends_with('<')) {
            outerParen_ = output_.size();
            return Step::Next;
        }
        output_.push_back('(');
        ++openCopied_;
        return Step::Next;
    }

    // A string is the whole value: MASM cannot join it to what comes before it, as C joins
    // NAME TEXT("x") into one string. A character constant is a number and may follow.
    Step StringLiteral() {
        if (line_[pos_] == '"' && !output_.ends_with('<')) return Step::Abandon;
        const size_t close = line_.find_first_of("\"'", pos_ + 1);
        const size_t end = close == std::string::npos ? line_.size() : close + 1;
        output_.append(TextLiteralForm(std::string_view(line_).substr(pos_, end - pos_)));
        output_.push_back('>');
        return Step::Done;
    }

    // A quoted word (a character constant in a call: "sndAlias('S', '!')") runs to its
    // closing quote and is written as a string is.
    Step Word() {
        const bool quoted = IsQuote(line_[pos_]);
        const size_t close = quoted ? line_.find(line_[pos_], pos_ + 1)
                                    : FindFirstOf(line_, kOperatorDelimSet, pos_ + 1);
        const size_t end = close == std::string::npos ? line_.size() : close + (quoted ? 1 : 0);
        std::string word = line_.substr(pos_, end - pos_);
        if (quoted) word = TextLiteralForm(word);
        pos_ = end;
        if (!SkipBlanks()) return Step::Abandon;
        const char next = pos_ < line_.size() ? line_[pos_] : '\0';
        if (!counts_.firstParenSeen && next == '(') {
            // Before the value's first '(': a wrapper of one argument goes, a call stays; so
            // does a call of a macro function the header wrote, which the assembler makes.
            if (counts_.commas == 0 && !IsWrittenMacro(session_, word)) return Step::Next;
            ++callDepth_;
            return AppendWord(word);
        }
        if (counts_.firstParenSeen && next == '(') {
            if (InString(1, word, "sizeof", Case::Ignore).has_value()) return SizeofGroup(word);
            ++callDepth_;
            return AppendWord(word);
        }
        if (RemoveCast()) return Step::Next;
        std::string number;
        if (IsNumberText(word).isNumber && NumberToMasm(word, number)) word = number;
        return AppendWord(word);
    }

    // A word alone between '(' and ')' with an operand after them ("(DWORD)0x80", "(HANDLE)-1"),
    // or before '*'s and a ')', is a cast: the '(' in the output becomes a blank and the ')' is
    // consumed. "(A) | B" keeps its A. Returns true when the word is gone.
    bool RemoveCast() {
        size_t at = pos_;
        while (at < line_.size() && (line_[at] == '*' || IsBlank(line_[at]))) ++at;
        const bool closes = at < line_.size() && line_[at] == ')';
        const bool pointerCast = at > pos_ && closes;
        const bool plainCast = at == pos_ && closes && callDepth_ == 0 && OperandFollows(at + 1);
        if (!pointerCast && !plainCast) return false;
        if (plainCast && output_.size() == outerParen_) {
            // "(TYPE)2": the cast's '(' was taken for the value's outer one.
            outerParen_ = std::string::npos;
            pos_ = at + 1;
            if (counts_.closeParens > 0) --counts_.closeParens;
            return true;
        }
        // Without a '(' before it, a pointer cast loses its word and its '*'s are examined.
        if (output_.empty() || output_.back() != '(') return pointerCast;
        output_.back() = ' ';
        --openCopied_;
        pos_ = at + 1;
        if (counts_.closeParens > 0) --counts_.closeParens;
        return true;
    }

    bool OperandFollows(size_t from) const {
        const size_t at = line_.find_first_not_of(kBlanks, from);
        if (at == std::string::npos) return false;
        const char c = line_[at];
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               std::string_view("_(-+~!'\"").find(c) != std::string_view::npos;
    }

    Step SizeofGroup(const std::string& word) {
        const std::string_view group = std::string_view(line_).substr(pos_);
        if (!SizeofGroupFits(group, output_.size())) return TooLong();
        pos_ += AppendSizeofGroup(session_, word, group, output_);
        return Step::Next;
    }

    Step AppendWord(const std::string& word) {
        if (output_.size() + word.size() + 1 > kAppendLimit) return TooLong();
        output_.append(" ").append(word);
        return Step::Next;
    }

    Step TooLong() {
        ReportTooLong(session_, counts_.firstLine, texts::kDefineRoutine);
        return Step::Abandon;
    }

    Session& session_;
    LineIndex& index_;
    StatementCounts& counts_;
    StatementReader reader_;
    std::string& line_ = KeptBuffers<DefineBuffers>().line;
    size_t pos_ = 0;
    std::string& output_ = KeptBuffers<DefineBuffers>().output;
    int callDepth_ = 0;
    size_t outerParen_ = std::string::npos;  // where the value's dropped outer '(' stood
    int openCopied_ = 0;                     // '(' in the output not closed yet
};

}  // namespace

bool TranslateTypedefPair(Session& session, std::string_view code) {
    const std::optional<TypedefPair> pair = TypedefPairEquates(code);
    if (!pair) return false;
    if (!IsDeclaredStructureOrPrototype(session, pair->name)) {
        WriteNamePair(session, pair->name, pair->equates);
    }
    return true;
}

void TranslateDefine(Session& session, StatementSpan statement) {
    DefineTranslation(session, statement).Run();
}

}  // namespace ondavel
