// The pieces that function prototypes and callback typedefs share: a walk over the statement's
// code character by character, the calling-convention words, and the reduction of one C
// parameter to the MASM type that the PROTO line takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "declarations/type_mapping.h"
#include "session/session.h"
#include "statements/statement_cursor.h"

namespace ondavel {

class LineIndex;

// The calling convention a word of a declaration names: C's ("__cdecl", WINAPIV,
// RPC_VAR_ENTRY); another, "__stdcall" or one of the headers' macros for it (WINAPI,
// CALLBACK, NTAPI, APIENTRY, RPC_ENTRY, STDMETHODCALLTYPE, PASCAL, the import macros of the API
// families: WINOLEAPI, STDAPI ...), "__fastcall" or "__clrcall" (noted as comments: the
// assembler cannot call them); or none. A macro the batch defined says what its text says
// (LDAPAPI is "__cdecl": C's; WINPTHREAD_API is "__declspec(dllimport)": none). A function
// that names no convention is C's, as C's default is.
MacroConvention ConventionNamed(const Session& session, std::string_view word);
bool NamesConventionNotC(const Session& session, std::string_view word);
// Notes the convention a macro's text names, for ConventionNamed. A name defined in several
// branches keeps the convention any of them names.
void RecordMacroConvention(Session& session, std::string_view name, MacroConvention named);

// The calling-convention words met before the name: a word holding "API" (any case) ends
// these checks; "__cdecl" asks for the C convention; "__clrcall" and "__fastcall", which MASM
// cannot call, are noted as comment lines, and so is the API word where apiLine says so.
enum class ApiLine { Write, Omit };
void CheckCallingConvention(Session& session, ProtoLine& proto, std::string_view word,
                            ApiLine apiLine, bool& apiSeen);

enum class Collected { Parameter, StatementEnded, TooLong };

// Collects one parameter up to the next character of stops (one or two) that is not inside a
// parenthesis group (the ',' or ';' inside a function pointer's own list becomes a blank). Lines
// are joined without a blank. The stop is left under the cursor.
Collected CollectParameter(StatementCursor& walk, std::string_view stops, std::string& parameter);

// Passes the directive lines before a parameter of a callback type: of each conditional the
// first branch is read and the later ones passed over, as MASM has one parameter list. False
// when the statement ends first.
bool PassDirectives(StatementCursor& walk);

// "enum ENUM_PERIOD enumPeriod" -> "DWORD enumPeriod": an enumeration is an int, whatever its
// tag.
void EnumAsDword(std::string& parameter);

// Brackets, '-', '>' and restrict qualifiers become blanks and '&' a pointer, so that only
// words and '*' remain; an array parameter ("BYTE key[16]") becomes a pointer ("BYTE *key").
void BlankPunctuation(std::string& parameter);
// Blanks every word before the last two (the type and the name).
void KeepLastTwoWords(std::string& parameter);
// Blanks everything before the first '*' (a pointer keeps only what follows it).
void BlankBeforeStar(std::string& parameter);
// With a type and a name left, an annotation word such as "__in" is blanked, unless the kit
// knows the word as a type.
void BlankAnnotation(Session& session, std::string& parameter);

// The whole reduction of a callback's or a COM method's parameter to its type and name, in
// which a pointer keeps only what follows its '*'.
void ReduceStarredParameter(Session& session, std::string& parameter);

// Appends the cleaned parameter's MASM type to proto; its TypeCode as AppendParameterType
// gives it.
std::optional<uint32_t> AppendCleanedParameter(Session& session, ProtoLine& proto,
                                               std::string& parameter, uint32_t lineNumber);

}  // namespace ondavel
