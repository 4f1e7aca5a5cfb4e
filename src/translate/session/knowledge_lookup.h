// The translation's lookups in the kit's knowledge: the knowledge file, and the aggregate name
// that a one-line macro announced for a later statement.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "knowledge/knowledge.h"

namespace ondavel {

struct Session;

// What LookupKnowledge answers in the session's knowledge file, except that a pending
// aggregate macro name found inside word is consumed first and gives CODE_TYPEDEF for any
// kind. The first lookup after a load journals a file that lacks a section line.
uint32_t LookupKnowledge(Session& session, std::string_view word, LookupKind kind,
                         std::string* output);

}  // namespace ondavel
