// The condition of #if and #elif, rewritten operator by operator into MASM.
#pragma once

#include <cstddef>
#include <string>

namespace ondavel {

struct Session;
class LineIndex;
struct StatementReader;

// Appends to output the MASM form of the condition that begins at position start of
// reader.workLine; a backslash reads the statement's next line through reader. Returns false
// when such a line could not be read. Afterwards reader.commentScratch holds the comment of
// the last line read.
bool RewriteCondition(Session& session, LineIndex& index, StatementReader& reader, size_t start,
                      std::string& output);

}  // namespace ondavel
