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
    const size_t start = std::min(SkipBlanks(text, from), text.size());
    return text.substr(start, FindAnyOf(text, start, delimiters) - start);
}

// The name a "#define NAME ..." line defines: the blank-separated word after the directive.
std::string_view DefinedName(std::string_view code) {
    const size_t directiveEnd = FindAnyOf(code, 0, kBlanks);
    return directiveEnd == code.size() ? std::string_view{} : WordAt(code, directiveEnd, kBlanks);
}

// "#define NAME(" with the '(' right after the name: a macro that takes arguments, which only
// a MASM macro function can stand for.
bool IsFunctionLike(std::string_view code) {
    return DefinedName(code).find('(') != std::string_view::npos;
}

// A pointer #define ("#define LPFOO FOO *") names a type of the pointer type: name, the one
// it defines.
void RecordPointerDefine(Session& session, std::string_view name) {
    if (!name.empty()) AppendPieceToHeapBlock(session.header.names.*PointerTypeList(session), name);
}

// An enumeration when "enum" is one of the blank-parted words of code up to its end of line, in
// any case, else a structure when "STRUCT" is; none for neither, or for an over-long code.
AggregateKind AggregateMacroKind(std::string_view code) {
    // Most definitions hold neither word, even as a part of another: the plain search tells.
    if (!HoldsIgnoringCase(code, "enum") && !HoldsIgnoringCase(code, "STRUCT")) {
        return AggregateKind::None;
    }
    const std::optional<size_t> length = BoundedLength(code);
    if (!length) return AggregateKind::None;
    const std::string_view text = code.substr(0, *length);
    bool structure = false;
    for (size_t at = SkipBlanks(text, 0); at < text.size();) {
        const size_t end = FindAnyOf(text, at, kBlanks);
        const std::string_view word = text.substr(at, end - at);
        if (SameIgnoringCase(word, "enum")) return AggregateKind::Enumeration;
        structure = structure || SameIgnoringCase(word, "STRUCT");
        at = SkipBlanks(text, end);
    }
    return structure ? AggregateKind::Structure : AggregateKind::None;
}

// A one-line #define that mentions enum or STRUCT names the aggregate that a later statement
// declares with it.
bool RecordAggregateMacro(Session& session, std::string_view code) {
    const AggregateKind kind = AggregateMacroKind(code);
    if (kind == AggregateKind::None) return false;
    RunState& run = session.run;
    run.aggregateMacroKind = kind;
    const std::string_view name = code.size() > 7 ? WordAt(code, 7, " \t\r") : std::string_view{};
    if (name.size() <= kAggregateMacroLimit) run.pendingAggregateMacro = name;
    return true;
}

// Handle-declaration macros: the argument they declare is a pointer type from now on, but for
// the telephony handles of DECLARE_OPAQUE32, which are DWORDs on every target.
void RecordDeclaredName(Session& session, std::string_view code, char opener) {
    const size_t at = code.find(opener);
    if (at == std::string_view::npos) return;
    const std::string_view name = WordAt(code, at + 1, kOperatorDelims);
    if (name.empty()) return;
    const bool opaque32 = code.starts_with("DECLARE_OPAQUE32");
    AppendPieceToHeapBlock(
        session.header.names.*(opaque32 ? &NameLists::dwordTypes : PointerTypeList(session)), name);
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
// several branches keeps the convention any of them names. name is the one code defines.
void RecordConventionMacro(Session& session, std::string_view code, std::string_view name) {
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
    const std::string_view name = DefinedName(code);
    // The definition's translation looks its name up in the batch's set first of all.
    session.run.batchNames.Prefetch(name);
    RecordConventionMacro(session, code, name);
    const StatementCounts& c = session.statement.counts;
    const bool oneLine = c.lastLine == c.firstLine;
    if (oneLine && c.openBraces == 0 && c.semicolons == 0 && c.openParens == 0 && c.stars >= 1) {
        RecordPointerDefine(session, name);
        return true;
    }
    return oneLine && RecordAggregateMacro(session, code);
}

void DispatchDirective(Session& session, KeywordCode keywordCode, std::string_view code,
                       StatementSpan statement);

}  // namespace

void DispatchStatement(Session& session, KeywordCode keywordCode, std::string_view code,
                       StatementSpan statement) {
    const StatementCounts& c = session.statement.counts;
    if (keywordCode == KeywordCode::Skip || keywordCode == KeywordCode::Skip2) return;
    if (keywordCode == KeywordCode::Define && DispatchDefine(session, code)) return;
    if (keywordCode == KeywordCode::None) {
        if (IsPrototypeShape(c) &&
            !(HoldsIgnoringCase(code, "DECLARE") &&
              FindWord(1, code, "DECLARE", Case::Ignore, " _\t", " _\t").has_value())) {
            TranslatePrototype(session, statement);
        }
        return;
    }
    if (keywordCode == KeywordCode::Typedef && c.openBraces == 0 && c.semicolons == 1) {
        if (c.equalSigns == 0 && c.openParens == 2) {
            TranslateCallbackTypedef(session, statement);
            return;
        }
        if (c.openParens <= 1) {
            if (TranslateTypedef(session, statement)) {
                CopyStatementSource(session, statement.source);
            }
            return;
        }
    }
    DispatchDirective(session, keywordCode, code, statement);
}

namespace {

void DispatchDirective(Session& session, KeywordCode keywordCode, std::string_view code,
                       StatementSpan statement) {
    const StatementCounts& c = session.statement.counts;
    const bool oneLine = c.lastLine == c.firstLine;
    const bool plainDefine = c.openBraces == 0 && c.semicolons == 0 && c.equalSigns == 0;
    switch (keywordCode) {
        case KeywordCode::If:
            TranslateIf(session, statement, kToOutput, IfForm::If);
            return;
        case KeywordCode::Endif:
            TranslateEndif(session, statement);
            return;
        case KeywordCode::Else:
            WriteOutputLine(session, "ELSE");
            return;
        case KeywordCode::Include:
            TranslateInclude(session, statement);
            return;
        case KeywordCode::Define:
            // A macro body refuses an assignment itself, and its "=" may belong to "==".
            if (IsFunctionLike(code)) {
                if (c.openBraces == 0 && c.semicolons == 0 && c.openBrackets == 0) {
                    TranslateMacro(session, statement);
                }
            } else if (plainDefine && c.parenGroups <= 1) {
                TranslateDefine(session, statement);
            } else if (c.semicolons > 0) {
                KeepDeclarationMacro(session, statement);
            }
            return;
        case KeywordCode::Pragma:
            EchoDirective(session, statement);
            return;
        case KeywordCode::Ifndef:
            TranslateIfndef(session, statement, kToOutput);
            return;
        case KeywordCode::Ifdef:
            TranslateIfdef(session, statement, kToOutput);
            return;
        case KeywordCode::Error:
            TranslateError(session, statement, kToOutput);
            return;
        case KeywordCode::Elif:
            TranslateIf(session, statement, kToOutput, IfForm::Elif);
            return;
        case KeywordCode::Typedef:
            if (c.openBraces >= 1) {
                TranslateAggregate(session, statement, AggregateForm::Typedef);
            }
            return;
        case KeywordCode::Aggregate:
            if (c.openBraces >= 1) {
                TranslateAggregate(session, statement, AggregateForm::Plain);
            }
            return;
        case KeywordCode::Interface:
            session.header.inInterface = true;
            TranslateInterface(session, statement);
            return;
        case KeywordCode::OleInterface:
            if (session.run.oleviewMode && c.statementLines != 1) {
                TranslateOleInterface(session, statement);
            }
            return;
        case KeywordCode::DefineGuid:
            if (c.callForm) TranslateGuid(session, statement, GuidForm::Guid);
            return;
        case KeywordCode::DefineOleGuid:
            if (c.callForm) TranslateGuid(session, statement, GuidForm::OleGuid);
            return;
        case KeywordCode::GuidSecond:
            if (c.callForm) TranslateGuidSecond(session, statement);
            return;
        case KeywordCode::DeclareOne:
            if (IsSingleCall(c, oneLine)) RecordDeclaredName(session, code, '(');
            return;
        case KeywordCode::DeclareSecond:
            if (IsSingleCall(c, oneLine) && c.commas == 1) RecordDeclaredName(session, code, ',');
            return;
        default:
            return;
    }
}

}  // namespace

}  // namespace ondavel
