#include "preprocessor/name_pair.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace ondavel {

namespace {

// What each call puts between the name and its extension in either build.
struct NameChoice {
    std::string_view macro;
    std::string_view wide;
    std::string_view narrow;
    bool takesExtension;
};

constexpr std::string_view kChoicePrefix = "__MINGW_NAME_";
constexpr std::array<NameChoice, 4> kChoices{{
    {"__MINGW_NAME_AW", "W", "A", false},
    {"__MINGW_NAME_AW_EXT", "W", "A", true},
    {"__MINGW_NAME_UAW", "_W", "_A", false},
    {"__MINGW_NAME_UAW_EXT", "_W_", "_A_", true},
}};
static_assert(std::ranges::all_of(kChoices, [](const NameChoice& choice) {
    return choice.macro.starts_with(kChoicePrefix);
}));

}  // namespace

std::optional<NamePair> NamePairEquates(std::string_view name, std::string_view value) {
    value = Trimmed(value);
    // Every macro of a pair begins so: most values are told at once that they name none.
    if (!value.starts_with(kChoicePrefix)) return std::nullopt;
    const size_t open = value.find('(');
    if (open == std::string_view::npos || !value.ends_with(')')) return std::nullopt;
    const std::string_view macro = Trimmed(value.substr(0, open));
    const std::string_view arguments = value.substr(open + 1, value.size() - open - 2);
    const size_t comma = arguments.find(',');
    const std::string_view base = Trimmed(arguments.substr(0, comma));
    const std::string_view extension =
        comma == std::string_view::npos ? std::string_view{} : Trimmed(arguments.substr(comma + 1));
    for (const NameChoice& choice : kChoices) {
        if (macro != choice.macro || (comma != std::string_view::npos) != choice.takesExtension) {
            continue;
        }
        NamePair pair;
        pair.wide = std::string(base).append(choice.wide).append(extension);
        pair.narrow = std::string(base).append(choice.narrow).append(extension);
        // A build in which the name would stand for itself leaves it as it is.
        const auto equate = [&](const std::string& chosen) {
            if (chosen == name) return std::string();
            return std::string(name).append("\tequ\t< ").append(chosen).append(">\r\n");
        };
        pair.equates = "IFDEF UNICODE\r\n" + equate(pair.wide) + "ELSE\r\n" +
                       equate(pair.narrow) + "ENDIF";
        return pair;
    }
    return std::nullopt;
}

std::optional<TypedefPair> TypedefPairEquates(std::string_view code) {
    constexpr std::string_view kPrefix = "__MINGW_TYPEDEF_";
    code = Trimmed(code);
    if (!code.starts_with(kPrefix)) return std::nullopt;
    code.remove_prefix(kPrefix.size());
    for (const std::string_view unicode : {"AW", "UAW"}) {
        if (!code.starts_with(unicode)) continue;
        std::string_view rest = Trimmed(code.substr(unicode.size()));
        if (!rest.starts_with('(')) return std::nullopt;
        const size_t close = rest.find(')');
        if (close == std::string_view::npos) return std::nullopt;
        TypedefPair pair;
        pair.name = Trimmed(rest.substr(1, close - 1));
        if (pair.name.empty() || pair.name.find_first_of(" \t,") != std::string::npos) {
            return std::nullopt;
        }
        auto equates = NamePairEquates(
            pair.name,
            std::string(kChoicePrefix).append(unicode).append("(").append(pair.name).append(")"));
        if (!equates) return std::nullopt;
        pair.equates = std::move(*equates);
        return pair;
    }
    return std::nullopt;
}

}  // namespace ondavel
