// The translation's lookups in the kit's knowledge: the knowledge file, and the aggregate name
// that a one-line macro announced for a later statement.
#pragma once

#include <string>
#include <string_view>

#include "knowledge/knowledge.h"

namespace ondavel {

struct Session;

// What the knowledge file answers in the session, except that a pending aggregate macro name
// found inside word is consumed first: it makes word a typedef's keyword, and a value found
// (with *output untouched) for any other lookup. The first lookup after a load journals a file
// that lacks a section line.
KeywordCode LookupKeywordCode(Session& session, std::string_view word);
bool LookupKnowledge(Session& session, std::string_view word, LookupKind kind, std::string* output);

}  // namespace ondavel
