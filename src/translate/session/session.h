// All translation state, grouped by how long it lives: the run, one header, one statement.
// A fresh Session is a freshly started program.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/heap_block.h"
#include "core/line_index.h"
#include "core/name_map.h"
#include "core/name_set.h"
#include "core/saved_strings.h"
#include "core/screened_name_set.h"
#include "declarations/type_class_cache.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge_file.h"
#include "session/target.h"

namespace ondavel {

class Host;
struct TypeListIndex;

enum class OutputMode { View = 0, File = 1 };

// Punctuation and shape of the statement being translated, filled by the statement scanner.
struct StatementCounts {
    uint32_t firstLine = 0;
    uint32_t lastLine = 0;
    uint32_t openParens = 0;  // brackets are not counted inside literals or skipped branches
    uint32_t closeParens = 0;
    uint32_t openBraces = 0;
    uint32_t closeBraces = 0;
    uint32_t openBrackets = 0;
    uint32_t commas = 0;
    uint32_t semicolons = 0;
    uint32_t stars = 0;
    uint32_t equalSigns = 0;
    bool cppSyntax = false;  // -> or :: (the latter outside Oleview mode)
    bool callForm = false;   // NAME( on the first line with no blank before the '('
    uint32_t parenGroups = 0;  // completed outer parenthesis groups
    uint32_t statementLines = 0;
    uint32_t quotes = 0;
    uint32_t backslashes = 0;
    bool firstParenSeen = false;  // set by the #define and macro translations
};

// What an aggregate declares.
enum class AggregateKind { None, Enumeration, Structure, Union };

// What a statement's leading keyword is, as far as delimiting the statement is concerned.
enum class StatementKind : uint32_t {
    Other = 0,
    Typedef = 1,
    Define = 2,
    Extern = 3,
    If = 4,
    Pragma = 5,
    Endif = 6,
    Else = 7,
    Error = 8,
    Include = 9,
    Brace = 10,
    Comment = 11,
    Undef = 12,
    Class = 13,
};

// Names collected while one header is translated, each followed by one NUL.
struct NameLists {
    HeapBlock byteTypes, sbyteTypes, wordTypes, swordTypes, dwordTypes, sdwordTypes, qwordTypes;
    HeapBlock real4Types, real8Types, structAliases, functionNames, callbackNames, interfaceNames;
    HeapBlock guidNames, macroNames;

    std::array<HeapBlock*, 15> all() {
        return {&byteTypes,     &sbyteTypes,    &wordTypes,      &swordTypes, &dwordTypes,
                &sdwordTypes,   &qwordTypes,    &real4Types,     &real8Types, &structAliases,
                &functionNames, &callbackNames, &interfaceNames, &guidNames,  &macroNames};
    }
};

// What a #define's text says of the calling convention: none (WINPTHREAD_API is
// "__declspec(dllimport)"), C's (LDAPAPI is "__cdecl"), or another (PDH_FUNCTION is
// "PDH_STATUS WINAPI").
enum class MacroConvention { None, C, Other };

// What the batch made of a name, the flags of RunState::batchNames.
enum BatchName : uint32_t {
    // A #define equate and a numeric enumerator equate: a name that is both must be written so
    // that either may come first when the includes are assembled.
    kDefinedName = 1,
    kNumericEnumerator = 2,
    // A prototype or a structure: an equate or a macro cannot take its name.
    kDeclaredName = 4,
};

struct RunState {
    std::string baseDirectory;      // empty or ending with '/': where kit and side files live
    Target target = Target::Win32;  // chosen before the kit: it names the output folder
    OutputMode outputMode = OutputMode::View;
    std::FILE* outputFile = nullptr;  // the output file of the header being translated
    std::string outputBuffer;         // lines written and not yet handed to outputFile
    uint64_t conditionalLines = 0;    // IF, ELSE and ENDIF lines written so far
    std::FILE* journalFile = nullptr;
    std::FILE* textBlockFile = nullptr;  // BlocsdeTexte.txt
    std::FILE* nameListFile = nullptr;   // liste.txt
    bool keepJournalOpen = false;
    bool oleviewMode = false;
    std::string knowledgePath;  // empty until a kit is chosen
    std::string headerListPath;
    std::string outputDirectory;
    KnowledgeFile knowledge;
    // For a 64-bit target, the kit's 64-bit overlay: what differs on 64-bit Windows (the names
    // of pointer size), looked up before knowledge.
    std::string overlayPath;
    KnowledgeFile overlay;
    // The name a one-line "#define NAME ... enum/STRUCT ..." gives, waiting for the statement
    // that uses it (at most 99 characters, never a NUL or CR), and that statement's kind: an
    // enumeration for enum, a structure for STRUCT.
    std::string pendingAggregateMacro;
    AggregateKind aggregateMacroKind = AggregateKind::None;
    LineIndex inputIndex;  // the header being translated
    // Aggregates: the keyword of the last structure or union header, and the tag that keeps
    // the field names of every record written since start-up apart ("AA", "AB" ...).
    std::string aggregateKeyword = "STRUCT";
    std::array<char, 2> recordFieldTag = {'A', 'A' - 1};
    // Commands: the kit's header list while a batch runs; busy while a translation step runs.
    LineIndex headerListIndex;
    uint32_t headerListTaken = 0;                    // the batch's cursor: list lines taken so far
    std::map<std::string, std::string> outputNames;  // each output name of the batch: its header
    // The batch's names with what it made of each (BatchName bits).
    NameSet batchNames;
    // The batch's names #defined as nothing: in a declaration each stands for nothing. They
    // are few and every word of a parameter is asked about: a set of their own stays in the
    // cache, where the batch's names do not.
    ScreenedNameSet emptyMacros;
    // The batch's macros, each marked with the calling convention its text names (plus one): a
    // macro says what its words say, whatever its own name holds. One that names none is kept
    // only where its name alone would say otherwise.
    ScreenedNameSet conventionMacros;
    // The parameters met last, each with what the steps that read nothing but its text and the
    // pointer type made of it. The cleaning before a type is classified, for every parameter:
    TextRewrites parameterCleanings;
    // The reduction to a type and a name, of a prototype's parameter and of a COM method's or a
    // callback's, whose pointers keep only what follows their '*':
    TextRewrites prototypeReductions;
    TextRewrites starredReductions;
    // The structure aliases the batch wrote ("UUID  TYPEDEF  GUID"): alias -> structure. Where
    // an alias stands, its structure stands too: the assembler's TYPEDEF wants it first.
    NameMap<std::string> structureAliases;
    // The batch's array types by name, with their elements as a member's bound counts them
    // ("typedef UCHAR DOT11_MAC_ADDRESS[6];": 6): a member of the type holds them all.
    NameMap<std::string> arrayTypes;
    std::string headerListRoot;     // the folder of the list's first header
    std::string currentOutputName;  // the output of the listed header being translated, if any
    bool busy = false;
    // A file of the run could not be written whole (shown on the host when it happened).
    bool writeFailed = false;
};

struct WaitingAlias {
    std::string name;
    uint64_t conditionalLines = 0;  // the run's count of conditional lines at the typedef
    // The name was a structure or a prototype already: the alias is made where it is free.
    bool whereFree = false;
};

struct HeaderState {
    NameLists names;
    NameSet equateNames;  // names written as equates
    // The equates whose value is one word, a number or a name, by name: a bit field's width
    // or a member's type may be one.
    NameMap<std::string> wordEquates;
    SavedStrings savedStrings;
    int32_t ifDepth = 0;          // IF levels written and not yet closed
    bool inBlockComment = false;  // a "/*" comment is open across lines
    bool inInterface = false;
    bool packingSeen = false;  // a packing directive came: structures take PACKING
    std::shared_ptr<TypeListIndex> typeListIndex;  // lookups in names, built by type mapping
    // The classes of type names that the lists and the knowledge file decided, for names that
    // only a list entry equal to them lists: a class is dropped when its name is added to one.
    TypeClassCache typeClasses;
    // A structure tag named by a typedef before its body was written: the aliases that wait
    // for it ("typedef struct tagVARIANT VARIANT;" before "struct tagVARIANT {...};").
    std::multimap<std::string, WaitingAlias> waitingAliases;
    // The parameterless macros of member declarations, by name: their code lines, the first
    // one being what follows the name (a lone backslash when the declarations begin below).
    NameMap<std::vector<std::string>> declarationMacros;
};

struct StatementState {
    StatementCounts counts;
    StatementKind statementKind = StatementKind::Other;
    bool commentOpenAfter = false;  // whether a "/*" comment is open after the last line
    std::string scanLine;           // the statement scanner's work buffers, kept for their capacity
    std::string scanComment;
};

struct Session {
    explicit Session(Host& host);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Host& host;
    RunState run;
    HeaderState header;
    StatementState statement;
};

// Commits a staged output file of the run (see CommitStagedFile); a file that cannot be
// written whole marks the run as failed.
bool CommitRunFile(Session& session, std::FILE*& file);

}  // namespace ondavel
