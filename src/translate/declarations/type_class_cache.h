// The classes of the type names a header has asked about, kept while the lists that decided
// them do not change. A prototype asks about the same few types for each of its parameters, a
// COM interface for each of its methods; each asking costs a lookup in the lists and two in the
// knowledge file.
#pragma once

#include <cstdint>
#include <string>

#include "core/text_cache.h"

namespace ondavel {

// A type name's class, and the MASM name that goes with it where the classification gave one.
struct TypeClass {
    uint32_t code = 0;
    bool named = false;
    std::string masmName;
};

using TypeClassCache = TextCache<TypeClass, 512>;

}  // namespace ondavel
