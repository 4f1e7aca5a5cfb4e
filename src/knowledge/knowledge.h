// Lookups in the kit's knowledge file.
//
// The file starts with the keyword codes ("key = free text = code") and is divided by eight
// section lines, in this order: TRADUIRE, TYPEDEFINI, COMMONSTRUCTURE, COMMONRECORD,
// INCOMPATIBLE, INCOMPATIBLE_EQUATE, INTERFACE_API_CONFLIT_NOM, FINDELISTE. Each lookup kind
// searches the lines from one section line to the next (both included) and the first line
// whose key is the word wins.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ondavel {

class Host;
struct KnowledgeFile;

enum LookupKind : uint32_t {
    LOOKUP_CODE = 1,                 // keyword code of a statement's first word
    LOOKUP_TRADUIRE = 2,             // replacement text, followed by one blank
    LOOKUP_TYPEDEFINI = 3,           // MASM type of a C type name
    LOOKUP_COMMONSTRUCTURE = 4,      // known structure
    LOOKUP_COMMONRECORD = 5,         // known record
    LOOKUP_INCOMPATIBLE = 6,         // replacement of a name MASM cannot take
    LOOKUP_IS_TYPEDEFINI = 7,        // whether a C type name is known
    LOOKUP_INCOMPATIBLE_EQUATE = 8,  // replacement of an equate name
    LOOKUP_API_CONFLIT = 9,          // replacement of a method name that clashes with an API
};

// Keyword codes: what the driver does with a statement whose first word carries them.
inline constexpr uint32_t CODE_IF = 1;
inline constexpr uint32_t CODE_ENDIF = 2;
inline constexpr uint32_t CODE_ELSE = 3;
inline constexpr uint32_t CODE_INCLUDE = 4;
inline constexpr uint32_t CODE_DEFINE = 5;
inline constexpr uint32_t CODE_PRAGMA = 10;
inline constexpr uint32_t CODE_IFNDEF = 11;
inline constexpr uint32_t CODE_IFDEF = 12;
inline constexpr uint32_t CODE_ERROR = 13;
inline constexpr uint32_t CODE_ELIF = 14;
inline constexpr uint32_t CODE_TYPEDEF = 15;
inline constexpr uint32_t CODE_SKIP = 16;
inline constexpr uint32_t CODE_AGGREGATE = 17;
inline constexpr uint32_t CODE_INTERFACE = 20;
inline constexpr uint32_t CODE_OLE_INTERFACE = 31;
inline constexpr uint32_t CODE_DECLARE_ONE = 32;
inline constexpr uint32_t CODE_DECLARE_SECOND = 33;
inline constexpr uint32_t CODE_DEFINE_GUID = 35;
inline constexpr uint32_t CODE_DEFINE_OLEGUID = 36;
inline constexpr uint32_t CODE_GUID_SECOND = 37;
inline constexpr uint32_t CODE_SKIP2 = 42;

// Loads the knowledge file at path into file and builds its line table. False (shown on the
// host) when it cannot be read or holds no line.
bool LoadKnowledgeFile(Host& host, KnowledgeFile& file, std::string_view path);
// Releases the file and forgets its section positions and key index.
void ReleaseKnowledgeFile(KnowledgeFile& file);

// Finds the section lines and builds the key index, once after each load. On that first call,
// a file that lacks a section line gives the name of the first one missing, and from then on
// answers no lookup; otherwise the result is empty.
std::string_view PrepareKnowledge(KnowledgeFile& file);

// For LOOKUP_CODE: the code (0 when not found). For the other kinds: 1 with the value in
// *output, or 0 with *output untouched. output may be null for LOOKUP_CODE and
// LOOKUP_IS_TYPEDEFINI, and may hold the word itself.
uint32_t LookupKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                         std::string* output);

}  // namespace ondavel
