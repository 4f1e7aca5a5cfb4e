#include "core/text.h"

#include <algorithm>
#include <cstring>

namespace ondavel {

namespace {

bool EndsText(char c) {
    return c == '\0' || c == '\r';
}

// The text up to its first NUL or CR, or the end of the view, without any length limit.
std::string_view UntilTerminator(std::string_view text) {
    const auto end = std::find_if(text.begin(), text.end(), EndsText);
    return text.substr(0, static_cast<size_t>(end - text.begin()));
}

// Whether pattern stands at `at` in text, a-z folded onto A-Z.
bool MatchesAt(std::string_view text, size_t at, std::string_view pattern) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (FoldCase(text[at + i]) != FoldCase(pattern[i])) return false;
    }
    return true;
}

// A found occurrence stands as a token when nothing forbidden touches either end of it.
bool StandsAsToken(std::string_view text, int position, size_t wordLength, std::string_view before,
                   std::string_view after) {
    const size_t first = static_cast<size_t>(position) - 1;
    const size_t end = first + wordLength;
    const bool startOk = first == 0 || before.empty() || IsOneOf(text[first - 1], before);
    const bool endOk = end >= text.size() || after.empty() || IsOneOf(text[end], after);
    return startOk && endOk;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

size_t SkipBlanks(std::string_view text, size_t from) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    return from;
}

std::optional<size_t> BoundedLength(std::string_view text) {
    const size_t limit = std::min(text.size(), kLineLimit);
    if (limit == 0) return 0;
    size_t end = limit;
    if (const void* cr = std::memchr(text.data(), '\r', end)) {
        end = static_cast<size_t>(static_cast<const char*>(cr) - text.data());
    }
    if (const void* nul = std::memchr(text.data(), '\0', end)) {
        end = static_cast<size_t>(static_cast<const char*>(nul) - text.data());
    }
    if (end < limit) return end;
    if (text.size() < kLineLimit) return text.size();
    return std::nullopt;
}

bool CopyLine(std::string& destination, std::string_view source) {
    const std::optional<size_t> length = BoundedLength(source);
    if (!length) return false;
    destination.assign(source.substr(0, *length));
    return true;
}

std::optional<std::string_view> TrimText(std::string_view text) {
    const std::optional<size_t> length = BoundedLength(text);
    if (!length) return std::nullopt;
    std::string_view rest = text.substr(0, *length);
    while (!rest.empty() && IsTrimmable(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && IsTrimmable(rest.back())) rest.remove_suffix(1);
    return rest;
}

std::optional<int> InString(int start, std::string_view text, std::string_view pattern,
                            Case letters) {
    const std::optional<size_t> textLength = BoundedLength(text);
    const std::optional<size_t> patternLength = BoundedLength(pattern);
    if (!textLength || !patternLength) return std::nullopt;
    if (start < 1 || *patternLength == 0 || *patternLength > *textLength) return std::nullopt;
    text = text.substr(0, *textLength);
    pattern = pattern.substr(0, *patternLength);
    if (letters == Case::Exact) {
        const size_t at = text.find(pattern, static_cast<size_t>(start) - 1);
        if (at == std::string_view::npos) return std::nullopt;
        return static_cast<int>(at) + 1;
    }
    const int lastStart = static_cast<int>(*textLength - *patternLength) + 1;
    const char first = FoldCase(pattern[0]);
    for (int position = start; position <= lastStart; ++position) {
        const size_t at = static_cast<size_t>(position) - 1;
        if (FoldCase(text[at]) == first && MatchesAt(text, at, pattern)) return position;
    }
    return std::nullopt;
}

std::optional<int> FindWord(int start, std::string_view text, std::string_view word, Case letters,
                            std::string_view before, std::string_view after) {
    const std::optional<size_t> textLength = BoundedLength(text);
    const std::optional<size_t> wordLength = BoundedLength(word);
    if (!textLength || !wordLength) return std::nullopt;
    const std::string_view line = text.substr(0, *textLength);
    for (;;) {
        const std::optional<int> position = InString(start, text, word, letters);
        if (!position || StandsAsToken(line, *position, *wordLength, before, after))
            return position;
        // The search resumes past the whole rejected occurrence, not one character on.
        start = *position + static_cast<int>(*wordLength);
    }
}

std::string NumberToText(int32_t value) {
    return std::to_string(value);
}

uint32_t TextToNumber(std::string_view digits) {
    uint32_t value = 0;
    for (char c : UntilTerminator(digits)) {
        value = value * 10u + static_cast<unsigned char>(c) - static_cast<uint32_t>('0');
    }
    return value;
}

HexNumber HexToNumber(std::string_view text) {
    std::string_view digits = UntilTerminator(text);
    if (!digits.empty() && (digits.back() == 'h' || digits.back() == 'H')) digits.remove_suffix(1);
    if (digits.empty()) return {};
    uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return {};
        // Shifting through 32 bits keeps only the last eight digits.
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return {value, true};
}

}  // namespace ondavel
