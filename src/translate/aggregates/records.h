// Bit fields become MASM records: every run of consecutive bit-field members is declared as
// one RECORD before the structure, and the structure holds one member of that record type.
//
//   DWORD fRead : 1;          RECAFLAGS		RECORD     AAnLevel : 4,
//   DWORD fWrite : 1;   ->    				AAfWrite : 1,
//   DWORD nLevel : 4;         				AAfRead : 1
//
// The fields are declared last first, as MASM records number their bits from the top.
#pragma once

#include <string_view>

namespace ondavel {

struct AggregateWork;
struct Session;

// One member text holding ':' (without its ';'). The first bit field of a run names the
// record after the aggregate and puts the record's member in the aggregate's pieces.
void TranslateBitField(AggregateWork& work, std::string_view member);

// Whether text, what follows a ':' in a member, begins with a width: a number, or a name the
// header defined as a decimal number.
bool BeginsWithFieldWidth(const Session& session, std::string_view text);

// Writes the run's record declaration, if any: called before a plain member and at braces.
void FlushRecords(AggregateWork& work);

}  // namespace ondavel
