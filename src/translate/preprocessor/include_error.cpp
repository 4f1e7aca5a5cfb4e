// #include <name.h>  ->  Include name.sdk (commented out for the packing headers and the
//                         compiler's own)
// #error message     ->  .ERR <message>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/output_name.h"
#include "core/text.h"
#include "preprocessor/directive_line.h"
#include "preprocessor/directives.h"
#include "preprocessor/packing.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

// Characters that mean something inside a MASM text literal: blanked out of #error lines.
constexpr std::string_view kLiteralOperators = "!&|";

// Both directives are one line: a line continued by a backslash is not translated.
bool IsContinued(std::string_view code) {
    return !code.empty() && code.back() == '\\';
}

// The packing headers only change structure alignment, which the translated structures
// already carry: their include is kept as a comment.
bool NamesPackingHeader(std::string_view line) {
    return InString(1, line, "PopPack.h", Case::Ignore).has_value() ||
           InString(1, line, "PshPack", Case::Ignore).has_value();
}

// Headers that the C compiler brings itself, not the kit: no kit translates them, so their
// include is kept as a comment too.
constexpr std::array<std::string_view, 10> kCompilerHeaders = {
    "mm_malloc.h", "x86intrin.h", "intrin.h",  "mmintrin.h", "xmmintrin.h",
    "emmintrin.h", "pmmintrin.h", "mm3dnow.h", "cpuid.h",    "immintrin.h"};

bool NamesCompilerHeader(std::string_view name) {
    return std::find(kCompilerHeaders.begin(), kCompilerHeaders.end(), name) !=
           kCompilerHeaders.end();
}

// The header name between its delimiters, as it stands.
std::string_view HeaderName(std::string_view argument) {
    if (argument.empty()) return {};
    const std::string_view rest = argument.substr(1);  // the opening '<' or quote
    return rest.substr(0, rest.find_first_of(">\"'"));
}

// The header name between its delimiters as the name of its translation (the name the batch
// gives that header's output); empty when the name has no one-letter extension.
std::string TranslatedHeaderName(std::string_view name) {
    if (name.size() < 2 || name[name.size() - 2] != '.') return {};
    return IncludedOutputName(name);
}

}  // namespace

void TranslateInclude(Session& session, StatementSpan statement) {
    DirectiveParts parts;
    if (!ReadDirectiveLine(session, statement, parts)) return;
    if (IsContinued(parts.code)) return;
    const std::string_view header = HeaderName(DirectiveArgument(parts.code));
    const bool asComment = NamesPackingHeader(parts.code) || NamesCompilerHeader(header);
    std::string name = TranslatedHeaderName(header);
    if (name.empty()) return;
    // "sys/fcntl.h" includes <fcntl.h>: the assembler looks beside the including file first,
    // where the name is the include's own; the folders above lead to the one C means.
    const std::string& own = session.run.currentOutputName;
    if (own.ends_with("/" + name)) {
        for (const char c : own) {
            if (c == '/') name.insert(0, "../");
        }
    }
    std::string output = asComment ? ";Include " : "Include ";
    WriteOutputLine(session, output.append(name).append(parts.comment));
    WritePackingLine(session, parts.code);
}

void TranslateError(Session& session, StatementSpan statement, HeapBlock* destination) {
    std::string line;
    if (!CopyDirectiveLine(statement, line)) return;
    for (char& c : line) {
        if (kLiteralOperators.find(c) != std::string_view::npos) c = ' ';
    }
    DirectiveParts parts;
    SplitDirectiveLine(session, line, parts);
    if (IsContinued(parts.code)) return;
    std::string output = ".ERR <";
    output.append(DirectiveArgument(parts.code)).append(">").append(parts.comment);
    WriteLineTo(session, destination, output);
}

}  // namespace ondavel
