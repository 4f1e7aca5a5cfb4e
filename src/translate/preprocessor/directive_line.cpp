#include "preprocessor/directive_line.h"

#include <optional>

#include "core/comment_split.h"
#include "core/line_index.h"
#include "core/text.h"
#include "session/session.h"

namespace ondavel {

bool CopyDirectiveLine(StatementSpan directive, std::string& line) {
    std::string_view raw;
    return directive.source.Line(directive.firstLine, raw) &&
           CopyIndexedLine(directive.source, line, raw);
}

void SplitDirectiveLine(Session& session, std::string& line, DirectiveParts& parts) {
    const LineParts found = SplitComment(line, parts.comment, session.header.inBlockComment);
    parts.code.clear();
    // Without code the line is left as it was, comment included: it then has no code at all.
    if (found.hasCode) parts.code = Trimmed(line);
}

bool ReadDirectiveLine(Session& session, StatementSpan directive, DirectiveParts& parts) {
    std::string_view raw;
    if (!directive.source.Line(directive.firstLine, raw)) return false;
    // Most directive lines hold no comment: their code is the line, trimmed, with no copy to
    // split.
    if (const std::optional<std::string_view> code =
            UncommentedCode(directive.source, raw, session.header.inBlockComment)) {
        parts.code.assign(*code);
        parts.comment.clear();
        return true;
    }
    std::string line;
    if (!CopyIndexedLine(directive.source, line, raw)) return false;
    SplitDirectiveLine(session, line, parts);
    return true;
}

size_t DirectiveWordEnd(std::string_view code) {
    size_t at = 0;
    if (at < code.size() && code[at] == '#') ++at;
    at = SkipBlanks(code, at);
    while (at < code.size() && IsLetter(code[at])) ++at;
    return at;
}

std::string_view DirectiveArgument(std::string_view code) {
    return code.substr(SkipBlanks(code, DirectiveWordEnd(code)));
}

}  // namespace ondavel
