// Translating one header, statement by statement.
#pragma once

namespace ondavel {

struct Session;
class LineIndex;

// Walks the indexed header: comment lines go to the output as ";" lines, every statement is
// delimited, classified and handed to its translation, and the output ends with the count of
// IF levels left open and the ENDIF lines that close them. False when the file has no line.
bool TranslateFile(Session& session, LineIndex& index);

// Journals the longest line of index when it is too long to translate. True when every
// line fits.
bool CheckLineLengths(Session& session, const LineIndex& index);

// Journals each line of index too long to translate and empties it, with the lines that
// backslashes join to it: the statement it belongs to is lost, never the rest of the file.
void DropOverlongLines(Session& session, LineIndex& index);

// Frees what one header collected (name lists, saved strings).
void ReleasePerFileMemory(Session& session);

}  // namespace ondavel
