// typedef without a body: "typedef DWORD MYFLAGS;" -> ";MYFLAGS  TYPEDEF  DWORD".
// What matters most is recording what each new name is, in the header's type lists, so that
// later declarations of the same header can classify it; the TYPEDEF line itself is written
// commented out, except for a structure alias, which the assembler must know as a type:
// "typedef GUID NTMS_GUID;" -> "NTMS_GUID  TYPEDEF  GUID". An alias of a structure tag whose
// body comes later waits for it ("typedef struct tagVARIANT VARIANT;").
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/heap_block.h"
#include "core/line_index.h"
#include "core/text.h"
#include "declarations/array_bound.h"
#include "declarations/declarations.h"
#include "declarations/tag_body.h"
#include "declarations/type_mapping.h"
#include "preprocessor/declared_names.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

// The declarators follow the keyword "typedef".
constexpr size_t kKeywordLength = 7;
// The declarator is collected in a buffer of one line: 1,039 characters and the terminator.
constexpr size_t kDeclaratorLimit = kLineLimit - 1;

bool HasWord(std::string_view line, std::string_view word) {
    // Most lines hold the word nowhere, which the plain search tells at less cost.
    return HoldsIgnoringCase(line, word) &&
           FindWord(1, line, word, Case::Ignore, kBlanks, kBlanks).has_value();
}

// "[...]" bounds and parentheses become blanks, and so does every '*', which makes the name a
// pointer. Returns whether there was a '*'.
bool BlankDeclaratorPunctuation(std::string& declarator) {
    bool hasStar = false;
    bool inBounds = false;
    for (char& c : declarator) {
        if (c == '[') inBounds = true;
        if (c == '*') hasStar = true;
        const bool blank = inBounds || c == '*' || c == ']' || c == '(' || c == ')';
        if (c == ']') inBounds = false;
        if (blank) c = ' ';
    }
    return hasStar;
}

enum class Collected { Declarator, Abandoned };

class TypedefTranslation {
  public:
    TypedefTranslation(Session& session, StatementSpan statement)
        : session_(session), cursor_(session, statement) {
        typedefWords_.reporter = &session.host;
    }

    bool Run() {
        if (!cursor_.NextLine() || !ReadFlags()) return false;
        cursor_.SetColumn(std::min(kKeywordLength, line().size()));
        if (!cursor_.SkipBlanks()) return false;
        while (TranslateDeclarator() && StepToNextDeclarator()) {
        }
        return translated_;
    }

  private:
    std::string_view line() const { return cursor_.Line(); }

    // The flags come from the first line alone. A class, and MIDL's forward declaration of an
    // interface ("typedef interface IFoo IFoo;"), declare nothing MASM can use.
    bool ReadFlags() {
        isSigned_ = HasWord(line(), "signed");
        if (HasWord(line(), "union")) {
            aggregate_ = TC_UNION;
        } else if (HasWord(line(), "struct")) {
            aggregate_ = TC_STRUCT;
        }
        if (HasWord(line(), "class")) return false;
        return !HasWord(line(), "interface") || session_.statement.counts.stars != 0;
    }

    // Text up to the next ',' or ';'; a line's end counts as one blank.
    Collected CollectDeclarator() {
        for (;;) {
            const std::string_view rest = cursor_.Rest();
            static constexpr CharacterSet kDeclaratorEnds = MakeCharacterSet(",;");
            const size_t end = FindFirstOf(rest, kDeclaratorEnds);
            declarator_.append(rest.substr(0, end));
            if (declarator_.size() > kDeclaratorLimit) return ReportTooLong();
            if (end != std::string_view::npos) {
                cursor_.Advance(end);
                return Collected::Declarator;
            }
            declarator_.push_back(' ');
            cursor_.SkipLine();
            if (!cursor_.SkipBlanks()) return Collected::Abandoned;
        }
    }

    Collected ReportTooLong() {
        ondavel::ReportTooLong(session_, cursor_.LineNumber(), texts::kTypedefRoutine);
        return Collected::Abandoned;
    }

    // Puts the words of the declarator in typedefWords. False when there are none.
    bool CutWords() {
        std::string_view rest = Trimmed(declarator_);
        if (rest.empty()) return false;
        while (!rest.empty()) {
            const size_t end = FindFirstOf(rest, kBlankSet);
            if (!AppendPieceToHeapBlock(typedefWords_, rest.substr(0, end))) return false;
            ++wordCount_;
            if (end == std::string_view::npos) break;
            rest.remove_prefix(rest.find_first_not_of(kBlanks, end));
        }
        return true;
    }

    std::string_view FirstWord() const {
        const std::string_view words = typedefWords_.view();
        return words.substr(0, words.find('\0'));
    }
    std::string_view LastWord() const {
        std::string_view words = typedefWords_.view();
        words.remove_suffix(1);
        return words.substr(words.rfind('\0') + 1);
    }

    // One declarator. False when the translation ends with it.
    bool TranslateDeclarator() {
        ReleaseHeapBlock(typedefWords_);
        wordCount_ = 0;
        declarator_.clear();
        if (CollectDeclarator() == Collected::Abandoned) return false;
        bound_ = ReadArrayBound(declarator_).bound;
        hasStar_ = BlankDeclaratorPunctuation(declarator_);
        return CutWords() && DeclareName();
    }

    // False when the name cannot be told anything about (a lone word without '*' that no
    // struct or union stands before).
    bool DeclareName() {
        const std::string_view name = LastWord();
        if (hasStar_) {
            DeclarePointer(name);
        } else if (aggregate_ != 0) {
            DeclareAggregateAlias(name);
        } else if (wordCount_ > 1) {
            ReadBaseType();
            DeclareFromBaseType(baseType_, name);
        } else if (baseIsStructure_) {
            // "typedef KSIDENTIFIER KSPROPERTY, *PKSPROPERTY, KSMETHOD;": KSMETHOD too.
            DeclareFromBaseType(baseType_, name);
        } else {
            return false;
        }
        return true;
    }

    // The base type is the first word, but a sign word is only a size's attribute: "unsigned
    // short" is as long as a short, "unsigned __int64" and "signed long long" as a 64-bit
    // integer. The line then names the whole base type.
    void ReadBaseType() {
        baseType_ = FirstWord();
        sizeWord_.clear();
        if ((baseType_ != "unsigned" && baseType_ != "signed") || wordCount_ < 3) return;
        std::vector<std::string_view> words;
        for (std::string_view rest = typedefWords_.view(); words.size() + 1 < wordCount_;) {
            words.push_back(rest.substr(0, rest.find('\0')));
            rest.remove_prefix(words.back().size() + 1);
        }
        baseType_.clear();
        for (const std::string_view word : words) {
            baseType_.append(baseType_.empty() ? "" : " ").append(word);
        }
        const bool longLong = words.size() > 2 && words[1] == "long" && words[2] == "long";
        sizeWord_ = longLong ? "__int64" : words[1];
    }

    void DeclarePointer(std::string_view name) {
        // The type takes six characters: "DWORD " or "SDWORD".
        const std::string_view type = PointerType(session_);
        RegisterTypeName(session_, name,
                         (isSigned_ ? uint32_t{TC_SIGNED} : 0u) | PointerCode(session_));
        WriteTypedefLine(name, isSigned_ ? "S" + std::string(type) : std::string(type) + " ");
        translated_ = true;
    }

    // Only a bare tag ("typedef struct _FOO FOO, FOO2;": FOO2) gets a commented line. A
    // union's name is not kept, as no list holds unions. The tag is the word before the first
    // declarator's name.
    void DeclareAggregateAlias(std::string_view name) {
        const bool declared = IsDeclaredStructureOrPrototype(session_, name);
        RegisterTypeName(session_, name, aggregate_);
        if (wordCount_ == 1) WriteTypedefLine(name, texts::kTagToThinkAbout);
        if (wordCount_ >= 3) {
            const std::string_view words = typedefWords_.view();
            const size_t nameStart = words.size() - name.size() - 1;
            const size_t tagStart = words.rfind('\0', nameStart - 2) + 1;
            tag_ = words.substr(tagStart, nameStart - 1 - tagStart);
        }
        if (!tag_.empty() && tag_ != name) AliasTag(name, declared);
        translated_ = true;
    }

    // The alias is written now when the tag's structure is known, else when its body comes.
    // A name that is a structure already (its body came in another branch) is the alias only
    // where it is still free.
    void AliasTag(std::string_view name, bool declared) {
        std::string masmName;
        if (ClassifyType(session_, tag_, masmName) != TC_STRUCT) {
            Wait(tag_, name);
            return;
        }
        const std::string structure = StructureTypeName(session_, tag_, masmName);
        if (structure == name) return;
        if (BodyFollowsInBranch()) {
            Wait(tag_, name, declared);
            return;
        }
        if (declared) {
            WriteAliasWhereFree(session_, name, structure);
        } else {
            WriteStructureAliasLine(session_, AliasLine::Plain, name, structure);
        }
    }

    // The line names the base type as the source spells it, not its MASM name.
    void DeclareFromBaseType(std::string_view baseType, std::string_view name) {
        std::string masmType;
        uint32_t code = ClassifyType(session_, sizeWord_.empty() ? baseType : sizeWord_, masmType);
        if (!sizeWord_.empty() && !isSigned_) code &= ~TC_SIGNED;
        if (code == TC_UNKNOWN) {
            const std::string baseText(baseType);
            WriteJournalLine(session_, baseText + " ", cursor_.LineNumber());
            WriteTypedefLine(name, baseText + std::string(texts::kUnknownType));
            return;
        }
        if (isSigned_ && (code == TC_BYTE || code == TC_WORD || code == TC_DWORD)) {
            code |= TC_SIGNED;
        }
        RegisterTypeName(session_, name, code);
        translated_ = true;
        baseIsStructure_ = code == TC_STRUCT || code == TC_UNION;
        if (!bound_.empty()) session_.run.arrayTypes.insert_or_assign(name, bound_);
        const std::string* waitingTag = WaitingTagOf(baseType);
        if (waitingTag != nullptr) Wait(*waitingTag, name);
        // An array type has no TYPEDEF: "jmp_buf TYPEDEF _JBTYPE" would be one element.
        if (baseIsStructure_ && waitingTag == nullptr && bound_.empty()) {
            WriteStructureAliasLine(session_, AliasLine::Plain, name,
                                    StructureTypeName(session_, baseType, masmType));
        } else {
            WriteTypedefLine(name, baseType);
        }
    }

    // The tag's structure is known, from another branch, and this branch gives a body of its
    // own: the alias waits for that body.
    bool BodyFollowsInBranch() const {
        return MendsOtherBuildsBranches(session_.run.target) &&
               TagBodyFollows(session_.run.inputIndex, session_.statement.counts.lastLine, tag_);
    }

    void Wait(const std::string& tag, std::string_view name, bool whereFree = false) {
        session_.header.waitingAliases.emplace(
            tag, WaitingAlias{std::string(name), session_.run.conditionalLines, whereFree});
    }

    // The tag an alias waits for, when it waits: an alias of it waits for the same body.
    const std::string* WaitingTagOf(std::string_view alias) const {
        for (const auto& [tag, waiting] : session_.header.waitingAliases) {
            if (waiting.name == alias) return &tag;
        }
        return nullptr;
    }

    // A typedef the assembler takes as a comment: ";NAME  TYPEDEF  TYPE".
    void WriteTypedefLine(std::string_view name, std::string_view type) {
        WriteOutputLine(
            session_, ";" + std::string(name) + std::string(kTypedefSeparator) + std::string(type));
    }

    // A ',' and the blanks after it lead to the next declarator, a ';' ends the statement.
    bool StepToNextDeclarator() {
        if (!cursor_.SkipBlanks() || cursor_.Current() == ';') return false;
        if (cursor_.Current() != ',') return true;
        return cursor_.AdvanceAndSkip();
    }

    Session& session_;
    StatementCursor cursor_;
    bool isSigned_ = false;
    uint32_t aggregate_ = 0;  // TC_STRUCT or TC_UNION when the first line names one
    std::string tag_;         // the structure tag the aliases of the statement name
    std::string baseType_;    // the type the first declarator names
    std::string sizeWord_;    // the word that sizes it after a sign word, else empty
    bool baseIsStructure_ = false;
    bool hasStar_ = false;
    std::string bound_;  // the elements of an array declarator ("(11)*(16)"); empty: none
    std::string declarator_;
    HeapBlock typedefWords_;  // the declarator's words, each followed by one NUL
    uint32_t wordCount_ = 0;
    bool translated_ = false;  // a declarator was written
};

}  // namespace

bool TranslateTypedef(Session& session, StatementSpan statement) {
    return TypedefTranslation(session, statement).Run();
}

}  // namespace ondavel
