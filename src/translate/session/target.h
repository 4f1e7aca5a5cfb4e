// The machine the translated includes are written for.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace ondavel {

// Win32: 32-bit x86, pointers and handles of 32 bits. Win64: x86-64 under the LLP64 model,
// pointers, handles and the pointer-sized integers of 64 bits, int and long of 32.
enum class Target { Win32, Win64 };

// The MASM type of a pointer, a handle or a pointer-sized integer on target.
inline std::string_view PointerTypeName(Target target) {
    return target == Target::Win64 ? "QWORD" : "DWORD";
}

// Some rules mend text that stands in branches a 32-bit build does not take, or takes only on
// request: the body of another machine's structure, a declaration for _WIN64 alone, a
// callback's name given to its 64-bit form. The 32-bit includes keep the text they have always
// had, byte for byte, so that the copies and comparisons made of them stay valid: these rules
// apply to the 64-bit includes alone.
inline bool MendsOtherBuildsBranches(Target target) { return target == Target::Win64; }

// The name of a file of the base directory as a run for target writes or reads it: the 64-bit
// runs keep theirs beside the 32-bit ones, with 64 before the extension ("liste64.txt").
inline std::string ForTarget(std::string_view name, Target target) {
    std::string file(name);
    if (target == Target::Win64) file.insert(std::min(file.rfind('.'), file.size()), "64");
    return file;
}

}  // namespace ondavel
