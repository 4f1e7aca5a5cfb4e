#include "preprocessor/nested_directive.h"

#include "core/text.h"
#include "preprocessor/directives.h"
#include "session/session.h"

namespace ondavel {

namespace {

enum class Conditional { Ifndef, Ifdef, If, Elif, Error };

struct ConditionalDirective {
    std::string_view word;
    Conditional kind;
};

// Tried in this order, each at the start of the line: "#if" would also take "#ifdef".
constexpr ConditionalDirective kConditionals[] = {{"#ifndef", Conditional::Ifndef},
                                                  {"#ifdef", Conditional::Ifdef},
                                                  {"#if", Conditional::If},
                                                  {"#elif", Conditional::Elif},
                                                  {"#error", Conditional::Error}};

// Whether the line begins with prefix, a-z folded, read as InString reads it: up to its
// first CR or NUL, and never when it is over-long.
bool LineStartsWith(std::string_view line, std::string_view prefix) {
    return InString(1, line, prefix, Case::Ignore) == 1;
}

const ConditionalDirective* FindConditional(std::string_view line) {
    for (const ConditionalDirective& directive : kConditionals) {
        if (LineStartsWith(line, directive.word)) return &directive;
    }
    return nullptr;
}

}  // namespace

NestedDirective ClassifyNestedDirective(std::string_view line) {
    if (LineStartsWith(line, "#else")) return NestedDirective::Else;
    if (LineStartsWith(line, "#endif")) return NestedDirective::Endif;
    if (InString(1, line, "#define", Case::Ignore).has_value() ||
        (line.size() > 1 && line[0] == '#' && IsBlank(line[1]))) {
        return NestedDirective::Commented;
    }
    return FindConditional(line) != nullptr ? NestedDirective::Conditional : NestedDirective::Other;
}

std::string CommentedDirective(std::string_view line) {
    std::string comment(line);
    if (const size_t hash = comment.find('#'); hash != std::string::npos) comment[hash] = ';';
    return comment;
}

uint32_t TranslateNestedConditional(Session& session, std::string_view line,
                                    StatementSpan directive, HeapBlock* block) {
    const ConditionalDirective* conditional = FindConditional(line);
    if (conditional == nullptr) return directive.firstLine;
    // The directive line holds code, so no comment was open before it: the conditional reads
    // it again from that state.
    session.header.inBlockComment = false;
    switch (conditional->kind) {
        case Conditional::Ifndef:
            return TranslateIfndef(session, directive, block);
        case Conditional::Ifdef:
            return TranslateIfdef(session, directive, block);
        case Conditional::If:
            return TranslateIf(session, directive, block, IfForm::If);
        case Conditional::Elif:
            return TranslateIf(session, directive, block, IfForm::Elif);
        case Conditional::Error:
            TranslateError(session, directive, block);
            return directive.firstLine;
    }
    return directive.firstLine;
}

}  // namespace ondavel
