// Members of structures and unions, and the frames of nested ones:
//
//   DWORD cbSize;          ->  	cbSize DWORD ?
//   BYTE bData[16];        ->  	bData BYTE 16 dup (?)
//   POINT pt;              ->  	pt POINT <>
//   union { ... } u;       ->  	union	u  ...  	ENDS
#pragma once

#include <string_view>

namespace ondavel {

struct AggregateWork;

// Translates one member text (without its ';') into pieces of the aggregate's output, one per
// declarator ("int a, b" declares two members of the same type).
void TranslateMember(AggregateWork& work, std::string_view member);

// At a '{' of the body (under the cursor): the text gathered before it opens a nested union
// and/or structure, named by the word after its own closing brace.
void OpenNestedAggregate(AggregateWork& work, std::string_view gathered);

// At the '}' that closes a nested aggregate. One declared as an array is written at once as a
// structure of its own, OUTER_name, and the aggregate gets the member "name OUTER_name n dup
// (<>)" instead.
void CloseNestedAggregate(AggregateWork& work);

}  // namespace ondavel
