#include "preprocessor/operator_words.h"

#include <algorithm>

#include "core/text.h"

namespace ondavel {

namespace {

// Each two-character operator comes before the one-character operator it begins with, so the
// first spelling that fits is the longest.
constexpr OperatorWord kOperatorWords[] = {
    {"<<", "SHL"}, {">>", "SHR"}, {"==", "EQ"}, {"!=", "NE"}, {"<=", "LE"},
    {">=", "GE"},  {"&&", "AND"}, {"||", "OR"}, {"<", "LT"},  {">", "GT"},
    {"&", "AND"},  {"|", "OR"},   {"!", "NOT"}, {"~", "NOT"}, {"^", "XOR"},
    {"+", "+"},    {"-", "-"},    {"*", "*"},   {"/", "/"},   {"%", "MOD"},
};

// The characters an operator begins with.
constexpr CharacterSet kOperatorInitials = [] {
    CharacterSet initials{};
    for (const OperatorWord& word : kOperatorWords) AddInitial(initials, word.c);
    return initials;
}();

}  // namespace

const OperatorWord* OperatorAt(std::string_view text,
                               std::initializer_list<std::string_view> leftOut) {
    // Most texts begin with no operator: their first character rules out every one.
    if (text.empty() || !InSet(kOperatorInitials, text[0])) return nullptr;
    for (const OperatorWord& word : kOperatorWords) {
        if (word.c[0] == text[0] && text.starts_with(word.c) &&
            std::find(leftOut.begin(), leftOut.end(), word.c) == leftOut.end()) {
            return &word;
        }
    }
    return nullptr;
}

std::string_view MasmOperatorWord(std::string_view c) {
    for (const OperatorWord& word : kOperatorWords) {
        if (word.c == c) return word.masm;
    }
    return {};
}

}  // namespace ondavel
