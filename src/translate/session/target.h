// The machine the translated includes are written for.
#pragma once

namespace ondavel {

// Win32: 32-bit x86, pointers and handles of 32 bits. Win64: x86-64 under the LLP64 model,
// pointers, handles and the pointer-sized integers of 64 bits, int and long of 32.
enum class Target { Win32, Win64 };

}  // namespace ondavel
