// #if, #elif, #ifdef, #ifndef and #endif  ->  IF, ELSEIF, IFDEF, IFNDEF and ENDIF, one line
// each. ifDepth counts the IF levels written and not yet closed, so that the end of the header
// can close what it left open.
#include <string>
#include <string_view>

#include "core/kept_buffers.h"
#include "core/text.h"
#include "knowledge/knowledge.h"
#include "preprocessor/condition_text.h"
#include "preprocessor/directive_line.h"
#include "preprocessor/directives.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

// The name an #ifdef or #ifndef tests: all the code after the directive word, blanks inside
// included.
std::string_view TestedName(std::string_view code) {
    return Trimmed(code.substr(DirectiveWordEnd(code)));
}

// The parts of a one-line conditional, the name it tests and the line written for it: a batch
// reads some hundred thousand such lines, one at a time, in the buffers of the one before.
struct ConditionalBuffers {
    DirectiveParts parts;
    std::string name;
    std::string output;
};

// "#ifdef NAME"/"#ifndef NAME" -> keyword + NAME (renamed when MASM cannot take it) + comment.
uint32_t TranslateNameTest(Session& session, StatementSpan statement, HeapBlock* destination,
                           std::string_view keyword) {
    ConditionalBuffers& kept = KeptBuffers<ConditionalBuffers>();
    if (!ReadDirectiveLine(session, statement, kept.parts)) return statement.firstLine;
    std::string& output = kept.output.assign(keyword);
    std::string& name = kept.name.assign(TestedName(kept.parts.code));
    if (!name.empty()) {
        LookupKnowledge(session, name, LookupKind::Incompatible, &name);
        output.append(name);
    }
    output.append(kept.parts.comment);
    ++session.header.ifDepth;
    WriteLineTo(session, destination, output);
    return statement.firstLine;
}

}  // namespace

uint32_t TranslateIf(Session& session, StatementSpan statement, HeapBlock* destination,
                     IfForm form) {
    StatementReader reader;
    reader.lineNumber = statement.firstLine - 1;
    if (!NextStatementLine(session, statement.source, reader)) return reader.lineNumber;
    // #elif continues the level its #if opened.
    if (form == IfForm::If) ++session.header.ifDepth;
    std::string output = form == IfForm::Elif ? "ELSEIF " : "IF ";
    if (!RewriteCondition(session, statement.source, reader, DirectiveWordEnd(reader.workLine),
                          output)) {
        return reader.lineNumber;
    }
    output.append(reader.commentScratch);
    WriteLineTo(session, destination, output);
    return reader.lineNumber;
}

uint32_t TranslateIfdef(Session& session, StatementSpan statement, HeapBlock* destination) {
    return TranslateNameTest(session, statement, destination, "IFDEF ");
}

uint32_t TranslateIfndef(Session& session, StatementSpan statement, HeapBlock* destination) {
    return TranslateNameTest(session, statement, destination, "IFNDEF ");
}

void TranslateEndif(Session& session, StatementSpan statement) {
    ConditionalBuffers& kept = KeptBuffers<ConditionalBuffers>();
    if (!ReadDirectiveLine(session, statement, kept.parts)) return;
    --session.header.ifDepth;
    WriteOutputLine(session, kept.output.assign("ENDIF ").append(kept.parts.comment));
}

}  // namespace ondavel
