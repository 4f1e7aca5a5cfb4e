// A C function-like macro whose body is an expression becomes a MASM macro function:
//
//	NAME MACRO p1,p2
//		local Value
//		Value equ BODY
//		EXITM <Value>
//		ENDM
//
// The macro is written whole or not at all; one with a line longer than the assembler's is
// journalled instead.
#include "preprocessor/directives.h"
#include "session/knowledge_lookup.h"

#include <algorithm>
#include <string>

#include "core/assembler_line.h"
#include "core/host.h"
#include "core/text.h"
#include "knowledge/knowledge.h"
#include "preprocessor/declared_names.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/macro_body.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

constexpr std::string_view kValueLines = "\r\n\t\tlocal Value\r\n\t\tValue equ ";
constexpr std::string_view kClosingText = "\r\n\t\tEXITM <Value>\r\n\t\tENDM";

// Skips blanks and tabs; a backslash among them goes on with the statement's next line.
bool SkipBlanksAcrossLines(MacroText& text) {
    for (;;) {
        const std::string_view line = text.reader.workLine;
        text.at = SkipBlanks(line, text.at);
        if (text.at >= line.size() || line[text.at] != '\\') return true;
        if (!FetchMacroLine(text)) return false;
    }
}

// Moves past "#define" and the blanks around the directive word.
bool SkipDirective(MacroText& text) {
    if (text.reader.workLine.starts_with('#')) ++text.at;
    if (!SkipBlanksAcrossLines(text)) return false;
    const std::string_view line = text.reader.workLine;
    text.at = SkipBlanks(line, std::min(line.find_first_of(kBlanks, text.at), line.size()));
    return SkipBlanksAcrossLines(text);
}

// "(p1, p2, ...)" at text.at: each name goes to the parameter list and to the header, joined
// by "," alone. A macro without parameters, or an empty or ill-separated one, is refused.
bool ReadParameters(MacroText& text) {
    const std::string_view line = text.reader.workLine;
    for (;;) {
        text.at = SkipBlanks(line, text.at + 1);  // past the '(' or the ','
        const std::string_view parameter = CutWord(line, text.at);
        if (parameter.empty()) return false;
        if (!text.parameters.empty()) text.output.push_back(',');
        text.output.append(parameter);
        text.parameters.emplace_back(parameter);
        text.at = SkipBlanks(line, text.at);
        if (text.at >= line.size()) return false;
        if (line[text.at] == ')') {
            ++text.at;
            return true;
        }
        if (line[text.at] != ',') return false;
    }
}

// Reads "#define NAME(p1, p2)" into the first lines of the output and name.
bool ReadHeader(MacroText& text, std::string& name) {
    if (!FetchMacroLine(text) || !SkipDirective(text)) return false;
    const std::string_view line = text.reader.workLine;
    name = CutWord(line, text.at);
    // The '(' must follow the name directly: "NAME (x)" is an object-like #define.
    if (name.empty() || text.at >= line.size() || line[text.at] != '(' ||
        !IsValidEquateName(name)) {
        return false;
    }
    // A name the assembler keeps for itself (the code segment's "_TEXT") takes the
    // replacement an equate of that name takes.
    LookupKnowledge(text.session, name, LookupKind::IncompatibleEquate, &name);
    text.output.append("\t").append(name).append(" MACRO ");
    if (!ReadParameters(text)) return false;
    text.output.append(kValueLines);
    StatementCounts& counts = text.session.statement.counts;
    --counts.openParens;
    --counts.closeParens;
    return true;
}

// A name the header already gave to an equate, a structure or a prototype cannot become a
// macro: the assembler would refuse the MACRO line and then every line of its body.
bool IsNameTaken(Session& session, std::string_view name) {
    return session.header.equateNames.contains(name) ||
           IsDeclaredStructureOrPrototype(session, name);
}

}  // namespace

void TranslateMacro(Session& session, StatementSpan statement) {
    MacroText text(session, statement.source);
    text.reader.lineNumber = statement.firstLine - 1;
    std::string name;
    if (!ReadHeader(text, name) || IsNameTaken(session, name)) return;
    const MacroStep end = TranslateMacroBody(text);
    if (end == MacroStep::TooLong) {
        session.host.ShowMessage(name, texts::kMacroTooLong, MessageIcon::Stop);
        return;
    }
    // The closing text must fit in the equate text with the terminator.
    if (end != MacroStep::Complete ||
        text.output.size() + kClosingText.size() >= kEquateTextCapacity) {
        return;
    }
    text.output.append(kClosingText);
    if (LongestLogicalLine(text.output) > kAssemblerLineLimit) {
        ReportTooLong(session, statement.firstLine, texts::kMacroRoutine);
        return;
    }
    WriteOutputLine(session, text.output);
    AppendPieceToHeapBlock(session.header.names.macroNames, name);
}

}  // namespace ondavel
