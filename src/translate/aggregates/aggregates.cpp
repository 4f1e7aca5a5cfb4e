// Structures and unions with a brace body become MASM STRUCT and UNION blocks:
//
//   typedef struct tagPOINT {              POINT	STRUCT
//       LONG x;                    ->      	x SDWORD ?
//       LONG y;                            	y SDWORD ?
//   } POINT, *PPOINT;                      POINT		ENDS
//
// The block is assembled while the body is walked and written once it is complete, so that
// the records declared for bit fields come out before it. The names the statement declares
// are recorded for the later declarations of the header.
#include "aggregates/aggregates.h"

#include <algorithm>
#include <string>

#include "aggregates/aggregate_names.h"
#include "aggregates/aggregate_work.h"
#include "aggregates/body_directive.h"
#include "aggregates/enumeration.h"
#include "aggregates/members.h"
#include "aggregates/records.h"
#include "aggregates/vtbl_structure.h"
#include "core/saved_strings.h"
#include "core/text.h"
#include "declarations/type_mapping.h"
#include "preprocessor/declared_names.h"
#include "session/output.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

constexpr std::string_view kRoutine = texts::kAggregateRoutine;
// A kind keyword stands as a word between these characters.
constexpr std::string_view kKindBefore = " \t=";
constexpr std::string_view kKindAfter = ")( \t,\r\n";
constexpr std::string_view kObjectSuffix = "_Object";
// Macros of declarations read in one body at most: one that names itself must not run forever.
constexpr uint32_t kExpansionLimit = 64;

class AggregateTranslation {
  public:
    AggregateTranslation(AggregateWork& work, AggregateForm form)
        : form_(form),
          work_(work),
          session_(work.session),
          cursor_(work.cursor),
          savedDepth_(session_.header.ifDepth) {}

    void Run() {
        if (!cursor_.Start() || !FindKind() || !ReadTag() || !FindName()) return;
        const bool vtblName = IsVtblName(work_.name);
        const StatementCounts& counts = session_.statement.counts;
        if (work_.kind == AggregateKind::Enumeration) {
            RegisterTypeName(session_, work_.name, TC_DWORD);
            if (counts.semicolons <= 1) TranslateEnumeration(work_);
            return;
        }
        RegisterTypeName(session_, work_.name, TC_STRUCT);
        const bool isUnion = work_.kind == AggregateKind::Union;
        // A member ends with ';' before the statement's own: a plain structure or union, and
        // any union, without one is no body to write.
        if ((isUnion || form_ == AggregateForm::Plain) && counts.semicolons < 2) return;
        session_.run.aggregateKeyword = AggregateKeyword(session_, isUnion);
        if (!cursor_.AdvanceAndSkip()) return;
        if (InString(1, cursor_.Rest(), "BEGIN_INTERFACE", Case::Ignore) == 1) {
            TranslateVtblStructure(session_, cursor_, work_.name);
            return;
        }
        if (vtblName || counts.cppSyntax) return;
        if (WalkBody()) WriteStructure();
    }

  private:
    AggregateKind KindOf(std::string_view line) const {
        AggregateKind kind = AggregateKind::None;
        if (FindWord(1, line, "enum", Case::Ignore, kKindBefore, kKindAfter).has_value()) {
            kind = AggregateKind::Enumeration;
        }
        if (FindWord(1, line, "struct", Case::Ignore, kKindBefore, kKindAfter).has_value()) {
            kind = AggregateKind::Structure;
        }
        if (FindWord(1, line, "union", Case::Ignore, kKindBefore, kKindAfter).has_value()) {
            kind = AggregateKind::Union;
        }
        return kind;
    }

    // The kind comes from the first line, or the next one after directive lines ("typedef"
    // "#ifdef __WIDL__" ... "#endif" "union _X {"). A macro defined as "struct" or
    // "enum" gives it when the line names none ("interface IFoo {"); a keyword of the
    // statement's own wins over a macro kind left from an earlier definition.
    bool FindKind() {
        work_.kind = KindOf(cursor_.Line());
        AggregateKind& macroKind = session_.run.aggregateMacroKind;
        if (work_.kind == AggregateKind::None) work_.kind = macroKind;
        macroKind = AggregateKind::None;
        while (work_.kind == AggregateKind::None && cursor_.NextLine()) {
            work_.kind = KindOf(cursor_.Line());
            if (!cursor_.Line().starts_with('#')) break;
        }
        return work_.kind != AggregateKind::None;
    }

    // The tag is the last word before the first '{': "tagPOINT" in "typedef struct tagPOINT {",
    // "struct" in "typedef struct {". The cursor is left on the '{'.
    bool ReadTag() {
        for (;;) {
            const std::string_view word = cursor_.TakeWord(kNameDelimiters);
            if (!word.empty()) {
                work_.tag = word;
                work_.nameLine = cursor_.LineNumber();
            }
            if (!cursor_.SkipBlanks()) return false;
            while (IsOneOf(cursor_.Current(), "*,:()")) {
                if (!cursor_.AdvanceAndSkip()) return false;
            }
            const char c = cursor_.Current();
            if (c == '{') return true;
            if (c == ';' || c == '}') return false;
        }
    }

    // The word after the last closing brace names the aggregate; without one, the tag does.
    bool FindName() {
        std::string name;
        switch (NameAfterBrace(work_, name)) {
            case NameFound::StatementEnded:
                return false;
            case NameFound::Word:
                work_.name = name;
                break;
            case NameFound::None:
                work_.name = work_.tag;
                break;
        }
        if (work_.name.size() > kNameLimit) {
            ReportTooLong(session_, work_.statement.firstLine, kRoutine);
            return false;
        }
        return !work_.name.empty();
    }

    // Gathers the members up to the aggregate's own closing brace, on which the cursor is left.
    // False when the statement is not an aggregate MASM can take, or ends first.
    bool WalkBody() {
        uint32_t bracesLeft = session_.statement.counts.closeBraces;
        std::string member;
        for (;;) {
            if (cursor_.AtEnd()) {
                member.push_back(' ');
                if (!cursor_.NextLine()) return Abandon();
                continue;
            }
            switch (const char c = cursor_.Current()) {
                case ';':
                    cursor_.Advance();
                    EndMember(member);
                    member.clear();
                    break;
                case '{':
                    // A nested aggregate ends a run of bit fields: its fields are its own.
                    FlushRecords(work_);
                    OpenNestedAggregate(work_, member);
                    cursor_.Advance();
                    member.clear();
                    break;
                case '}':
                    FlushRecords(work_);
                    if (--bracesLeft == 0) return true;
                    CloseNestedAggregate(work_);
                    // The nested aggregate's names were taken when it opened.
                    if (!cursor_.SkipPast(';')) return Abandon();
                    member.clear();
                    break;
                case '#':
                    // A directive ends a run of bit fields: a branch declares its own record.
                    FlushRecords(work_);
                    if (TranslateBodyDirective(work_) == BodyDirectiveResult::AlternativeHeader) {
                        return false;
                    }
                    member.clear();
                    break;
                case '=':
                    // An initialised variable, not a type.
                    return Abandon();
                case ':':
                    if (!IsBitFieldWidth()) return Abandon();
                    [[fallthrough]];
                default:
                    if (SkipBlanks(member, 0) < member.size()) {
                        AppendMemberRun(member);
                        break;
                    }
                    if (ExpandDeclarationMacro(bracesLeft)) break;
                    member.push_back(c);
                    cursor_.Advance();
            }
            if (member.size() > kLineLimit) {
                ReportTooLong(session_, work_.statement.firstLine, kRoutine);
                return Abandon();
            }
        }
    }

    // Inside a member, the character under the cursor and those after it up to the next one
    // the body walk answers go into the member at once.
    void AppendMemberRun(std::string& member) {
        static constexpr CharacterSet kAnswered = MakeCharacterSet(";{}#=:");
        member.push_back(cursor_.Current());
        cursor_.Advance();
        const std::string_view run = cursor_.RunBefore(kAnswered);
        member.append(run);
        cursor_.Advance(run.size());
    }

    // A member that is the name of a macro of declarations ("GENERAL_LOOKASIDE_LAYOUT"): its
    // lines are read in its place, their closing braces counted with the body's.
    bool ExpandDeclarationMacro(uint32_t& bracesLeft) {
        const auto& macros = session_.header.declarationMacros;
        if (macros.empty() || expansions_ == kExpansionLimit) return false;
        const size_t start = cursor_.Column();
        const std::vector<std::string>* lines = macros.find(cursor_.TakeWord(kNameDelimiters));
        const size_t end = cursor_.Column();
        cursor_.SetColumn(start);
        if (lines == nullptr) return false;
        ++expansions_;
        for (const std::string& line : *lines) {
            bracesLeft += static_cast<uint32_t>(std::count(line.begin(), line.end(), '}'));
        }
        cursor_.Expand(end, *lines);
        return true;
    }

    // A ':' in a member is a bit-field width when a width or the end of the line follows.
    bool IsBitFieldWidth() const {
        const std::string_view rest = cursor_.Rest().substr(1);
        const size_t next = SkipBlanks(rest, 0);
        return next >= rest.size() || rest[next] == '\\' || BeginsWithFieldWidth(session_, rest);
    }

    // A body that is not written takes the conditional levels it opened with it.
    bool Abandon() {
        session_.header.ifDepth = savedDepth_;
        return false;
    }

    void EndMember(std::string_view member) {
        if (member.find(':') != std::string_view::npos) {
            TranslateBitField(work_, member);
            return;
        }
        FlushRecords(work_);
        TranslateMember(work_, member);
    }

    // The header line, the pieces, the ENDS line; then the names after the closing brace.
    void WriteStructure() {
        // A comment on the line of the closing brace is not written.
        StatementReader& reader = cursor_.Reader();
        reader.commentScratch.clear();
        reader.hasComment = false;
        if (!cursor_.AdvanceAndSkip()) return;
        std::string name = StructureTypeName(session_, work_.name, "");
        // The interface's invocation macro has its name: the object, whose only member is the
        // pointer to the method table, takes another.
        if (IsInTypeList(session_.header.names.interfaceNames, name)) name += kObjectSuffix;
        WriteOutputLine(session_, "\r\n" + name + "\t" + session_.run.aggregateKeyword +
                                      std::string(cursor_.LastComment()));
        WritePieces(session_, work_.outputBlock);
        WriteOutputLine(session_, name + "\t\tENDS\r\n\r\n");
        session_.run.batchNames.add(name, kDeclaredName);
        std::string aliasText = name;
        if (HasOwnTag()) {
            RegisterTypeName(session_, work_.tag, TC_STRUCT);
            aliasText.append(",").append(work_.tag);
        }
        WriteWaitingAliases(name);
        const size_t ownNames = aliasText.size();
        if (SkipToDeclarators()) RegisterDeclarators(work_, &aliasText);
        WriteDeclaratorAliases(name, std::string_view(aliasText).substr(ownNames));
        if (aliasText != name) {
            AddSavedString(session_.host, session_.header.savedStrings, aliasText);
        }
    }

    // "typedef struct {": the tag is only the keyword.
    bool HasOwnTag() const {
        return work_.tag != work_.name && work_.tag != "struct" && work_.tag != "union";
    }

    // "} KSDATAFORMAT, *PKSDATAFORMAT, KSDATARANGE;": the later plain names are types of the
    // assembler too, each a TYPEDEF of the structure (names is ",KSDATARANGE" ...).
    void WriteDeclaratorAliases(const std::string& structure, std::string_view names) {
        while (!names.empty()) {
            names.remove_prefix(1);  // the ','
            const std::string_view alias = names.substr(0, names.find(','));
            names.remove_prefix(alias.size());
            if (alias != structure)
                WriteStructureAliasLine(session_, AliasLine::Plain, alias, structure);
        }
    }

    // The aliases that typedefs gave the tag before its body came. One whose typedef stood
    // under other conditions than the body (a conditional line came between them) stays a
    // comment: written here it would hold in every branch, and another branch may give the
    // name to another structure.
    void WriteWaitingAliases(const std::string& structure) {
        auto& waiting = session_.header.waitingAliases;
        const auto [first, last] = waiting.equal_range(work_.tag);
        // The count at the body: an alias made where free writes conditional lines itself.
        const uint64_t conditionalLines = session_.run.conditionalLines;
        for (auto alias = first; alias != last; ++alias) {
            const WaitingAlias& entry = alias->second;
            if (entry.name == structure) continue;
            const bool sameBranch = entry.conditionalLines == conditionalLines;
            if (sameBranch && entry.whereFree) {
                WriteAliasWhereFree(session_, entry.name, structure);
            } else {
                WriteStructureAliasLine(session_,
                                        sameBranch ? AliasLine::Plain : AliasLine::Commented,
                                        entry.name, structure);
            }
        }
        waiting.erase(first, last);
    }

    // Past the aggregate's own name: true when declarators follow.
    bool SkipToDeclarators() {
        if (cursor_.Current() == '*') return true;
        cursor_.TakeWord(kOwnNameEnds);
        if (!cursor_.SkipBlanks() || cursor_.Current() != ',') return false;
        cursor_.Advance();
        return true;
    }

    const AggregateForm form_;
    AggregateWork& work_;
    Session& session_;
    StatementCursor& cursor_;
    const int32_t savedDepth_;
    uint32_t expansions_ = 0;  // macros of declarations read in the body so far
};

}  // namespace

void TranslateAggregate(Session& session, StatementSpan statement, AggregateForm form) {
    AggregateWork work(session, statement);
    AggregateTranslation(work, form).Run();
}

}  // namespace ondavel
