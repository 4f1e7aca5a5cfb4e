#include "declarations/array_bound.h"

#include <string>
#include <vector>

#include "core/text.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/operator_words.h"

namespace ondavel {

namespace {

// "(COUNT>>1)+1" -> "(COUNT SHR 1)+1": the assembler spells the shifts as words.
void WriteShifts(std::string& bound) {
    for (const std::string_view c : {"<<", ">>"}) {
        const std::string word = " " + std::string(MasmOperatorWord(c)) + " ";
        for (size_t at = bound.find(c); at != std::string::npos; at = bound.find(c, at)) {
            bound.replace(at, c.size(), word);
        }
    }
}

// The text between one bracket pair as an assembler count: "0x10" -> "010h".
std::string OneBound(std::string_view inside) {
    std::string bound;
    for (char c : inside) {
        if (!IsBlank(c)) bound.push_back(c);
    }
    std::string converted;
    if (IsNumberText(bound).isNumber && NumberToMasm(bound, converted)) bound = converted;
    WriteShifts(bound);
    return bound;
}

}  // namespace

Declarator ReadArrayBound(std::string_view declarator) {
    Declarator result;
    size_t bracket = declarator.find('[');
    if (bracket == std::string_view::npos) {
        result.name = declarator;
        return result;
    }
    result.name = Trimmed(declarator.substr(0, bracket));
    std::vector<std::string> bounds;
    for (; bracket != std::string_view::npos; bracket = declarator.find('[', bracket + 1)) {
        const std::string_view inside = declarator.substr(bracket + 1);
        bounds.push_back(OneBound(inside.substr(0, inside.find(']'))));
    }
    if (bounds.size() == 1) {
        result.bound = bounds.front();
        return result;
    }
    for (const std::string& bound : bounds) {
        if (!result.bound.empty()) result.bound += '*';
        result.bound += "(" + bound + ")";
    }
    return result;
}


std::string CombinedBound(const std::string& typeBound, const std::string& count) {
    if (typeBound.empty() || count.empty()) return typeBound.empty() ? count : typeBound;
    return "(" + typeBound + ")*(" + count + ")";
}

}  // namespace ondavel
