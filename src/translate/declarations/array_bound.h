// The bounds of a C array declarator as the assembler counts elements: "a[0x10]" is 010h
// elements, "a[11][16]" (an array of arrays) (11)*(16).
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Declarator {
    std::string name;
    std::string bound;  // empty: no array
};

// "a[0x10]" -> name "a", bound "010h". An array of arrays holds the elements of every
// dimension: "a[11][16]" -> bound "(11)*(16)".
Declarator ReadArrayBound(std::string_view declarator);

// The elements of an array of count arrays of an array type's bound ("6" and "1": "(6)*(1)");
// either may be empty, no array.
std::string CombinedBound(const std::string& typeBound, const std::string& count);

}  // namespace ondavel
