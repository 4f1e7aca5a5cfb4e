// Naming a header by the file name under which the chosen kit's header list holds it.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

struct Session;

// The header that name stands for: when name is a bare file name ("winuser.h") and a line of
// the kit's header list ends with it, that line (the header's path); otherwise name itself.
std::string FindListedHeader(Session& session, std::string_view name);

}  // namespace ondavel
