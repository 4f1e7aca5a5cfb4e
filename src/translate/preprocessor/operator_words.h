// The operators of C constant expressions and the MASM words that stand for them. Every
// translation of an expression (#define values, macro bodies, #if conditions, enumerator
// values, array bounds) takes its words from this one table; the blanks around a word, and
// the operators a translation leaves to its own rules, are its own.
#pragma once

#include <initializer_list>
#include <string_view>

namespace ondavel {

struct OperatorWord {
    std::string_view c;     // the C spelling
    std::string_view masm;  // the MASM word, without blanks
};

// The operator that text begins with: the longest spelling that fits ("<<" before "<"),
// leaving out the spellings of leftOut. nullptr when none.
const OperatorWord* OperatorAt(std::string_view text,
                               std::initializer_list<std::string_view> leftOut = {});

// The MASM word of the C operator spelled c; empty when c is none.
std::string_view MasmOperatorWord(std::string_view c);

}  // namespace ondavel
