#include "statements/first_word.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "core/text.h"
#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"

namespace ondavel {

void CloseUpDirective(std::string& line) {
    if (line.size() < 2 || line[0] != '#' || !IsBlank(line[1])) return;
    size_t start = 1;
    while (start < line.size() && IsBlank(line[start])) ++start;
    size_t end = start;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    const size_t gap = start - 1;
    std::copy(line.begin() + static_cast<long>(start), line.begin() + static_cast<long>(end),
              line.begin() + 1);
    std::fill(line.begin() + static_cast<long>(end - gap), line.begin() + static_cast<long>(end),
              ' ');
}

namespace {

// Characters that end a statement's first word: control characters, blanks and the
// punctuation below (not ';', '=', ':' or '[', which may belong to it).
constexpr CharacterSet kEndsWord = MakeCharacterSet(" ,<>{}()+-*\\/", Controls::Included);

bool EndsWord(char c) {
    return InSet(kEndsWord, c);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Position just after the second quote character at or after from, or npos.
size_t AfterSecondQuote(std::string_view text, size_t from) {
    int quotes = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (IsQuote(text[i]) && ++quotes == 2) return i + 1;
    }
    return std::string_view::npos;
}

void BlankLinkagePrefix(LineIndex& index, uint32_t lineNumber) {
    std::string_view raw;
    if (!index.Line(lineNumber, raw)) return;
    const size_t end = AfterSecondQuote(raw, 0);
    if (end != std::string_view::npos) index.BlankStart(lineNumber, end);
}

// GCC's mark for its extensions stands before declarations ("__MINGW_EXTENSION typedef
// __int64 fpos_t;") and means nothing to the translation.
bool IsExtensionMark(std::string_view word) {
    return word == "__MINGW_EXTENSION" || word == "__extension__";
}

// Blanks the loaded line up to and including the first occurrence of word, so that every
// later reader sees the statement without it.
void BlankThrough(LineIndex& index, uint32_t lineNumber, std::string_view word) {
    std::string_view raw;
    if (!index.Line(lineNumber, raw)) return;
    const size_t at = raw.find(word);
    if (at != std::string_view::npos) index.BlankStart(lineNumber, at + word.size());
}

}  // namespace

FirstWord ExtractFirstWord(Session& session, std::string& line, std::string& word, LineIndex& index,
                           uint32_t lineNumber) {
    CloseUpDirective(line);
    for (;;) {
        size_t end = 0;
        while (end < line.size() && !EndsWord(line[end])) ++end;
        word.assign(line, 0, end);
        if (word.empty()) return FirstWord::Skip;
        if (IsExtensionMark(word)) {
            BlankThrough(index, lineNumber, word);
            line.erase(0, std::min(line.find_first_not_of(" \t", end), line.size()));
            continue;
        }
        if (end < line.size() && line[end] == '(' &&
            LookupKeywordCode(session, word) == KeywordCode::None) {
            return FirstWord::UncodedCall;
        }
        // "extern_" holds "extern", which most words do not.
        const bool external = Contains(word, "extern");
        if (external && Contains(word, "extern_")) return FirstWord::Word;
        if (Contains(word, "namespace")) return FirstWord::Skip;
        if (!external) break;
        size_t rest = AfterSecondQuote(line, end);
        if (rest == std::string::npos) break;
        while (rest < line.size() && IsBlank(line[rest])) ++rest;
        if (rest == line.size() || line[rest] == '{') return FirstWord::Skip;
        BlankLinkagePrefix(index, lineNumber);
        line.erase(0, rest);
    }
    return FirstWord::Word;
}

namespace {

// A directive word counts when its first occurrence stands at position 2, or after '#' and
// blanks only. No directive word repeats one letter, so an occurrence at position 2 is always
// the first one, and none holds a blank, so none can come before the blanks end.
bool IsDirective(std::string_view text, std::string_view name) {
    if (text.empty()) return false;
    if (StartsWithIgnoringCase(text.substr(1), name)) return true;
    return text[0] == '#' && StartsWithIgnoringCase(text.substr(SkipBlanks(text, 1)), name);
}

struct LeadingKeyword {
    std::string_view word;
    bool directive;  // a directive word (IsDirective), else a word that begins the text
    StatementKind kind;
};

// The keywords a statement may begin with, in the order they are tried.
constexpr std::array<LeadingKeyword, 11> kLeadingKeywords = {{
    {"typedef", false, StatementKind::Typedef},
    {"define", true, StatementKind::Define},
    {"extern", false, StatementKind::Extern},
    {"if", true, StatementKind::If},
    {"pragma", true, StatementKind::Pragma},
    {"end", true, StatementKind::Endif},
    {"else", true, StatementKind::Else},
    {"include", true, StatementKind::Include},
    {"error", true, StatementKind::Error},
    {"undef", true, StatementKind::Undef},
    {"class", false, StatementKind::Class},
}};

// The first letter of text, a-z folded onto A-Z; NUL for an empty text.
char Initial(std::string_view text) {
    return text.empty() ? '\0' : FoldCase(text[0]);
}

// For each letter, folded, the keywords of one kind (directive words or not) that begin with
// it, as bits in the order the keywords are tried.
using KeywordBits = std::array<uint16_t, 256>;
constexpr KeywordBits InitialsOf(bool directive) {
    KeywordBits bits{};
    for (size_t i = 0; i < kLeadingKeywords.size(); ++i) {
        if (kLeadingKeywords[i].directive != directive) continue;
        bits[static_cast<unsigned char>(FoldCase(kLeadingKeywords[i].word[0]))] |= 1u << i;
    }
    return bits;
}
constexpr KeywordBits kWordInitials = InitialsOf(false);
constexpr KeywordBits kDirectiveInitials = InitialsOf(true);
static_assert(kLeadingKeywords.size() <= 16);

uint16_t BitsOf(const KeywordBits& bits, char initial) {
    return bits[static_cast<unsigned char>(initial)];
}

}  // namespace

StatementKind ClassifyLeadingKeyword(std::string_view whole) {
    // Keywords are looked for in the text up to its end of line, and never in an over-long one.
    // No keyword holds a NUL, a CR or a blank: a text shorter than a line ends for them where
    // it ends, unless it begins at its end of line.
    const bool cut =
        whole.size() >= kLineLimit || (!whole.empty() && (whole[0] == '\0' || whole[0] == '\r'));
    const std::string_view text = cut ? whole.substr(0, BoundedLength(whole).value_or(0)) : whole;
    // A keyword is compared only where its first letter stands: at the start, or for a
    // directive word at the second place or after '#' and blanks. Most texts hold none there.
    const char first = Initial(text);
    const char second = Initial(text.substr(std::min<size_t>(1, text.size())));
    const char afterHash = first == '#' ? Initial(text.substr(SkipBlanks(text, 1))) : '\0';
    for (unsigned candidates = BitsOf(kWordInitials, first) | BitsOf(kDirectiveInitials, second) |
                               BitsOf(kDirectiveInitials, afterHash);
         candidates != 0; candidates &= candidates - 1) {
        const LeadingKeyword& keyword = kLeadingKeywords[std::countr_zero(candidates)];
        const bool leads = keyword.directive ? IsDirective(text, keyword.word)
                                             : StartsWithIgnoringCase(text, keyword.word);
        if (leads) return keyword.kind;
    }
    if (!whole.empty() && (whole[0] == '{' || whole[0] == '}')) return StatementKind::Brace;
    if (whole.starts_with("/*") || whole.starts_with("//")) return StatementKind::Comment;
    return StatementKind::Other;
}

}  // namespace ondavel
