#include "preprocessor/macro_body.h"

#include <algorithm>
#include <string>

#include "core/text.h"
#include "preprocessor/declared_names.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/operator_words.h"
#include "session/session.h"

namespace ondavel {

namespace {

// Past this many output characters the body is not examined any further. A word needs no
// measure of its own: one that would fill the equate text takes it past this limit just as
// well. A sizeof group is measured before it is appended.
constexpr size_t kExaminationLimit = kEquateTextCapacity - 10;

// String literals, the conditional operator and token pasting have no MASM equate form.
constexpr std::string_view kUnsupported = "\"':?#";

constexpr std::string_view kContinuation = " \\\r\n\t\t";

std::string_view LineOf(const MacroText& text) {
    return text.reader.workLine;
}

bool At(std::string_view line, size_t position, char c) {
    return position < line.size() && line[position] == c;
}

uint32_t& CloseParens(MacroText& text) {
    return text.session.statement.counts.closeParens;
}

MacroStep CloseParen(MacroText& text) {
    // The body's last ')' is dropped: it closes the '(' dropped at the start.
    if (--CloseParens(text) == 0) return MacroStep::Complete;
    text.output.append(" )");
    ++text.at;
    return MacroStep::Next;
}

// The end of a "(T)" group at open that is directly followed by '(': a cast, or 0.
size_t CastEnd(std::string_view line, size_t open) {
    const size_t close = line.find_first_of("()", open + 1);
    if (close == std::string_view::npos || line[close] != ')') return 0;
    return At(line, SkipBlanks(line, close + 1), '(') ? close + 1 : 0;
}

MacroStep OpenParen(MacroText& text) {
    StatementCounts& counts = text.session.statement.counts;
    const std::string_view line = LineOf(text);
    if (!counts.firstParenSeen) {  // the body's outer '(' is not needed around an equate
        counts.firstParenSeen = true;
        ++text.at;
        return MacroStep::Next;
    }
    if (const size_t castEnd = CastEnd(line, text.at); castEnd != 0) {
        text.at = castEnd;
        --counts.closeParens;
        return MacroStep::Next;
    }
    text.output.push_back('(');
    text.at = SkipBlanks(line, text.at + 1);
    return At(line, text.at, ')') ? MacroStep::Refused : MacroStep::Next;
}

bool EndsWithParenBlanksAside(std::string_view output) {
    const size_t last = output.find_last_not_of(kBlanks);
    return last != std::string_view::npos && output[last] == '(';
}

// A '*' right after '(' or right before ')' belongs to a pointer cast, which MASM cannot say.
MacroStep Star(MacroText& text) {
    const std::string_view line = LineOf(text);
    if (EndsWithParenBlanksAside(text.output) || At(line, SkipBlanks(line, text.at + 1), ')')) {
        return MacroStep::Refused;
    }
    text.output.append(" *");
    ++text.at;
    return MacroStep::Next;
}

MacroStep Continuation(MacroText& text) {
    text.output.append(kContinuation);
    return FetchMacroLine(text) ? MacroStep::Next : MacroStep::Refused;
}

// Appends the MASM word of the operator at text.at after a blank, or the ',' as it stands;
// false when there is none. '%' and '^' are no operators of a body: they stay in the word
// they stand in.
bool AppendOperator(MacroText& text) {
    const std::string_view rest = LineOf(text).substr(text.at);
    if (rest.starts_with(',')) {
        text.output.push_back(',');
        ++text.at;
        return true;
    }
    const OperatorWord* op = OperatorAt(rest, {"%", "^"});
    if (op == nullptr) return false;
    text.output.append(" ").append(op->masm);
    text.at += op->c.size();
    return true;
}

MacroStep AppendWord(MacroText& text, std::string_view word) {
    text.output.push_back(' ');
    text.output.append(word);
    return MacroStep::Next;
}

bool IsParameter(const MacroText& text, std::string_view word) {
    return std::find(text.parameters.begin(), text.parameters.end(), word) != text.parameters.end();
}

// A word alone between '(' and ')': a parameter keeps its place ("(a)" becomes "  a"), any
// other word is a cast and goes. Both parentheses go in either case.
MacroStep ParenthesisedWord(MacroText& text, std::string_view word) {
    text.output.back() = ' ';
    ++text.at;
    --CloseParens(text);
    return IsParameter(text, word) ? AppendWord(text, word) : MacroStep::Next;
}

// A call of a macro function the header wrote stays a call. When its '(' is the body's first,
// it is no outer parenthesis to drop: its ')' is not the body's last to drop either.
MacroStep MacroCall(MacroText& text, std::string_view word) {
    StatementCounts& counts = text.session.statement.counts;
    if (!counts.firstParenSeen) {
        counts.firstParenSeen = true;
        ++CloseParens(text);
    }
    // "( " and not "(": a lone parameter in the call keeps its parentheses.
    AppendWord(text, word);
    text.output.append("( ");
    ++text.at;
    return MacroStep::Next;
}

// A word directly followed by '(': a sizeof group is kept, and a call of a macro function the
// header wrote; any other call is refused.
MacroStep SizeofOrCall(MacroText& text, std::string_view word) {
    if (IsWrittenMacro(text.session, word)) return MacroCall(text, word);
    if (!InString(1, word, "sizeof", Case::Ignore).has_value()) return MacroStep::Refused;
    const std::string_view group = LineOf(text).substr(text.at);
    if (!SizeofGroupFits(group, text.output.size())) return MacroStep::TooLong;
    text.at += AppendSizeofGroup(text.session, word, group, text.output);
    return MacroStep::Next;
}

// "Version##0000": digits pasted onto a parameter. The headers paste onto hexadecimal
// numbers (0x0A00 and 0000 make 0x0A000000), so the parameter's value moves up by four bits
// a digit and the digits' value joins it. Other pasting has no equate form.
MacroStep PastedDigits(MacroText& text, std::string_view word) {
    const size_t paste = word.find("##");
    const std::string_view parameter = word.substr(0, paste);
    const std::string_view digits = word.substr(paste + 2);
    if (!IsParameter(text, parameter) || digits.empty() ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
        return MacroStep::Refused;
    }
    text.output.append(" ( ").append(parameter).append(" SHL ");
    text.output.append(std::to_string(4 * digits.size()));
    if (digits.find_first_not_of('0') != std::string_view::npos) {
        text.output.append(" OR 0").append(digits).append("h");
    }
    text.output.append(")");
    return MacroStep::Next;
}

MacroStep Word(MacroText& text) {
    const std::string_view line = LineOf(text);
    const std::string_view word = CutWord(line, text.at);
    if (word.empty()) return MacroStep::Refused;  // an assignment's '='
    if (word.find('#') != std::string_view::npos) return PastedDigits(text, word);
    if (At(line, text.at, '(')) return SizeofOrCall(text, word);
    text.at = SkipBlanks(line, text.at);
    if (At(line, text.at, '(')) return MacroStep::Refused;  // a call written "f (x)"
    std::string number;
    if (IsNumberText(word).isNumber && NumberToMasm(word, number)) {
        return AppendWord(text, number);
    }
    if (text.output.ends_with('(') && At(line, text.at, ')')) {
        return ParenthesisedWord(text, word);
    }
    return AppendWord(text, word);
}

MacroStep Examine(MacroText& text) {
    const std::string_view line = LineOf(text);
    if (text.at >= line.size()) return MacroStep::Complete;
    const char c = line[text.at];
    if (IsBlank(c)) {
        ++text.at;
        return MacroStep::Next;
    }
    if (c == ')') return CloseParen(text);
    if (c == '(') return OpenParen(text);
    if (c == '*') return Star(text);
    if (c == '\\') return Continuation(text);
    if (AppendOperator(text)) return MacroStep::Next;
    if (kUnsupported.find(c) != std::string_view::npos) return MacroStep::Refused;
    return Word(text);
}

}  // namespace

std::string_view CutWord(std::string_view line, size_t& at) {
    const size_t start = at;
    at = std::min(FindFirstOf(line, kOperatorDelimSet, start), line.size());
    return line.substr(start, at - start);
}

bool FetchMacroLine(MacroText& text) {
    text.at = 0;
    return NextStatementLine(text.session, text.index, text.reader);
}

// Every step either moves along the line, fetches the next line of the statement (which fails
// past its last line) or ends the body, so the examination always ends.
MacroStep TranslateMacroBody(MacroText& text) {
    for (;;) {
        if (text.output.size() > kExaminationLimit) return MacroStep::TooLong;
        const MacroStep step = Examine(text);
        if (step != MacroStep::Next) return step;
    }
}

}  // namespace ondavel
