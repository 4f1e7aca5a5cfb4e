// #define NAME  TYPE member; ...  ->  nothing written; the declarations are kept for the
//                                   structure bodies that name the macro in place of members
#include <string>
#include <vector>

#include "core/text.h"
#include "preprocessor/directives.h"
#include "session/session.h"
#include "statements/statement_cursor.h"

namespace ondavel {

void KeepDeclarationMacro(Session& session, StatementSpan statement) {
    StatementCursor cursor(session, statement);
    if (!cursor.Start()) return;
    std::string_view first = DirectiveText(cursor.Line());
    first.remove_prefix(std::min(first.size(), first.find_first_of(" \t")));
    first = first.substr(std::min(first.size(), first.find_first_not_of(" \t")));
    const size_t nameEnd = std::min(first.size(), first.find_first_of(" \t\\"));
    const std::string name(first.substr(0, nameEnd));
    if (name.empty()) return;
    std::vector<std::string> lines{std::string(first.substr(nameEnd))};
    while (cursor.NextLine()) lines.emplace_back(cursor.Line());
    session.header.declarationMacros.insert_or_assign(name, std::move(lines));
}

}  // namespace ondavel
