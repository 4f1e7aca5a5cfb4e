// Small string routines with the result conventions every translation routine relies on:
// positions are 1-based, 0 means "not found" or "nothing", -1 means a text that has no
// terminator (NUL, CR or the end of the view) within one line's worth of characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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
size_t SkipBlanks(std::string_view text, size_t from);
// Characters 32 and below (blank, tab, control characters) are trimmed from both ends of lines.
inline bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// A set of characters as a table, for scans that test every character of a line.
using CharacterSet = std::array<bool, 256>;
constexpr CharacterSet MakeCharacterSet(std::string_view characters, bool withControls = false) {
    CharacterSet set{};
    for (size_t c = 0; withControls && c < 32; ++c) set[c] = true;
    for (char c : characters) set[static_cast<unsigned char>(c)] = true;
    return set;
}
inline bool InSet(const CharacterSet& set, char c) {
    return set[static_cast<unsigned char>(c)];
}

// Case folding is ASCII only: accented letters compare as they are.
inline char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
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

// Characters before the first NUL or CR (or the end of the view); -1 when that is 1,040 or more.
int BoundedLength(std::string_view text);

// Replaces destination by source up to its first NUL or CR. Returns the copied length,
// 0 when source is empty (destination emptied), -1 when source is over-long (destination
// untouched).
int CopyLine(std::string& destination, std::string_view source);

// The bounded text without its leading and trailing characters of code 32 or less, as a view
// into text. Returns the trimmed length (0 for an empty or all-blank text), -1 when over-long.
int TrimText(std::string_view text, std::string_view& trimmed);
// The text without its leading and trailing characters of code 32 or less. Unlike TrimText it
// looks for no terminator: it is for a text cut at its own already, a copied line's code.
std::string_view TrimEnds(std::string_view text);
// The same in place.
void TrimEndsInPlace(std::string& text);

// count characters from 1-based position start (count 0: up to the end). Returns count,
// 0 when text is empty or the range does not lie inside it, -1 when text is over-long.
int MidText(std::string_view text, int start, int count, std::string_view& part);

// Position of the first pattern at or after start; 0 when none (or start < 1, an empty string,
// or a pattern that cannot fit); -1 when either text is over-long. ignoreCase folds a-z only.
int InString(int start, std::string_view text, std::string_view pattern, bool ignoreCase);

// As InString, but an occurrence counts only when it stands as a token: at the start of the
// text or after a character of `before` (any character when `before` is empty), and at the end
// of the text or before a character of `after` (any character when `after` is empty).
int FindWord(int start, std::string_view text, std::string_view word, bool ignoreCase,
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
