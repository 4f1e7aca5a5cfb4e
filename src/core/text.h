// Small string routines with the conventions every translation routine relies on: a text ends
// at its first NUL or CR (or the end of the view), positions are 1-based, and a text that has
// no end within one line's worth of characters is over-long, which the routines refuse.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_search.h"

namespace ondavel {

// A line buffer holds 1,039 characters and its terminator. Every text built from lines (a
// structure member, a PROTO line, a statement's comments, a condition entry) is held to the
// same measure.
inline constexpr size_t kLineLimit = 1040;

// Delimiter sets used to cut names out of statements.
inline constexpr std::string_view kBlanks = " \t";
inline constexpr std::string_view kOperatorDelims = " \t|&+-()*,;=:/<>";

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
// Character classes are ASCII only: accented letters are no letters.
inline bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// A letter, digit or '_': a character of a C name.
inline bool IsNameCharacter(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_';
}

inline bool IsQuote(char c) {
    return c == '"' || c == '\'';
}
inline bool IsOneOf(char c, std::string_view set) {
    // Sets are a handful of characters: a plain loop beats a call to memchr.
    for (const char member : set) {
        if (member == c) return true;
    }
    return false;
}
// The position of the first character at or after from that is no blank or tab.
inline size_t SkipBlanks(std::string_view text, size_t from) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    return from;
}
// Characters 32 and below (blank, tab, control characters) are trimmed from both ends of lines.
inline bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// A set of characters as a table, for scans that test every character of a line.
using CharacterSet = std::array<bool, 256>;
// Whether a set holds the control characters (codes 0 to 31) besides the characters named.
enum class Controls { Excluded, Included };
constexpr CharacterSet MakeCharacterSet(std::string_view characters,
                                        Controls controls = Controls::Excluded) {
    CharacterSet set{};
    for (size_t c = 0; controls == Controls::Included && c < 32; ++c) set[c] = true;
    for (char c : characters) set[static_cast<unsigned char>(c)] = true;
    return set;
}
inline bool InSet(const CharacterSet& set, char c) {
    return set[static_cast<unsigned char>(c)];
}
// The delimiter sets as tables, for the scans that test each character against them.
inline constexpr CharacterSet kBlankSet = MakeCharacterSet(kBlanks);
inline constexpr CharacterSet kOperatorDelimSet = MakeCharacterSet(kOperatorDelims);
// Where a name of a declaration or a #define ends (besides the end of its line).
inline constexpr CharacterSet kNameDelimiters = MakeCharacterSet(" \t,;(){}");
// As std::string_view::find_first_of (npos when none), each character looked up in the table
// instead of among the delimiters by memchr.
inline size_t FindFirstOf(std::string_view text, const CharacterSet& set, size_t from = 0) {
    for (; from < text.size(); ++from) {
        if (InSet(set, text[from])) return from;
    }
    return std::string_view::npos;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}
inline bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}
// Adds the first letter of word to set in both cases: a text that begins with a letter the set
// lacks begins with none of the words, and needs no comparison with them.
constexpr void AddInitial(CharacterSet& set, std::string_view word) {
    const char upper = FoldCase(word[0]);
    set[static_cast<unsigned char>(upper)] = true;
    if (upper >= 'A' && upper <= 'Z') set[static_cast<unsigned char>(upper + ('a' - 'A'))] = true;
}

// The position of the first NUL or CR in text, text.size() when it holds none.
inline size_t FirstTerminator(std::string_view text) {
    return search_detail::FindAny(text, 0, std::string_view("\0\r", 2));
}

// Characters before the first NUL or CR (or the end of the view); nullopt when that is 1,040
// or more. Only the first 1,040 characters are looked at: a text without a terminator among
// them is over-long, or ends before them and is its whole length.
inline std::optional<size_t> BoundedLength(std::string_view text) {
    const size_t end = FirstTerminator(text.substr(0, kLineLimit));
    if (end < kLineLimit) return end;
    return std::nullopt;
}

// Replaces destination by source up to its first NUL or CR; false, with destination untouched,
// when source is over-long.
bool CopyLine(std::string& destination, std::string_view source);

// The text without its leading and trailing characters of code 32 or less. Unlike TrimText it
// looks for no terminator: it is for a text cut at its own already, a copied line's code.
inline std::string_view TrimEnds(std::string_view text) {
    while (!text.empty() && IsTrimmable(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmable(text.back())) text.remove_suffix(1);
    return text;
}

// The bounded text without its leading and trailing characters of code 32 or less, as a view
// into text (empty for an all-blank text); nullopt when over-long.
inline std::optional<std::string_view> TrimText(std::string_view text) {
    const std::optional<size_t> length = BoundedLength(text);
    if (!length) return std::nullopt;
    return TrimEnds(text.substr(0, *length));
}

// TrimText's text, empty when over-long.
inline std::string_view Trimmed(std::string_view text) {
    return TrimText(text).value_or("");
}

// Keeps of text only part, which must be a view into it, without a new string.
inline void KeepPart(std::string& text, std::string_view part) {
    const size_t start = static_cast<size_t>(part.data() - text.data());
    text.resize(start + part.size());
    text.erase(0, start);
}

// Whether a search compares letters as they are, or with a-z folded onto A-Z.
enum class Case { Exact, Ignore };

// Position of the first pattern at or after start; nullopt when there is none (or start < 1,
// an empty pattern, or one that cannot fit), and when either text is over-long.
std::optional<int> InString(int start, std::string_view text, std::string_view pattern,
                            Case letters);

// Whether pattern stands in text, a-z folded onto A-Z: InString's search without the cutting,
// for a text known to hold no NUL or CR and to be shorter than a line. On any text, whatever
// InString or FindWord finds ignoring case, this finds too: a quick first test before them.
inline bool HoldsIgnoringCase(std::string_view text, std::string_view pattern) {
    if (pattern.empty() || pattern.size() > text.size()) return false;
    return search_detail::FindIgnoringCase(text, 0, pattern) < text.size();
}

// As InString, but an occurrence counts only when it stands as a token: at the start of the
// text or after a character of `before` (any character when `before` is empty), and at the end
// of the text or before a character of `after` (any character when `after` is empty).
std::optional<int> FindWord(int start, std::string_view text, std::string_view word, Case letters,
                            std::string_view before, std::string_view after);

// Signed decimal text of a 32-bit value.
std::string NumberToText(int32_t value);
// Unsigned decimal value of a string of digits, wrapping modulo 2^32; nothing is checked.
uint32_t TextToNumber(std::string_view digits);

struct HexNumber {
    uint32_t value = 0;
    bool ok = false;
};
// Value of a hexadecimal text; a trailing h/H is dropped and only the last 8 digits count.
// Any other character, or nothing left, is a failure.
HexNumber HexToNumber(std::string_view text);

}  // namespace ondavel
