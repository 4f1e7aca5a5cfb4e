#include "aggregates/members.h"

#include <string>
#include <utility>
#include <vector>

#include "aggregates/aggregate_names.h"
#include "aggregates/aggregate_work.h"
#include "core/kept_buffers.h"
#include "core/text.h"
#include "declarations/array_bound.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "preprocessor/expression_words.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"

namespace ondavel {

namespace {

struct MemberType {
    std::string text;  // "DWORD", "POINT <>", or the C type name when it is not known
    bool isStructure = false;
    std::string bound;  // the elements of an array type ("typedef UCHAR MAC[6];": 6)
};

// The declarators of a member, each completed with the member's type: "char *a, b[2]" gives
// "char *a" and "char b[2]". Commas inside brackets or parentheses do not separate.
std::vector<std::string> SplitDeclarators(std::string_view member) {
    std::vector<std::string> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i <= member.size(); ++i) {
        const char c = i < member.size() ? member[i] : ',';
        if (c == '(' || c == '[') ++depth;
        if ((c == ')' || c == ']') && depth > 0) --depth;
        if (c != ',' || depth > 0) continue;
        parts.emplace_back(member.substr(start, i - start));
        start = i + 1;
    }
    // An unclosed bracket leaves no declarator: the member is dropped.
    if (parts.size() <= 1) return parts;
    // The type is what the first declarator's name and its pointer marks follow.
    std::string_view first = parts.front();
    first = first.substr(0, first.find('['));
    size_t typeEnd = first.find_last_of(" \t*");
    typeEnd = typeEnd == std::string_view::npos ? 0 : typeEnd;
    const std::string_view type = first.substr(0, first.find_last_not_of(" \t*", typeEnd) + 1);
    for (size_t i = 1; i < parts.size(); ++i) parts[i] = std::string(type) + " " + parts[i];
    return parts;
}

MemberType ClassifyMemberType(AggregateWork& work, const std::string& cType) {
    MemberType type;
    std::string masmName;
    const uint32_t code = ClassifyType(work.session, cType, masmName);
    if (code == TC_UNKNOWN) {
        WriteJournalLine(work.session, cType + " ", work.cursor.LineNumber());
        type.text = cType;
    } else if (code == TC_FUNCTION || code == TC_CALLBACK || code == TC_INTERFACE) {
        // An interface held by value is its object: the pointer to its method table.
        type.text = PointerType(work.session);
    } else if (code == TC_STRUCT || code == TC_UNION) {
        // An alias is written as the structure it stands for.
        const std::string structure = StructureTypeName(work.session, cType, masmName);
        type.text = AliasedStructure(work.session, structure) + " <>";
        type.isStructure = true;
    } else {
        type.text = masmName;
    }
    return type;
}

// The declarator of a normalised member text: its name and bracket pairs. cType receives
// the type word before it.
std::string CutDeclarator(std::string_view text, std::string& cType) {
    size_t at = SkipBlanks(text, 0);
    const size_t typeEnd = std::min(FindFirstOf(text, kOperatorDelimSet, at), text.size());
    cType = text.substr(at, typeEnd - at);
    at = SkipBlanks(text, typeEnd);
    std::string declarator;
    for (; at < text.size() && !IsOneOf(text[at], "; \t"); ++at) {
        if (text[at] != '[') {
            declarator.push_back(text[at]);
            continue;
        }
        const size_t close = text.find(']', at);
        if (close == std::string_view::npos) {
            declarator.append(text.substr(at));
            break;
        }
        declarator.append(text.substr(at, close - at + 1));
        at = close;
    }
    return declarator;
}

// "BYTE ab [1]": a bound belongs to the name before it, blanks or not.
void JoinBounds(std::string& text) {
    for (size_t bracket = text.find('['); bracket != std::string::npos;
         bracket = text.find('[', bracket + 1)) {
        size_t start = bracket;
        while (start > 0 && IsBlank(text[start - 1])) --start;
        text.erase(start, bracket - start);
        bracket = start;
    }
}

// A pointer to a function, "BOOL (WINAPI *pfn)(HANDLE h)": the member is the pointer, named by
// the word after the last '*' of the first parenthesis group. Empty for any other member: a
// group inside an array bound ("a[(2 * MAX_PATH) + 1]") is arithmetic.
std::string FunctionPointerName(std::string_view text) {
    const size_t open = text.find('(');
    if (open == std::string_view::npos || open > text.find('[')) return {};
    const size_t close = text.find(')', open);
    const std::string_view group = text.substr(open + 1, close - open - 1);
    const size_t star = group.rfind('*');
    if (star == std::string_view::npos) return {};
    const size_t start = group.find_first_not_of(" 	", star + 1);
    if (start == std::string_view::npos) return {};
    return std::string(group.substr(start, group.find_first_of(" 	[", start) - start));
}

// The type and declarator of a member text: a function pointer is of the pointer type.
MemberType ReadMemberType(AggregateWork& work, std::string& text, std::string& declarator) {
    BlankAnnotations(work.session, text);
    const std::string pointerName = FunctionPointerName(text);
    if (!pointerName.empty()) {
        declarator = pointerName;
        return MemberType{std::string(PointerType(work.session)), false, {}};
    }
    BlankModifiers(text);
    JoinBounds(text);
    NormalizeDeclarator(text, PointerType(work.session));
    std::string cType;
    declarator = CutDeclarator(text, cType);
    MemberType type = ClassifyMemberType(work, cType);
    const std::string* bound = work.session.run.arrayTypes.find(cType);
    if (!type.isStructure && bound != nullptr) type.bound = *bound;
    return type;
}

// The text of a member, its declarator and the line written for it: a batch translates some
// fifty thousand members, one at a time, in the buffers of the one before.
struct MemberBuffers {
    std::string text;
    std::string declarator;
    std::string line;
};

void TranslateDeclarator(AggregateWork& work, std::string& text) {
    MemberBuffers& kept = KeptBuffers<MemberBuffers>();
    std::string& declarator = kept.declarator;
    const MemberType type = ReadMemberType(work, text, declarator);
    Declarator member = ReadArrayBound(declarator);
    MapSizeofOperands(work.session, member.bound);
    member.bound = CombinedBound(type.bound, member.bound);
    LookupKnowledge(work.session, member.name, LookupKind::Incompatible, &member.name);
    // "struct _rloop WLOOP[1];": C keeps members and types apart, the assembler does not.
    std::string masmName;
    if (ClassifyType(work.session, member.name, masmName) == TC_STRUCT) {
        member.name.insert(0, "_");
    }

    std::string& line = kept.line.assign("\t").append(member.name).append(" ");
    line.append(type.text).append(" ");
    if (member.bound.empty()) {
        if (!type.isStructure) line += "?";
    } else {
        if (type.isStructure) line.resize(line.size() - 3);
        line.append(member.bound).append(type.isStructure ? " dup (<>)" : " dup (?)");
    }
    // A second member on the same line gets the blank but not the comment again.
    if (work.hasComment()) line.append(" ").append(work.commentScratch());
    work.commentScratch().clear();
    AppendPieceToHeapBlock(work.outputBlock, line);
}

}  // namespace

void TranslateMember(AggregateWork& work, std::string_view member) {
    if (member.find_first_not_of(kBlanks) == std::string_view::npos) return;
    // Most members declare one name, with no bracket to balance: the member is its declarator.
    if (FindAnyOf(member, 0, ",([") == member.size()) {
        TranslateDeclarator(work, KeptBuffers<MemberBuffers>().text.assign(member));
        return;
    }
    for (std::string& declarator : SplitDeclarators(member)) TranslateDeclarator(work, declarator);
}

void OpenNestedAggregate(AggregateWork& work, std::string_view gathered) {
    constexpr std::string_view kAfter = ")( \t,\r\n";
    const bool isUnion = FindWord(1, gathered, "union", Case::Ignore, kBlanks, kAfter).has_value();
    // A brace in a body opens an aggregate even when a macro hides its keyword
    // ("_KS_ANON_STRUCT(_IDENTIFIER) {"): it is a structure, and its closing brace ends it.
    const bool isStructure =
        FindWord(1, gathered, "struct", Case::Ignore, kBlanks, kAfter).has_value() || !isUnion;
    std::string word;
    if (NameAfterNestedBrace(work.cursor, word) != NameFound::Word) word.clear();
    Declarator declared = ReadArrayBound(word);
    std::string& name = declared.name;
    if (!name.empty()) LookupKnowledge(work.session, name, LookupKind::Incompatible, &name);
    NestedFrame frame;
    if (!declared.bound.empty()) {
        // "struct {...} a[6];": the assembler has no array of an inline structure.
        frame.detached = true;
        frame.mark = work.outputBlock.used;
        frame.keyword = AggregateKeyword(work.session, isUnion);
        frame.typeName = work.name + "_" + name;
        frame.member = "\t" + name + " " + frame.typeName + " " + declared.bound + " dup (<>)";
        work.nested.push_back(std::move(frame));
        return;
    }
    // Two nested aggregates of one level named alike ("DUMMYUNIONNAME" twice) are nameless
    // to the C compiler, whose headers define these names empty; the assembler refuses the
    // second name, so that one goes nameless.
    auto& siblings = work.nested.empty() ? work.childNames : work.nested.back().childNames;
    if (!name.empty() && !siblings.insert(name).second) name.clear();
    work.nested.push_back(std::move(frame));
    const std::string suffix = name.empty() ? "" : "\t" + name;
    if (isUnion) AppendPieceToHeapBlock(work.outputBlock, "\tunion" + suffix);
    if (isStructure) AppendPieceToHeapBlock(work.outputBlock, "\tSTRUCT" + suffix);
}

void CloseNestedAggregate(AggregateWork& work) {
    if (work.nested.empty() || !work.nested.back().detached) {
        if (!work.nested.empty()) work.nested.pop_back();
        AppendPieceToHeapBlock(work.outputBlock, "\tENDS");
        return;
    }
    const NestedFrame frame = std::move(work.nested.back());
    work.nested.pop_back();
    // Its pieces leave the block and are written at once, before the aggregate that uses it.
    HeapBlock body;
    body.reporter = &work.session.host;
    AppendToHeapBlock(body, work.outputBlock.view().substr(frame.mark));
    TruncateHeapBlock(work.outputBlock, frame.mark);
    WriteOutputLine(work.session, "\r\n" + frame.typeName + "\t" + frame.keyword);
    WritePieces(work.session, body);
    WriteOutputLine(work.session, frame.typeName + "\t\tENDS\r\n\r\n");
    ReleaseHeapBlock(body);
    AppendPieceToHeapBlock(work.outputBlock, frame.member);
}

}  // namespace ondavel
