// Finding the names that follow the closing braces of aggregates.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct AggregateWork;
class StatementCursor;

enum class NameFound { None = 0, Word = 1, StatementEnded = -1 };

// The word after the statement's last closing brace: Word with the word in name, None when
// a ';' or '*' follows that brace, StatementEnded when the statement ends first.
NameFound NameAfterBrace(AggregateWork& work, std::string& name);

// The word after the brace that closes the '{' under the cursor, as NameAfterBrace gives it.
// The cursor does not move.
NameFound NameAfterNestedBrace(const StatementCursor& cursor, std::string& name);

// The declarators after the aggregate's own name, up to the statement's ';': "*PPOINT",
// "NEAR *NPPOINT", "POINT2". Pointer names are recorded as of the pointer type; plain names as
// aliases of the structure, each appended to aliasText as ",NAME" — or, when aliasText is null
// (an enumeration), as doublewords.
void RegisterDeclarators(AggregateWork& work, std::string* aliasText);

// Whether the first "Vtbl" in name (letters in any case) ends it: MIDL's virtual tables.
bool IsVtblName(std::string_view name);

}  // namespace ondavel
