// Cleaning a C type text: qualifier words, modifiers, declarators and pointers.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/kept_buffers.h"
#include "core/text.h"
#include "declarations/type_mapping.h"
#include "session/session.h"

namespace ondavel {

namespace {

// Words that say nothing about a parameter's size, in the order they are tried.
constexpr std::array<std::string_view, 8> kQualifierWords = {
    "IN", "OUT", "unsigned", "signed", "const", "far", "near", "OPTIONAL"};
// A member text ending in ';' also drops these, in this order.
constexpr std::array<std::string_view, 2> kAggregateWords = {"struct", "union"};
// RESTRICTED_POINTER is the kits' spelling of __restrict.
constexpr std::array<std::string_view, 6> kModifierWords = {
    "const", "volatile", "OPTIONAL", "PURE", "__restrict", "RESTRICTED_POINTER"};

constexpr std::string_view kWordEnd = ")( \t,\r\n";
constexpr std::string_view kModifierStart = " \t=*";
constexpr std::string_view kOptional = "OPTIONAL";

bool StartsWithWord(std::string_view text, std::string_view word) {
    if (!StartsWithIgnoringCase(text, word)) return false;
    return text.size() == word.size() || kWordEnd.find(text[word.size()]) != std::string_view::npos;
}

// Removes word from the start of text and trims what follows; false when it does not lead.
bool RemoveLeadingWord(std::string_view& text, std::string_view word) {
    if (!StartsWithWord(text, word)) return false;
    const std::string_view rest = text.substr(word.size());
    text = TrimText(rest).value_or(rest);
    return true;
}

// "unsigned _Line": the sign word before a lone name is the type (int), not a qualifier.
bool IsLoneSignType(std::string_view text, std::string_view word) {
    if ((word != "unsigned" && word != "signed") || !StartsWithWord(text, word)) return false;
    std::string_view rest = text.substr(word.size());
    rest = TrimText(rest).value_or(rest);
    return rest.find_first_of(" \t*") == std::string_view::npos;
}

// The letters a qualifier word begins with: most types begin otherwise.
constexpr CharacterSet kQualifierInitials = [] {
    CharacterSet initials{};
    for (const std::string_view word : kQualifierWords) AddInitial(initials, word);
    return initials;
}();

// Removes the leading qualifiers, each time starting the checks again from the first one.
// Returns how many words went; stops as soon as nothing remains.
int RemoveQualifiers(std::string_view& text) {
    int removed = 0;
    for (size_t i = 0; i < kQualifierWords.size() && !text.empty();) {
        if (!InSet(kQualifierInitials, text[0])) break;
        if (!IsLoneSignType(text, kQualifierWords[i]) &&
            RemoveLeadingWord(text, kQualifierWords[i])) {
            ++removed;
            i = 0;
        } else {
            ++i;
        }
    }
    return removed;
}

// A member text ("struct _RECT rc;") may drop its aggregate keyword; a parameter may not.
bool IsMemberText(std::string_view text) {
    const size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos || semicolon == 0) return false;
    return text.substr(0, semicolon).find('{') == std::string_view::npos;
}

// The text with its trailing "OPTIONAL" annotations cut off; "OPTIONAL" alone stays.
std::string_view WithoutTrailingOptional(std::string_view text) {
    while (text.size() > kOptional.size() &&
           SameIgnoringCase(text.substr(text.size() - kOptional.size()), kOptional)) {
        text.remove_suffix(kOptional.size());
        text = TrimText(text).value_or(text);
    }
    return text;
}

// Walks a declarator from its end, keeping the last two words and writing pointers as the
// pointer type.
// The result is built backwards, in the buffer of the rebuild before, and turned round at the
// end.
class DeclaratorRebuild {
  public:
    DeclaratorRebuild(std::string_view text, std::string_view pointerType)
        : text_(text), pointerType_(pointerType), at_(text.size()) {
        reversed_.clear();
    }

    // The rebuilt declarator; good until the next rebuild.
    std::string_view Run() {
        while (at_ > 0 && !Step()) {
        }
        std::reverse(reversed_.begin(), reversed_.end());
        return reversed_;
    }

  private:
    // The characters that Step handles each in its own way; any other is copied as it stands.
    static bool Marks(char c) { return c == ']' || c == ')' || c == '*' || c == '=' || IsBlank(c); }

    // Handles the character before at_; true when the rebuild stops.
    bool Step() {
        const char c = text_[at_ - 1];
        if (c == ']' || c == ')') {
            CopyGroup(c == ']' ? '[' : '(');
            return false;
        }
        if (c == '*') return Pointer();
        if (IsBlank(c)) return Separator();
        if (c == '=') {
            // A default value stays; its '=' goes and the words before it count afresh.
            separators_ = 0;
            --at_;
            SkipBlanks();
            return false;
        }
        // The characters up to the next mark go in at once.
        size_t start = at_ - 1;
        while (start > 0 && !Marks(text_[start - 1])) --start;
        reversed_.append(text_.rbegin() + static_cast<std::ptrdiff_t>(text_.size() - at_),
                         text_.rbegin() + static_cast<std::ptrdiff_t>(text_.size() - start));
        at_ = start;
        return false;
    }

    void CopyGroup(char opening) {
        do {
            reversed_.push_back(text_[--at_]);
        } while (at_ > 0 && text_[at_] != opening);
    }

    bool Pointer() {
        const bool blankAfter = at_ < text_.size() && IsBlank(text_[at_]);
        if (!reversed_.empty()) reversed_.push_back(' ');
        reversed_.append(pointerType_.rbegin(), pointerType_.rend());
        separators_ += blankAfter ? 1 : 2;
        if (separators_ == 2) return true;
        --at_;
        SkipBlanks();
        return false;
    }

    bool Separator() {
        if (++separators_ == 2) return true;
        reversed_.push_back(' ');
        SkipBlanks();
        return false;
    }

    void SkipBlanks() {
        while (at_ > 0 && IsBlank(text_[at_ - 1])) --at_;
    }

    std::string_view text_;
    std::string_view pointerType_;
    size_t at_;
    int separators_ = 0;
    struct Buffers {
        std::string reversed;
    };
    std::string& reversed_ = KeptBuffers<Buffers>().reversed;
};

// A '*' between the first '[' and the first ']' multiplies inside an array bound.
bool IsArrayBoundStar(std::string_view text, size_t star) {
    const size_t open = text.find('[');
    const size_t close = text.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos) return false;
    return star > open && star < close;
}

}  // namespace

bool StripQualifiers(std::string& text) {
    // An over-long text reads as empty: nothing to remove.
    const size_t length = BoundedLength(text).value_or(0);
    if (length == 0) return true;
    std::string_view rest = std::string_view(text).substr(0, length);
    int removed = RemoveQualifiers(rest);
    if (removed > 0 && rest.empty()) return false;
    if (IsMemberText(rest)) {
        for (std::string_view word : kAggregateWords) {
            if (!RemoveLeadingWord(rest, word)) continue;
            ++removed;
            if (rest.empty()) return false;
        }
    }
    if (removed != 0) KeepPart(text, rest);
    return true;
}

namespace {

// Blanks the parenthesis group that begins at the first '(' at or after from, when only
// blanks come before it.
void BlankGroupAt(std::string& text, size_t from) {
    const size_t open = SkipBlanks(text, from);
    if (open >= text.size() || text[open] != '(') return;
    int depth = 0;
    for (size_t at = open; at < text.size(); ++at) {
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
        text[at] = ' ';
        if (depth == 0) return;
    }
}

}  // namespace

void BlankAnnotations(const Session& session, std::string& text) {
    for (size_t at = 0; at < text.size();) {
        if (!IsNameCharacter(text[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < text.size() && IsNameCharacter(text[end])) ++end;
        const std::string_view word = std::string_view(text).substr(at, end - at);
        const bool attribute = word == "__attribute__" || word == "__declspec";
        if (attribute || session.run.emptyMacros.contains(word)) {
            text.replace(at, end - at, end - at, ' ');
            if (attribute) BlankGroupAt(text, end);
        }
        at = end;
    }
}

namespace {

// Every "long long" word of text becomes "__int64" (and blanks, to keep the length).
void LongLongAsInt64(std::string& text) {
    constexpr std::string_view kLongLong = "long long";
    if (text.find(kLongLong) == std::string::npos) return;  // most texts hold none
    for (std::optional<int> at =
             FindWord(1, text, kLongLong, Case::Exact, kModifierStart, kWordEnd);
         at; at = FindWord(*at, text, kLongLong, Case::Exact, kModifierStart, kWordEnd)) {
        text.replace(static_cast<size_t>(*at) - 1, kLongLong.size(), "__int64  ");
    }
}

}  // namespace

void BlankModifiers(std::string& text) {
    LongLongAsInt64(text);
    // A modifier found as a word is a whole run of name characters: one pass over the runs
    // of the text up to its terminator finds them all.
    const size_t end = BoundedLength(text).value_or(0);
    for (size_t at = 0; at < end;) {
        if (!IsNameCharacter(text[at])) {
            ++at;
            continue;
        }
        size_t wordEnd = at;
        while (wordEnd < end && IsNameCharacter(text[wordEnd])) ++wordEnd;
        const std::string_view word = std::string_view(text).substr(at, wordEnd - at);
        const bool startOk = at == 0 || IsOneOf(text[at - 1], kModifierStart);
        const bool endOk = wordEnd == end || IsOneOf(text[wordEnd], kWordEnd);
        if (startOk && endOk && std::ranges::find(kModifierWords, word) != kModifierWords.end()) {
            std::fill(text.begin() + static_cast<std::ptrdiff_t>(at),
                      text.begin() + static_cast<std::ptrdiff_t>(wordEnd), ' ');
        }
        at = wordEnd;
    }
}

void NormalizeDeclarator(std::string& text, std::string_view pointerType) {
    const std::string_view trimmed = Trimmed(text);
    if (!trimmed.empty()) {
        text.assign(DeclaratorRebuild(WithoutTrailingOptional(trimmed), pointerType).Run());
    }
}

bool PointerToWord(std::string& text, std::string_view pointerType) {
    // Most texts hold no '*' at all, and none before their terminator then.
    if (text.find('*') == std::string::npos) return true;
    const size_t length = BoundedLength(text).value_or(0);
    if (length == 0) return true;
    const std::string_view view = std::string_view(text).substr(0, length);
    const size_t star = view.find('*');
    if (star == std::string_view::npos || IsArrayBoundStar(view, star)) return true;
    const size_t name = view.find_first_not_of("* \t", star);
    std::string rewritten = std::string(pointerType) + ' ';
    if (name != std::string_view::npos) rewritten.append(view.substr(name));
    const std::optional<std::string_view> trimmed = TrimText(rewritten);
    if (!trimmed) return false;
    text = std::string(*trimmed);
    return true;
}

}  // namespace ondavel
