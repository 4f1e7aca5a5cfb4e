#include "core/text.h"

#include <algorithm>
#include <cstdint>

namespace ondavel {

namespace {

// The text up to its first NUL or CR, or the end of the view, without any length limit.
std::string_view UntilTerminator(std::string_view text) {
    return text.substr(0, FirstTerminator(text));
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

size_t FindAnyOfMany(std::string_view text, size_t from, std::string_view set) {
    for (from = std::min(from, text.size()); from < text.size(); ++from) {
        if (IsOneOf(text[from], set)) break;
    }
    return from;
}

bool CopyLine(std::string& destination, std::string_view source) {
    const std::optional<size_t> length = BoundedLength(source);
    if (!length) return false;
    destination.assign(source.substr(0, *length));
    return true;
}

namespace {

// The search of InString in text and pattern as they stand, cut at their terminators or not.
std::optional<int> FindIn(int start, std::string_view text, std::string_view pattern,
                          Case letters) {
    if (start < 1 || pattern.empty() || pattern.size() > text.size()) return std::nullopt;
    const size_t from = static_cast<size_t>(start) - 1;
    size_t at = std::string_view::npos;
    if (letters == Case::Exact) {
        at = text.find(pattern, from);
    } else {
        at = search_detail::FindIgnoringCase(text, from, pattern);
    }
    if (at >= text.size()) return std::nullopt;
    return static_cast<int>(at) + 1;
}

// The first occurrence of pattern in text from start on, both cut at their terminators first;
// nothing when either is over-long. text is left cut, for the searches that go on from there.
std::optional<int> FirstOccurrence(int start, std::string_view& text, std::string_view& pattern,
                                   Case letters) {
    const std::optional<size_t> patternLength = BoundedLength(pattern);
    if (!patternLength) return std::nullopt;
    pattern = pattern.substr(0, *patternLength);
    // A text shorter than a line is never over-long and is searched as it stands: most such
    // searches find nothing, and cutting the text can only take occurrences away.
    std::optional<int> found;
    if (text.size() < kLineLimit) {
        found = FindIn(start, text, pattern, letters);
        if (!found) return std::nullopt;
    }
    const std::optional<size_t> textLength = BoundedLength(text);
    if (!textLength) return std::nullopt;
    text = text.substr(0, *textLength);
    if (!found) return FindIn(start, text, pattern, letters);
    // Occurrences further on end further on: when the first one runs past the cut, all do.
    const size_t end = static_cast<size_t>(*found) - 1 + pattern.size();
    return end <= text.size() ? found : std::nullopt;
}

}  // namespace

std::optional<int> InString(int start, std::string_view text, std::string_view pattern,
                            Case letters) {
    return FirstOccurrence(start, text, pattern, letters);
}

std::optional<int> FindWord(int start, std::string_view text, std::string_view word, Case letters,
                            std::string_view before, std::string_view after) {
    std::optional<int> position = FirstOccurrence(start, text, word, letters);
    while (position && !StandsAsToken(text, *position, word.size(), before, after)) {
        // The search resumes past the whole rejected occurrence, not one character on.
        position = FindIn(*position + static_cast<int>(word.size()), text, word, letters);
    }
    return position;
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
