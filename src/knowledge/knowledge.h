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

// What a lookup asks of the sections after the keyword codes. The knowledge file names its
// sections in its own words (TRADUIRE, TYPEDEFINI ...), given with each kind.
enum class LookupKind {
    Replacement,         // TRADUIRE: replacement text, followed by one blank
    DefinedType,         // TYPEDEFINI: MASM type of a C type name
    CommonStructure,     // COMMONSTRUCTURE: known structure
    CommonRecord,        // COMMONRECORD: known record
    Incompatible,        // INCOMPATIBLE: replacement of a name MASM cannot take
    IncompatibleEquate,  // INCOMPATIBLE_EQUATE: replacement of an equate name
    ApiNameConflict,     // INTERFACE_API_CONFLIT_NOM: replacement of a method name that clashes
                         // with an API
};

// Keyword codes: what the driver does with a statement whose first word carries them. The
// file gives them as numbers ("#define = define = 5"); a number not named here is a code that
// the driver passes over.
enum class KeywordCode : uint32_t {
    None = 0,  // the word is no keyword
    If = 1,
    Endif = 2,
    Else = 3,
    Include = 4,
    Define = 5,
    Pragma = 10,
    Ifndef = 11,
    Ifdef = 12,
    Error = 13,
    Elif = 14,
    Typedef = 15,
    Skip = 16,
    Aggregate = 17,
    Interface = 20,
    OleInterface = 31,
    DeclareOne = 32,
    DeclareSecond = 33,
    DefineGuid = 35,
    DefineOleGuid = 36,
    GuidSecond = 37,
    Skip2 = 42,
};

// Loads the knowledge file at path into file and builds its line table. False (shown on the
// host) when it cannot be read or holds no line.
bool LoadKnowledgeFile(Host& host, KnowledgeFile& file, std::string_view path);
// Releases the file and forgets its section positions and key index.
void ReleaseKnowledgeFile(KnowledgeFile& file);

// Finds the section lines and builds the key index, once after each load. On that first call,
// a file that lacks a section line gives the name of the first one missing, and from then on
// answers no lookup; otherwise the result is empty.
std::string_view PrepareKnowledge(KnowledgeFile& file);

// The keyword code of word; KeywordCode::None when the file has none for it.
KeywordCode LookupKeywordCode(KnowledgeFile& file, std::string_view word);
// True with the value in *output, or false with *output untouched. output may be null, and may
// hold the word itself.
bool LookupKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                     std::string* output);

}  // namespace ondavel
