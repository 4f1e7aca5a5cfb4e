#include "preprocessor/packing.h"

#include <vector>

#include "core/text.h"
#include "session/output.h"
#include "session/session.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

// "pshpack4.h" gives "4", "poppack.h" "pop", any other header "".
std::string_view PackingHeader(std::string_view directive) {
    if (InString(1, directive, "poppack.h", Case::Ignore).has_value()) return "pop";
    const std::optional<int> at = InString(1, directive, "pshpack", Case::Ignore);
    if (!at) return {};
    const size_t digits = static_cast<size_t>(*at) - 1 + 7;
    const size_t end = directive.find_first_not_of("0123456789", digits);
    if (end == digits || end == std::string_view::npos || directive[end] != '.') return {};
    return directive.substr(digits, end - digits);
}

// The arguments of "pack(push, 2)", blanks trimmed; false when the pragma is no pack pragma.
bool PackArguments(std::string_view pragma, std::vector<std::string_view>& arguments) {
    pragma = Trimmed(pragma);
    if (!pragma.starts_with("pack")) return false;
    pragma = Trimmed(pragma.substr(4));
    if (!pragma.starts_with('(') || !pragma.ends_with(')')) return false;
    std::string_view inside = pragma.substr(1, pragma.size() - 2);
    while (!Trimmed(inside).empty()) {
        const size_t comma = inside.find(',');
        arguments.push_back(Trimmed(inside.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        inside.remove_prefix(comma + 1);
    }
    return true;
}

std::string PragmaPackingLine(std::string_view pragma) {
    std::vector<std::string_view> arguments;
    if (!PackArguments(pragma, arguments)) return {};
    if (arguments.empty()) return "SET_PACKING";
    if (arguments[0] == "pop") return "POP_PACKING";
    if (arguments[0] == "push") {
        // "pack(push)" keeps the alignment as it is; "pack(push, name, 2)" names the entry.
        return "PUSH_PACKING " + std::string(arguments.size() == 1 ? "PACKING" : arguments.back());
    }
    if (arguments.size() == 1 && arguments[0] != "show") {
        return "SET_PACKING " + std::string(arguments[0]);
    }
    return {};
}

}  // namespace

std::string PackingLine(std::string_view code) {
    const std::string_view directive = DirectiveText(Trimmed(code));
    if (directive.starts_with("include")) {
        const std::string_view header = PackingHeader(directive);
        if (header.empty()) return {};
        return header == "pop" ? "POP_PACKING" : "PUSH_PACKING " + std::string(header);
    }
    if (directive.starts_with("pragma")) return PragmaPackingLine(directive.substr(6));
    return {};
}

void WritePackingLine(Session& session, std::string_view code) {
    const std::string line = PackingLine(code);
    if (line.empty()) return;
    WriteOutputLine(session, line);
    session.header.packingSeen = true;
}

}  // namespace ondavel
