// Enumerations have no MASM counterpart: each enumerator becomes an equate, framed by two
// comment lines that name the enumeration.
//
//   typedef enum _COLOR {            ;COLOR	UNION
//       CLR_RED,             ->      	CLR_RED	EQU <0H>
//       CLR_GREEN = 5,               	CLR_GREEN	EQU <5 >
//   } COLOR;                         ;COLOR		ENDS
#pragma once

#include <cstdint>
#include <string>

namespace ondavel {

struct AggregateWork;

// "0", the hexadecimal digits without leading zeros, "H": 10 -> "0AH".
std::string DwordToMasmHex(uint32_t value);

// Translates the enumeration body that follows the '{' under the cursor, writes it, and
// registers the pointer names declared after it.
void TranslateEnumeration(AggregateWork& work);

}  // namespace ondavel
