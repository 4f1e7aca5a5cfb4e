// Where a whole-kit translation stands: the header its list line names and the line of the
// statement under way, for the boxes that say what went wrong but not where.
#pragma once

#include <string>

namespace ondavel {

struct Session;

namespace workbench {

// "HEADER, ligne N" while a batch translates a header; empty otherwise.
std::string BatchPlace(Session& session);

}  // namespace workbench
}  // namespace ondavel
