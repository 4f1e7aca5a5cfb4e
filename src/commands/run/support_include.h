// The support include: the definitions every translated include relies on, written into each
// kit's output folder so that a program includes it first, before windows.sdk.
#pragma once

#include <string>
#include <string_view>

#include "session/target.h"

namespace ondavel {

struct Session;

constexpr std::string_view kSupportIncludeName = "ondavel.inc";

// The whole text of the support include for target, lines ended by CR LF.
std::string SupportIncludeText(Target target);

// Writes the support include into the session's output folder; false (shown on the host)
// when it cannot be written.
bool WriteSupportInclude(Session& session);

}  // namespace ondavel
