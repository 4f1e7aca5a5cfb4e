#include "statements/dispatch.h"

#include <algorithm>

#include "aggregates/aggregates.h"
#include "core/heap_block.h"
#include "core/text.h"
#include "declarations/declarations.h"
#include "declarations/prototype_parameters.h"
#include "knowledge/knowledge.h"
#include "preprocessor/directives.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

// The most characters a pending aggregate macro name may have.
constexpr size_t kAggregateMacroLimit = 99;

std::string_view WordAt(std::string_view text, size_t from, std::string_view delimiters) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    size_t end = from;
    while (end < text.size() && !IsOneOf(text[end], delimiters)) ++end;
    return text.substr(std::min(from, text.size()), end - from);
}

// The name a "#define NAME ..." line defines: the blank-separated word after the directive.
std::string_view DefinedName(std::string_view code) {
    size_t directiveEnd = 0;
    while (directiveEnd < code.size() && !IsBlank(code[directiveEnd])) ++directiveEnd;
    return directiveEnd == code.size() ? std::string_view{} : WordAt(code, directiveEnd, kBlanks);
}

// "#define NAME(" with the '(' right after the name: a macro that takes arguments, which only
// a MASM macro function can stand for.
bool IsFunctionLike(std::string_view code) {
    return DefinedName(code).find('(') != std::string_view::npos;
}

// A pointer #define ("#define LPFOO FOO *") names a type that is a DWORD.
void RecordPointerDefine(Session& session, std::string_view code) {
    const std::string_view name = DefinedName(code);
    if (!name.empty()) AppendPiece(session.header.names.dwordTypes, name);
}

// A one-line #define that mentions enum or STRUCT names the aggregate that a later statement
// declares with it.
bool RecordAggregateMacro(Session& session, std::string_view code) {
    uint8_t kind = 0;
    if (FindWord(1, code, "enum", true, kBlanks, kBlanks) > 0) {
        kind = 1;
    } else if (FindWord(1, code, "STRUCT", true, kBlanks, kBlanks) > 0) {
        kind = 2;
    } else {
        return false;
    }
    RunState& run = session.run;
    run.aggregateMacroKind = kind;
    const std::string_view name = code.size() > 7 ? WordAt(code, 7, " \t\r") : std::string_view{};
    if (name.size() <= kAggregateMacroLimit) run.pendingAggregateMacro = name;
    return true;
}

// Handle-declaration macros: the argument they declare is a DWORD type from now on.
void RecordDeclaredName(Session& session, std::string_view code, char opener) {
    const size_t at = code.find(opener);
    if (at == std::string_view::npos) return;
    const std::string_view name = WordAt(code, at + 1, kOperatorDelims);
    if (!name.empty()) AppendPiece(session.header.names.dwordTypes, name);
}

bool IsPrototypeShape(const StatementCounts& c) {
    return c.openBraces == 0 && c.semicolons == 1 && c.openParens >= 1 && c.quotes == 0;
}

bool IsSingleCall(const StatementCounts& c, bool oneLine) {
    return oneLine && c.openBraces == 0 && c.openParens == 1 && c.semicolons == 1;
}

// "#define PDH_FUNCTION PDH_STATUS WINAPI": a macro whose text names a calling convention
// names it too, for the prototypes declared with it; one whose text names none names none,
// whatever its name ("#define WINPTHREAD_API __declspec(dllimport)"). A name defined in
// several branches keeps the convention any of them names.
void RecordConventionMacro(Session& session, std::string_view code) {
    const std::string_view name = DefinedName(code);
    if (name.empty() || name.find('(') != std::string_view::npos) return;
    MacroConvention named = MacroConvention::None;
    const size_t valueStart = code.find(name) + name.size();
    for (size_t at = valueStart; at < code.size() && named == MacroConvention::None;) {
        if (!IsNameCharacter(code[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < code.size() && IsNameCharacter(code[end])) ++end;
        named = ConventionNamed(session, code.substr(at, end - at));
        at = end;
    }
    RecordMacroConvention(session, name, named);
}

// Rows of the dispatch that take a #define; true when one of them took the statement.
bool DispatchDefine(Session& session, std::string_view code) {
    RecordConventionMacro(session, code);
    const StatementCounts& c = session.statement.counts;
    const bool oneLine = c.lastLine == c.firstLine;
    if (oneLine && c.openBraces == 0 && c.semicolons == 0 && c.openParens == 0 && c.stars >= 1) {
        RecordPointerDefine(session, code);
        return true;
    }
    return oneLine && RecordAggregateMacro(session, code);
}

void DispatchDirective(Session& session, uint32_t keywordCode, std::string_view code,
                       uint32_t firstLine, uint32_t linesLeft, LineIndex& index);

}  // namespace

void DispatchStatement(Session& session, uint32_t keywordCode, std::string_view code,
                       uint32_t firstLine, uint32_t linesLeft, LineIndex& index) {
    const StatementCounts& c = session.statement.counts;
    if (keywordCode == CODE_SKIP || keywordCode == CODE_SKIP2) return;
    if (keywordCode == CODE_DEFINE && DispatchDefine(session, code)) return;
    if (keywordCode == 0) {
        if (IsPrototypeShape(c) && FindWord(1, code, "DECLARE", true, " _\t", " _\t") == 0) {
            TranslatePrototype(session, firstLine, linesLeft, index);
        }
        return;
    }
    if (keywordCode == CODE_TYPEDEF && c.openBraces == 0 && c.semicolons == 1) {
        if (c.equalSigns == 0 && c.openParens == 2) {
            TranslateCallbackTypedef(session, firstLine, linesLeft, index);
            return;
        }
        if (c.openParens <= 1) {
            if (TranslateTypedef(session, firstLine, linesLeft, index) == 1) {
                CopyStatementSource(session, index);
            }
            return;
        }
    }
    DispatchDirective(session, keywordCode, code, firstLine, linesLeft, index);
}

namespace {

void DispatchDirective(Session& session, uint32_t keywordCode, std::string_view code,
                       uint32_t firstLine, uint32_t linesLeft, LineIndex& index) {
    const StatementCounts& c = session.statement.counts;
    const bool oneLine = c.lastLine == c.firstLine;
    const bool plainDefine = c.openBraces == 0 && c.semicolons == 0 && c.equalSigns == 0;
    switch (keywordCode) {
        case CODE_IF:
            TraduireIF(session, firstLine, linesLeft, index, nullptr, false);
            return;
        case CODE_ENDIF:
            TranslateEndif(session, firstLine, linesLeft, index);
            return;
        case CODE_ELSE:
            WriteOutputLine(session, "ELSE");
            return;
        case CODE_INCLUDE:
            TranslateInclude(session, firstLine, linesLeft, index);
            return;
        case CODE_DEFINE:
            // A macro body refuses an assignment itself, and its "=" may belong to "==".
            if (IsFunctionLike(code)) {
                if (c.openBraces == 0 && c.semicolons == 0 && c.openBrackets == 0) {
                    TraduireMacro(session, firstLine, linesLeft, index);
                }
            } else if (plainDefine && c.parenGroups <= 1) {
                TraduireDefine(session, firstLine, linesLeft, index);
            } else if (c.semicolons > 0) {
                KeepDeclarationMacro(session, firstLine, linesLeft, index);
            }
            return;
        case CODE_PRAGMA:
            EchoDirective(session, firstLine, linesLeft, index);
            return;
        case CODE_IFNDEF:
            TranslateIfndef(session, firstLine, linesLeft, index, nullptr);
            return;
        case CODE_IFDEF:
            TranslateIfdef(session, firstLine, linesLeft, index, nullptr);
            return;
        case CODE_ERROR:
            TranslateError(session, firstLine, linesLeft, index, nullptr);
            return;
        case CODE_ELIF:
            TraduireIF(session, firstLine, linesLeft, index, nullptr, true);
            return;
        case CODE_TYPEDEF:
            if (c.openBraces >= 1) {
                TranslateAggregate(session, firstLine, linesLeft, index, AggregateForm::Typedef);
            }
            return;
        case CODE_AGGREGATE:
            if (c.openBraces >= 1) {
                TranslateAggregate(session, firstLine, linesLeft, index, AggregateForm::Plain);
            }
            return;
        case CODE_INTERFACE:
            session.header.inInterface = true;
            TranslateInterface(session, firstLine, linesLeft, index);
            return;
        case CODE_OLE_INTERFACE:
            if (session.run.oleviewMode && c.statementLines != 1) {
                TranslateOleInterface(session, firstLine, linesLeft, index);
            }
            return;
        case CODE_DEFINE_GUID:
            if (c.callForm) TranslateGuid(session, firstLine, linesLeft, index, false);
            return;
        case CODE_DEFINE_OLEGUID:
            if (c.callForm) TranslateGuid(session, firstLine, linesLeft, index, true);
            return;
        case CODE_GUID_SECOND:
            if (c.callForm) TranslateGuidSecond(session, firstLine, linesLeft, index);
            return;
        case CODE_DECLARE_ONE:
            if (IsSingleCall(c, oneLine)) RecordDeclaredName(session, code, '(');
            return;
        case CODE_DECLARE_SECOND:
            if (IsSingleCall(c, oneLine) && c.commas == 1) RecordDeclaredName(session, code, ',');
            return;
        default:
            return;
    }
}

}  // namespace

}  // namespace ondavel
