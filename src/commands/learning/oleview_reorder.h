// Reordering of an Oleview IDL listing so that a one-pass translation meets every plain
// declaration before the attributed declarations that use it.
#pragma once

namespace ondavel {

struct Session;
class LineIndex;

// The per-file processor of the Oleview command: writes the reordered copy of index to its
// output file (the run's output file). False when the file is empty.
bool ReorderOleview(Session& session, LineIndex& index);

}  // namespace ondavel
