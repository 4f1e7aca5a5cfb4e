#include "core/text.h"

#include <algorithm>
#include <cstring>

namespace ondavel {

namespace {

// Texts up to this long (names, words, patterns) are looked through directly for their
// terminator: two calls to memchr cost more.
constexpr size_t kShortText = 16;

bool EndsText(char c) {
    return c == '\0' || c == '\r';
}

// The text up to its first NUL or CR, or the end of the view, without any length limit.
std::string_view UntilTerminator(std::string_view text) {
    const auto end = std::find_if(text.begin(), text.end(), EndsText);
    return text.substr(0, static_cast<size_t>(end - text.begin()));
}

bool SameChar(char a, char b, bool ignoreCase) {
    return ignoreCase ? FoldCase(a) == FoldCase(b) : a == b;
}

bool MatchesAt(std::string_view text, size_t at, std::string_view pattern, bool ignoreCase) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (!SameChar(text[at + i], pattern[i], ignoreCase)) return false;
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

int BoundedLength(std::string_view text) {
    const size_t limit = std::min(text.size(), kLineLimit);
    if (limit == 0) return 0;
    size_t end = limit;
    if (limit <= kShortText) {
        end = 0;
        while (end < limit && !EndsText(text[end])) ++end;
    } else {
        if (const void* cr = std::memchr(text.data(), '\r', end)) {
            end = static_cast<size_t>(static_cast<const char*>(cr) - text.data());
        }
        if (const void* nul = std::memchr(text.data(), '\0', end)) {
            end = static_cast<size_t>(static_cast<const char*>(nul) - text.data());
        }
    }
    if (end < limit) return static_cast<int>(end);
    return text.size() < kLineLimit ? static_cast<int>(text.size()) : -1;
}

int CopyLine(std::string& destination, std::string_view source) {
    const int length = BoundedLength(source);
    if (length < 0) return -1;
    destination.assign(source.substr(0, static_cast<size_t>(length)));
    return length;
}

int TrimText(std::string_view text, std::string_view& trimmed) {
    const int length = BoundedLength(text);
    if (length < 0) return -1;
    trimmed = TrimEnds(text.substr(0, static_cast<size_t>(length)));
    return static_cast<int>(trimmed.size());
}

std::string_view TrimEnds(std::string_view text) {
    while (!text.empty() && IsTrimmable(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmable(text.back())) text.remove_suffix(1);
    return text;
}

void TrimEndsInPlace(std::string& text) {
    const std::string_view kept = TrimEnds(text);
    const size_t start = static_cast<size_t>(kept.data() - text.data());
    text.resize(start + kept.size());
    text.erase(0, start);
}

int MidText(std::string_view text, int start, int count, std::string_view& part) {
    const int length = BoundedLength(text);
    if (length < 0) return -1;
    if (length == 0 || start < 1 || start > length || count < 0) return 0;
    if (count == 0) count = length - start + 1;
    if (static_cast<int64_t>(start) + count - 1 > length) return 0;
    part = text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count));
    return count;
}

namespace {

// InString's search in text and pattern as they stand, cut at their terminators or not.
int FindBounded(int start, std::string_view text, std::string_view pattern, bool ignoreCase) {
    if (start < 1 || text.empty() || pattern.empty() || pattern.size() > text.size()) return 0;
    if (!ignoreCase) {
        const size_t at = text.find(pattern, static_cast<size_t>(start) - 1);
        return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
    }
    const char first = FoldCase(pattern[0]);
    const size_t lastStart = text.size() - pattern.size();
    for (size_t at = static_cast<size_t>(start) - 1; at <= lastStart; ++at) {
        if (FoldCase(text[at]) == first && MatchesAt(text, at, pattern, true)) {
            return static_cast<int>(at) + 1;
        }
    }
    return 0;
}

// Cuts text and pattern at their terminators for a search: 1 when both are ready, -1 when
// either is over-long. A search of a text shorter than a line that holds the pattern nowhere
// from start on answers 0 at once: such a text is never over-long, and cutting it can only
// take occurrences away.
int PrepareSearch(int start, std::string_view& text, std::string_view& pattern, bool ignoreCase) {
    const int patternLength = BoundedLength(pattern);
    if (patternLength < 0) return -1;
    pattern = pattern.substr(0, static_cast<size_t>(patternLength));
    if (text.size() < kLineLimit && FindBounded(start, text, pattern, ignoreCase) == 0) return 0;
    const int textLength = BoundedLength(text);
    if (textLength < 0) return -1;
    text = text.substr(0, static_cast<size_t>(textLength));
    return 1;
}

}  // namespace

int InString(int start, std::string_view text, std::string_view pattern, bool ignoreCase) {
    const int ready = PrepareSearch(start, text, pattern, ignoreCase);
    return ready <= 0 ? ready : FindBounded(start, text, pattern, ignoreCase);
}

int FindWord(int start, std::string_view text, std::string_view word, bool ignoreCase,
             std::string_view before, std::string_view after) {
    const int ready = PrepareSearch(start, text, word, ignoreCase);
    if (ready <= 0) return ready;
    for (;;) {
        const int position = FindBounded(start, text, word, ignoreCase);
        if (position == 0) return 0;
        if (StandsAsToken(text, position, word.size(), before, after)) return position;
        // The search resumes past the whole rejected occurrence, not one character on.
        start = position + static_cast<int>(word.size());
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
