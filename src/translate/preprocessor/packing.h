// Packing regions: "#include <pshpack2.h>" ... "#include <poppack.h>" and
// "#pragma pack(push, 2)" ... "#pragma pack(pop)" set the alignment of the structures between
// them. The support include keeps that alignment in PACKING, as the assembler meets the lines
// (the branches of a conditional each keep their own); a header's structures declared after
// its first such line take it ("NAME STRUCT PACKING").
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Session;

// The support include's line for a packing directive ("PUSH_PACKING 2", "POP_PACKING",
// "SET_PACKING 4", "SET_PACKING" for the default); empty for any other directive. code is the
// directive's code without its comment.
std::string PackingLine(std::string_view code);

// Writes the packing line of a directive, when it has one, after the directive's own line.
void WritePackingLine(Session& session, std::string_view code);

}  // namespace ondavel
