#include "declarations/prototype_parameters.h"

#include <algorithm>
#include <array>

#include "core/text.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "session/session.h"

namespace ondavel {

namespace {

// A stop character belongs to the parameter when the nearest parenthesis before it opens a
// group: "void (*pfn)(int a, int b)" is one parameter.
bool InsideGroup(std::string_view collected) {
    for (size_t at = collected.size(); at > 0; --at) {
        const char c = collected[at - 1];
        if (c == '(' || c == ')') return c == '(';
    }
    return false;
}

size_t WordEnd(std::string_view text, size_t at) {
    while (at < text.size() && !IsBlank(text[at])) ++at;
    return at;
}

size_t CountWords(std::string_view text) {
    size_t words = 0;
    for (size_t at = SkipBlanks(text, 0); at < text.size();
         at = SkipBlanks(text, WordEnd(text, at))) {
        ++words;
    }
    return words;
}

// Where the declarator of a parameter ends: before trailing blanks, the ')' that closes a
// method's list and the "PURE" after it.
size_t DeclaratorEnd(std::string_view parameter) {
    size_t end = parameter.size();
    for (;;) {
        while (end > 0 && (IsTrimmable(parameter[end - 1]) || parameter[end - 1] == ')')) --end;
        if (!parameter.substr(0, end).ends_with(" PURE")) return end;
        end -= 4;
    }
}

// A parameter declared as an array ("const FLOAT ColorRGBA[4]", "BYTE m[4][4]") is a pointer
// in C: its bounds go and a '*' is put before its name, so that it is passed as one. Only
// bracket groups that end the declarator count; an attribute block in front ("[in] long x")
// does not.
void MarkArrayAsPointer(std::string& parameter) {
    size_t name = DeclaratorEnd(parameter);
    size_t bounds = std::string::npos;
    while (name > 0 && parameter[name - 1] == ']') {
        bounds = parameter.rfind('[', name - 1);
        if (bounds == std::string::npos) return;
        name = bounds;
        while (name > 0 && IsBlank(parameter[name - 1])) --name;
    }
    if (bounds == std::string::npos) return;
    parameter.resize(bounds);
    while (name > 0 && !IsOneOf(parameter[name - 1], " \t*(")) --name;
    parameter.insert(name, 1, '*');
}

// Parts of a word that name a calling convention other than C's.
constexpr std::string_view kConventionMarks[] = {
    "API",    "ENTRY",     "CALLBACK", "CALLTYPE", "PASCAL",   "pascal",   "_stdcall",
    "__RPC_", "METHODIMP", "NCB_POST", "fastcall", "FASTCALL", "__clrcall"};
static_assert(std::ranges::all_of(kConventionMarks,
                                  [](std::string_view mark) { return mark.size() >= 3; }));
// A pair of characters as a number below 65,536.
constexpr unsigned PairOf(char first, char second) {
    return static_cast<unsigned char>(first) << 8 | static_cast<unsigned char>(second);
}

// The pairs of characters that begin a mark: one bit for each pair.
constexpr std::array<uint64_t, 1024> kMarkOpenings = [] {
    std::array<uint64_t, 1024> pairs{};
    for (const std::string_view mark : kConventionMarks) {
        const unsigned pair = PairOf(mark[0], mark[1]);
        pairs[pair / 64] |= uint64_t{1} << (pair % 64);
    }
    return pairs;
}();

// Whether a convention mark stands anywhere in word: one pass, the marks tried only where the
// two characters there begin one, which few places of a word do.
bool HoldsConventionMark(std::string_view word) {
    // Every mark has three characters or more: none begins in the last two.
    for (size_t at = 0; at + 2 < word.size(); ++at) {
        const unsigned pair = PairOf(word[at], word[at + 1]);
        if ((kMarkOpenings[pair / 64] >> (pair % 64) & 1) == 0) continue;
        const std::string_view rest = word.substr(at);
        for (const std::string_view mark : kConventionMarks) {
            if (rest.starts_with(mark)) return true;
        }
    }
    return false;
}

// What a word that is no macro of the batch says by its spelling alone.
MacroConvention SpelledConvention(std::string_view word) {
    if (word == "WINAPIV" || word == "RPC_VAR_ENTRY") return MacroConvention::C;
    return HoldsConventionMark(word) ? MacroConvention::Other : MacroConvention::None;
}

// A convention as the mark of its macros in the run's table, where 0 means no entry.
uint32_t ConventionMark(MacroConvention convention) {
    return static_cast<uint32_t>(convention) + 1;
}

}  // namespace

MacroConvention ConventionNamed(const Session& session, std::string_view word) {
    // The compiler's own words mean what they say, whatever a header makes of them for
    // another target ("#define __stdcall" for 64-bit Windows).
    constexpr std::string_view kKeywords[] = {"__stdcall", "_stdcall",   "__fastcall",
                                              "__clrcall", "__thiscall", "__vectorcall"};
    if (word.find("cdecl") != std::string_view::npos) return MacroConvention::C;
    if (std::find(std::begin(kKeywords), std::end(kKeywords), word) != std::end(kKeywords))
        return MacroConvention::Other;
    const uint32_t mark = session.run.conventionMacros.flags(word);
    if (mark != 0) return static_cast<MacroConvention>(mark - 1);
    return SpelledConvention(word);
}

void RecordMacroConvention(Session& session, std::string_view name, MacroConvention named) {
    ScreenedNameSet& macros = session.run.conventionMacros;
    if (named != MacroConvention::None) {
        macros.set(name, ConventionMark(named));
    } else if (!macros.contains(name) && SpelledConvention(name) != MacroConvention::None) {
        // A macro that names none is kept only where its spelling says otherwise: without an
        // entry, any other name answers none all the same. Another branch's definition that
        // names one keeps it.
        macros.set(name, ConventionMark(named));
    }
}

bool NamesConventionNotC(const Session& session, std::string_view word) {
    return ConventionNamed(session, word) == MacroConvention::Other;
}

void CheckCallingConvention(Session& session, ProtoLine& proto, std::string_view word,
                            ApiLine apiLine, bool& apiSeen) {
    if (HoldsIgnoringCase(word, "API")) {
        apiSeen = true;
        if (apiLine == ApiLine::Write) WriteOutputLine(session, ";API");
        return;
    }
    // The other conventions are all spelled from "__": a word without it names none.
    if (word.find("__") == std::string_view::npos) return;
    if (InString(1, word, "__cdecl", Case::Exact).has_value()) proto.cdeclSeen = true;
    if (InString(1, word, "__clrcall", Case::Exact).has_value())
        WriteOutputLine(session, ";__clrcall");
    if (InString(1, word, "__fastcall", Case::Exact).has_value())
        WriteOutputLine(session, ";__fastcall");
}

Collected CollectParameter(StatementCursor& walk, std::string_view stops, std::string& parameter) {
    parameter.clear();
    for (;;) {
        if (walk.AtEnd()) {
            if (!walk.NextLine()) return Collected::StatementEnded;
            // The end of a line parts two words as a blank does. A directive inside a
            // parameter ("DWORD dwFlags" "#ifdef __cplusplus" "= FULL" "#endif") only frames a
            // default value, which says nothing of the parameter's type.
            if (!parameter.empty()) parameter.push_back(' ');
            if (!parameter.empty() && walk.Current() == '#') walk.SkipLine();
            continue;
        }
        // The characters up to the next stop go in at once, as far as the limit lets them.
        const std::string_view run = walk.RunBefore(stops);
        const size_t room = kLineLimit - std::min(parameter.size(), kLineLimit);
        parameter.append(run.substr(0, room));
        walk.Advance(std::min(run.size(), room));
        if (run.size() > room) return Collected::TooLong;
        if (walk.AtEnd()) continue;
        // A stop inside a group of the parameter stands for a blank.
        if (!InsideGroup(parameter)) return Collected::Parameter;
        if (parameter.size() >= kLineLimit) return Collected::TooLong;
        parameter.push_back(' ');
        walk.Advance();
    }
}

bool PassDirectives(StatementCursor& walk) {
    int depth = 0;
    int passingFrom = -1;  // the depth whose later branch is being passed over, or -1
    for (;;) {
        if (!walk.SkipBlanks()) return false;
        if (walk.Current() != '#') {
            if (passingFrom < 0) return true;
        } else {
            const std::string_view directive = DirectiveText(walk.Rest());
            if (directive.starts_with("endif")) {
                if (passingFrom == depth) passingFrom = -1;
                --depth;
            } else if (directive.starts_with("if")) {
                ++depth;
            } else if (directive.starts_with("el") && passingFrom < 0) {
                passingFrom = depth;
            }
        }
        walk.SkipLine();
    }
}

void BlankPunctuation(std::string& parameter) {
    constexpr CharacterSet kPunctuation = MakeCharacterSet("()[]->");
    MarkArrayAsPointer(parameter);
    for (char& c : parameter) {
        if (InSet(kPunctuation, c)) {
            c = ' ';
        } else if (c == '&') {
            c = '*';
        }
    }
    // "char * __restrict__ p": the qualifier would otherwise hide the pointer from the words
    // that are kept. Both spellings begin with the shorter one, which most parameters lack.
    if (parameter.find("__restrict") == std::string::npos) return;
    for (const std::string_view qualifier : {"__restrict__", "__restrict"}) {
        for (std::optional<int> at = FindWord(1, parameter, qualifier, Case::Exact, " \t*", " \t*");
             at; at = FindWord(*at, parameter, qualifier, Case::Exact, " \t*", " \t*")) {
            parameter.replace(static_cast<size_t>(*at - 1), qualifier.size(), qualifier.size(),
                              ' ');
        }
    }
}

void EnumAsDword(std::string& parameter) {
    if (parameter.find("enum") == std::string::npos) return;  // most parameters hold none
    const std::optional<int> found = FindWord(1, parameter, "enum", Case::Exact, " \t", " \t");
    if (!found) return;
    const size_t at = static_cast<size_t>(*found) - 1;
    size_t end = SkipBlanks(parameter, at + 4);
    while (end < parameter.size() && IsNameCharacter(parameter[end])) ++end;
    parameter.replace(at, end - at, "DWORD");
}

void KeepLastTwoWords(std::string& parameter) {
    size_t kept = parameter.size();
    for (int word = 0; word < 2; ++word) {
        while (kept > 0 && IsBlank(parameter[kept - 1])) --kept;
        while (kept > 0 && !IsBlank(parameter[kept - 1])) --kept;
    }
    std::fill_n(parameter.begin(), kept, ' ');
}

void BlankBeforeStar(std::string& parameter) {
    const size_t star = parameter.find('*');
    if (star != std::string::npos) std::fill_n(parameter.begin(), star, ' ');
}

void BlankAnnotation(Session& session, std::string& parameter) {
    // An annotation begins with "__", which most parameters hold nowhere.
    if (parameter.find("__") == std::string::npos || CountWords(parameter) < 2) return;
    for (size_t at = SkipBlanks(parameter, 0); at < parameter.size();
         at = SkipBlanks(parameter, WordEnd(parameter, at))) {
        if (parameter.compare(at, 2, "__") != 0) continue;
        const size_t end = WordEnd(parameter, at);
        // "__LONG32 lFlags", "__p_sig_fn_t _Func": a word the kit or the header knows as a
        // type is the type, not an annotation.
        const std::string word = parameter.substr(at, end - at);
        std::string masmName;
        if (ClassifyType(session, word, masmName) != TC_UNKNOWN) return;
        std::fill(parameter.begin() + static_cast<std::ptrdiff_t>(at),
                  parameter.begin() + static_cast<std::ptrdiff_t>(end), ' ');
        return;
    }
}

namespace {

// The steps of the reduction that read nothing but the text: no pointer is written out.
void ReduceStarredText(std::string& parameter, std::string_view /*pointerType*/) {
    EnumAsDword(parameter);
    BlankPunctuation(parameter);
    BlankModifiers(parameter);
    KeepLastTwoWords(parameter);
    BlankBeforeStar(parameter);
}

}  // namespace

void ReduceStarredParameter(Session& session, std::string& parameter) {
    session.run.starredReductions.Apply(parameter, {}, ReduceStarredText);
    BlankAnnotation(session, parameter);
}

std::optional<uint32_t> AppendCleanedParameter(Session& session, ProtoLine& proto,
                                               std::string& parameter, uint32_t lineNumber) {
    // A parameter of an array type ("jmp_buf env") is passed as a pointer, as C passes arrays.
    const size_t typeStart = SkipBlanks(parameter, 0);
    const size_t typeEnd = WordEnd(parameter, typeStart);
    const std::string_view type =
        std::string_view(parameter).substr(typeStart, typeEnd - typeStart);
    if (session.run.arrayTypes.contains(type)) {
        parameter.replace(typeStart, type.size(), PointerType(session));
    }
    const Cleaning cleaning =
        session.run.parameterCleanings.Apply(parameter, PointerType(session), CleanParameter);
    return AppendParameterType(session, proto, cleaning, parameter, lineNumber);
}

}  // namespace ondavel
