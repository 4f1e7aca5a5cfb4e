// Words of C expressions as the preprocessor translations see them: names, numbers and
// sizeof groups.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text.h"

namespace ondavel {

struct Session;

// An equate's text (a #define value, a macro function) is built in a buffer of two lines:
// 2,079 characters and the terminator.
inline constexpr size_t kEquateTextCapacity = 2 * kLineLimit;

// Whether name can stand as a MASM equate name: no blank, tab, control character or any of
// ,<>{}()+-*\/ in it (an empty name passes).
bool IsValidEquateName(std::string_view name);

struct NumberText {
    bool isNumber = false;
    bool isHex = false;
};

// Whether text is spelled only with the characters of C numbers (digits, signs, '.', 'e',
// hexadecimal letters, the U/L/i suffix letters, and "0x"); a single character must be a
// digit. Used on reversed tails, so it accepts "L61" and "1-".
NumberText IsNumberCharacters(std::string_view text);
// A C number: spelled as above and beginning with a digit, so that names such as "ABBA" or
// "FILL" stay names.
NumberText IsNumberText(std::string_view text);

// The MASM form of a C number: cut at its first i/I (the i64 suffixes), "0" for a lone
// U/L suffix, otherwise the characters without x/X and the U/L suffix letters, with "h"
// after a hexadecimal number ("0x0400" -> "00400h"). Returns false when nothing is left.
bool NumberToMasm(std::string_view text, std::string& output);

// Appends the sizeof group that begins at the '(' of group (the text after the sizeof word):
// " strsize(...) + 1" without quotes for a quoted argument, else " " + word and the group up
// to its first ')', a type in it written as the assembler knows it ("(short)" -> "(SWORD)",
// "(char *)" -> "(DWORD)"). Lowers the statement's closeParens. Returns the characters of
// group consumed.
size_t AppendSizeofGroup(Session& session, std::string_view word, std::string_view group,
                         std::string& output);

// Whether the sizeof group that begins group, appended to an equate text of outputSize
// characters, leaves room for the terminator. It is measured up to its ')', with the 12
// characters of " strsize" and " + 1", before its quotes are dropped.
bool SizeofGroupFits(std::string_view group, size_t outputSize);

// Writes the operand of each sizeof group of text as AppendSizeofGroup does ("4*sizeof(ULONG)"
// -> "4*sizeof(DWORD)").
void MapSizeofOperands(Session& session, std::string& text);

}  // namespace ondavel
