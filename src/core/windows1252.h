// The character set of every text the translation reads and writes.
#pragma once

namespace ondavel {

// The Unicode code point of a Windows-1252 byte; U+FFFD for the five bytes it leaves unused.
char32_t Windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point; '?' when the set has none for it.
char UnicodeToWindows1252(char32_t code);

}  // namespace ondavel
