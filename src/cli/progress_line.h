// The line that shows how far a batch has come.
#pragma once

#include <chrono>
#include <string>

#include "run/batch.h"

namespace ondavel {

// On a terminal a bar, headers done / total, the next header's file name and the elapsed time:
// "[#####---------------]  312/1429  winuser.h  0:02"; otherwise a plain log line with the
// header's path: "312/1429 /usr/include/winuser.h".
std::string ProgressLine(const BatchProgress& progress, std::chrono::steady_clock::duration elapsed,
                         bool asBar);

}  // namespace ondavel
