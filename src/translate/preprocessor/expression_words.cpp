#include "preprocessor/expression_words.h"

#include <algorithm>
#include <array>

#include "core/text.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"
#include "session/session.h"

namespace ondavel {

namespace {

// Characters an equate name cannot hold: control characters, blanks and operators.
constexpr CharacterSet kNotInName = MakeCharacterSet(" ,<>{}()+-*\\/", Controls::Included);
// Characters a number may hold: digits, hexadecimal letters, signs, a point and suffixes.
constexpr CharacterSet kNumberCharacters = MakeCharacterSet("-+.0123456789AaBbCcDdEeFfUuLliI");

}  // namespace

bool IsValidEquateName(std::string_view name) {
    for (char c : name) {
        if (InSet(kNotInName, c)) return false;
    }
    return true;
}

NumberText IsNumberCharacters(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() == 1) return {IsDigit(text[0]), false};
    NumberText result{true, false};
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            result.isHex = true;
            ++i;  // the x goes with its 0
        } else if (!InSet(kNumberCharacters, c)) {
            return {};
        }
    }
    return result;
}

NumberText IsNumberText(std::string_view text) {
    if (text.empty() || !IsDigit(text[0])) return {};
    return IsNumberCharacters(text);
}

bool NumberToMasm(std::string_view text, std::string& output) {
    output.clear();
    text = text.substr(0, std::min(text.find('i'), text.find('I')));
    if (text == "U" || text == "L" || text == "u" || text == "l") {
        output.assign(1, '0');
        return true;
    }
    bool hex = false;
    for (char c : text) {
        if (c == 'x' || c == 'X') {
            hex = true;
        } else if (!IsOneOf(c, "LUlu")) {
            output.push_back(c);
        }
    }
    if (output.empty()) return false;
    if (hex) output.push_back('h');
    return true;
}

namespace {

// The words a type text of C may hold before its name that say nothing of its size.
bool IsTagOrQualifier(std::string_view word) {
    return word == "struct" || word == "union" || word == "const" || word == "volatile";
}

// The operand of a sizeof group as the assembler's SIZEOF reads it: a pointer is of the pointer
// type, a C type the kit knows is its MASM type ("short" -> SWORD, "WCHAR" -> WORD), an
// enumeration a DWORD; any other text (a structure's name, an expression) stays as it is. False
// when the operand is kept.
bool MasmSizeofOperand(Session& session, std::string_view inner, std::string& operand) {
    const std::string_view type = Trimmed(inner);
    if (type.empty()) return false;
    if (type.back() == '*') {
        operand = PointerType(session);
        return true;
    }
    std::string_view last;
    for (size_t at = 0; at < type.size();) {
        const size_t start = type.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const size_t stop = std::min(type.find_first_of(" \t", start), type.size());
        const std::string_view word = type.substr(start, stop - start);
        if (word == "enum") {
            operand = "DWORD";
            return true;
        }
        if (!IsTagOrQualifier(word)) {
            if (!last.empty() && last != "unsigned" && last != "signed") return false;
            last = word;
        }
        at = stop;
    }
    if (last.empty()) return false;
    operand.assign(last);
    if (!LookupKnowledge(session, operand, LookupKind::DefinedType, &operand)) {
        LookupKnowledge(session, operand, LookupKind::Incompatible, &operand);
    }
    return operand != inner;
}

}  // namespace

void MapSizeofOperands(Session& session, std::string& text) {
    for (size_t at = text.find("sizeof"); at != std::string::npos; at = text.find("sizeof", at + 1)) {
        const size_t open = text.find_first_not_of(" \t", at + 6);
        if (open == std::string::npos || text[open] != '(') continue;
        const size_t close = text.find(')', open);
        if (close == std::string::npos) return;
        std::string operand;
        if (MasmSizeofOperand(session, std::string_view(text).substr(open + 1, close - open - 1),
                              operand)) {
            text.replace(open + 1, close - open - 1, operand);
        }
    }
}

size_t AppendSizeofGroup(Session& session, std::string_view word, std::string_view group,
                         std::string& output) {
    const size_t close = group.find(')');
    const size_t end = close == std::string_view::npos ? group.size() : close + 1;
    const std::string_view text = group.substr(0, end);
    std::string operand;
    if (text.size() > 1 && (text[1] == '"' || text[1] == '\'')) {
        output.append(" strsize");
        for (char c : text) {
            if (c != '"' && c != '\'') output.push_back(c);
        }
        output.append(" + 1");
    } else if (close != std::string_view::npos &&
               MasmSizeofOperand(session, text.substr(1, close - 1), operand)) {
        output.append(" ").append(word).append("(").append(operand).append(")");
    } else {
        output.append(" ").append(word).append(text);
    }
    --session.statement.counts.closeParens;
    return end;
}

bool SizeofGroupFits(std::string_view group, size_t outputSize) {
    constexpr size_t kStrsizeWords = 12;
    const size_t close = group.find(')');
    const size_t length = close == std::string_view::npos ? group.size() : close + 1;
    return outputSize + length + kStrsizeWords < kEquateTextCapacity;
}

}  // namespace ondavel
