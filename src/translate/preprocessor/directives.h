// Translations of the preprocessor statements: #define, conditionals, function-like macros,
// GUID definitions, #include and #error.
//
// Every routine reads its statement from firstLine on through the index and writes its lines
// through the output writer. destination, where present, is kToOutput or a block that collects
// the line as one piece (used inside structures and prototypes).
#pragma once

#include <cstdint>
#include <string_view>

#include "session/statement_span.h"

namespace ondavel {

struct Session;
struct HeapBlock;

// The destination that writes each line to the output at once.
inline constexpr HeapBlock* kToOutput = nullptr;

// Which directive an IF line translates: "#elif" continues the level its "#if" opened.
enum class IfForm { If, Elif };
// DEFINE_GUID gives the eleven parts of a GUID; DEFINE_OLEGUID its first three, the rest fixed.
enum class GuidForm { Guid, OleGuid };

void TranslateDefine(Session& session, StatementSpan statement);
// A parameterless #define of member declarations ("#define X_FIELDS DWORD a; WORD b;") writes
// nothing: its lines are kept, and a structure body that names it reads them in its place.
void KeepDeclarationMacro(Session& session, StatementSpan statement);

// Translates "__MINGW_TYPEDEF_AW(NAME)" (or UAW) as the equates of NAME for either build.
// False when code is no such call.
bool TranslateTypedefPair(Session& session, std::string_view code);
void TranslateMacro(Session& session, StatementSpan statement);
// The conditionals return the number of the last line they read.
uint32_t TranslateIf(Session& session, StatementSpan statement, HeapBlock* destination,
                     IfForm form);
uint32_t TranslateIfdef(Session& session, StatementSpan statement, HeapBlock* destination);
uint32_t TranslateIfndef(Session& session, StatementSpan statement, HeapBlock* destination);
void TranslateEndif(Session& session, StatementSpan statement);
void TranslateInclude(Session& session, StatementSpan statement);
void TranslateError(Session& session, StatementSpan statement, HeapBlock* destination);
void TranslateGuid(Session& session, StatementSpan statement, GuidForm form);
void TranslateGuidSecond(Session& session, StatementSpan statement);

}  // namespace ondavel
