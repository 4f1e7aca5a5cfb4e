// C types as MASM sees them: cleaning a C type text, classifying a type name, and the
// per-header lists of the names a header declares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/short_text_cache.h"

namespace ondavel {

struct Session;
struct HeapBlock;
struct NameLists;

// Size classes of C types. Combinations (TC_SIGNED with a size) are plain uint32_t values.
enum TypeCode : uint32_t {
    TC_UNKNOWN = 0,
    TC_BYTE = 0x1,
    TC_WORD = 0x2,
    TC_DWORD = 0x4,  // also pointers and handles on 32-bit Windows
    TC_FWORD = 0x8,
    TC_QWORD = 0x10,
    TC_TBYTE = 0x20,
    TC_REAL4 = 0x40,
    TC_REAL8 = 0x80,
    TC_REAL10 = 0x100,
    TC_STRUCT = 0x200,
    TC_UNION = 0x400,
    TC_CALLBACK = 0x800,
    TC_FUNCTION = 0x1000,
    TC_INTERFACE = 0x2000,
    TC_VARARG = 0x8000,
    TC_VOID = 0x10000,
    TC_SIGNED = 1u << 21,
};

// A pointer or a handle on the session's target: its MASM type ("DWORD" on 32-bit Windows,
// "QWORD" on 64-bit), its size code, and the list of the header's names of that size.
std::string_view PointerType(const Session& session);
uint32_t PointerCode(const Session& session);
HeapBlock NameLists::*PointerTypeList(const Session& session);
// Whether a PROTO line names its calling convention: 64-bit Windows has one, which the
// assembler takes by default and a language word would replace.
bool NamesConvention(const Session& session);

// Removes leading qualifier words (IN, OUT, unsigned, signed, const, far, near, OPTIONAL; in a
// member text ending with ';' also struct and union). False when nothing would remain (text
// unchanged).
bool StripQualifiers(std::string& text);

// Blanks what says nothing of a declaration's type or name, without changing the length: the
// compiler's "__attribute__((...))" and "__declspec(...)" with their group, and the words the
// batch #defined as nothing ("ULONG POINTER_ALIGNMENT Length", "HANDLE pEvent OPT1_1").
void BlankAnnotations(const Session& session, std::string& text);

// Blanks every stand-alone "const", "volatile", "OPTIONAL" and "PURE" without changing the
// length, and spells "long long" as the one type it is, "__int64" (a lookup reads one word,
// and "long" alone is 32 bits).
void BlankModifiers(std::string& text);

// Keeps at most the last two words of a declarator, pointers written as pointerType, a
// trailing OPTIONAL and a default value's '=' dropped ("const char *lpName" -> "DWORD lpName").
void NormalizeDeclarator(std::string& text, std::string_view pointerType);

// "TYPE * name" -> "DWORD name" (pointerType), unless the '*' multiplies inside an array
// bound. False when the rewritten text would be over-long (text unchanged).
bool PointerToWord(std::string& text, std::string_view pointerType);

// Whether an entry of list begins name, followed by the end of name, a blank, tab or '='.
bool IsInTypeList(const HeapBlock& list, std::string_view name);

// The size class of a type name, from the header's lists and the knowledge file, with the
// MASM name for it in out where there is one. out may be the string name views.
uint32_t ClassifyType(Session& session, std::string_view name, std::string& out);

// Records name in the list that code chooses (nothing for codes without a list).
void RegisterTypeName(Session& session, std::string_view name, uint32_t code);

// Between the name and the type of a TYPEDEF line: "NAME  TYPEDEF  TYPE".
inline constexpr std::string_view kTypedefSeparator = "  TYPEDEF  ";

// An alias line is written as it is, or commented out (";NAME ...") where the alias stands in
// another branch than its structure.
enum class AliasLine { Plain, Commented };

// Writes "NAME  TYPEDEF  STRUCTURE". A plain alias is kept for the batch: a member of that
// type is declared as the structure itself, as the assembler aligns a member of a TYPEDEF'd
// structure to 8 bytes where C aligns the structure's members.
void WriteStructureAliasLine(Session& session, AliasLine form, std::string_view name,
                             std::string_view structure);
// The structure an alias the batch wrote stands for, through aliases of aliases; the name
// itself when it is no alias, or when it is also a structure of its own.
std::string AliasedStructure(const Session& session, std::string name);

// The name under which the assembler knows a structure that ClassifyType recognised:
// masmName (the structure an alias stands for) or the C name, renamed as the knowledge file's
// COMMONSTRUCTURE section says, then as its INCOMPATIBLE section says (a name the assembler
// reserves).
std::string StructureTypeName(Session& session, std::string_view cType,
                              const std::string& masmName);
// Appends name to the header's list (one of the indexed type lists) unless an entry equals it.
void AddUniqueName(Session& session, HeapBlock NameLists::*list, std::string_view name);

// The PROTO line being built for a prototype, a callback or a COM method.
struct ProtoLine {
    std::string text;
    bool cdeclSeen = false;     // the declaration named the C convention, which VARARG needs
    bool hasParameter = false;  // a parameter was appended: the next one takes a comma
};

// A parameter made ready for its type to be classified: its pointer written as the pointer
// type, its qualifiers and outer blanks gone, its type word first. The cleaning reads nothing
// but the text and the pointer type, so that it can be kept for the text.
enum class Cleaning : uint8_t {
    Empty,    // nothing, or a text over-long: no type, and no comma before it
    Refused,  // nothing left once qualifiers are gone, or a pointer that makes it over-long
    Typed,
};
Cleaning CleanParameter(std::string& parameter, std::string_view pointerType);

// Rewritings of texts that follow from the text and the pointer type alone, kept for the texts
// met last: a batch's prototypes and COM methods pass the same few hundred parameters
// ("REFIID riid", "void **ppvObject") again and again, and rewriting one takes a dozen passes
// over its text.
class TextRewrites {
  public:
    // Rewrites text as rewrite(text, pointerType) does, which may return an enumeration of one
    // byte, kept with the result; the rewrite runs only for a text not met lately.
    template <typename Rewrite>
    auto Apply(std::string& text, std::string_view pointerType, Rewrite rewrite) {
        using Tag = std::invoke_result_t<Rewrite, std::string&, std::string_view>;
        if constexpr (std::is_void_v<Tag>) {
            // A rewrite that tells nothing is kept with a tag of 0.
            Apply(text, pointerType, [&](std::string& rewritten, std::string_view type) {
                rewrite(rewritten, type);
                return uint8_t{0};
            });
        } else {
            if (pointerType != pointerType_) {
                kept_.Forget();
                pointerType_ = pointerType;
            }
            if (const auto kept = kept_.Find(text)) {
                text.assign(kept->value);
                return static_cast<Tag>(kept->tag);
            }
            original_.assign(text);
            const Tag tag = rewrite(text, pointerType);
            kept_.Keep(original_, static_cast<uint8_t>(tag), text);
            return tag;
        }
    }

  private:
    std::string pointerType_;  // what the kept rewritings were made for
    std::string original_;     // the text being rewritten, kept for its capacity
    ShortTextCache<1024> kept_;
};

// Appends one cleaned parameter's MASM type to proto (",:DWORD " ...). Returns its TypeCode,
// TC_UNKNOWN for an empty or unknown type; nullopt when nothing is left once qualifiers are
// gone. lineNumber goes to the journal with an unknown type.
std::optional<uint32_t> AppendParameterType(Session& session, ProtoLine& proto, Cleaning cleaning,
                                            const std::string& parameter, uint32_t lineNumber);

}  // namespace ondavel
