#include "core/windows1252.h"

namespace ondavel {

namespace {

// Code points of the bytes 0x80 to 0x9F (0 where the byte is unused); the other bytes are
// their own code points.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t Windows1252ToUnicode(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t code = kHighControls[byte - 0x80];
    return code == 0 ? U'\uFFFD' : code;
}

char UnicodeToWindows1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code < 0x100)) return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == code) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace ondavel
