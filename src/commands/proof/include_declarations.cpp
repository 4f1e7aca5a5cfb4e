#include "proof/include_declarations.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/text.h"

namespace ondavel {

namespace {

// The first words of a line, a comment (';' first) giving none.
struct LineWords {
    std::string_view first, second;
    std::string_view rest;  // what follows the second word
};

std::string_view NextWord(std::string_view& text) {
    const size_t start = SkipBlanks(text, 0);
    size_t end = start;
    while (end < text.size() && !IsBlank(text[end]) && text[end] != '\r') ++end;
    const std::string_view word = text.substr(start, end - start);
    text.remove_prefix(end);
    return word;
}

LineWords WordsOf(std::string_view line) {
    LineWords words;
    words.first = NextWord(line);
    if (words.first.starts_with(';')) return {};
    words.second = NextWord(line);
    words.rest = line;
    return words;
}

bool IsAggregateWord(std::string_view word) {
    return SameIgnoringCase(word, "STRUCT") || SameIgnoringCase(word, "UNION");
}

bool IsName(std::string_view word) {
    return !word.empty() && !IsDigit(word.front()) &&
           std::all_of(word.begin(), word.end(), IsNameCharacter);
}

// Words that open a directive line rather than a member: conditionals and the like.
bool IsDirective(std::string_view word) {
    constexpr std::array kDirectives = {"IF",         "IFDEF", "IFNDEF", "IFE",  "ELSE",
                                        "ELSEIF",     "ELSEIFDEF",       "ELSEIFNDEF",
                                        "ENDIF",      "ECHO",  "INCLUDE", "OPTION"};
    return std::any_of(kDirectives.begin(), kDirectives.end(),
                       [&](const char* directive) { return SameIgnoringCase(word, directive); });
}

// "name TYPE ?", "name TYPE <>", "name TYPE n dup (?)".
bool IsMemberLine(const LineWords& words) {
    return IsName(words.first) && IsName(words.second) && !IsDirective(words.first) &&
           words.rest.find_first_of("?<") != std::string_view::npos;
}

class IncludeReader {
  public:
    void Read(std::string_view line) {
        const LineWords words = WordsOf(line);
        if (words.first.empty()) return;
        if (!open_.empty()) return ReadBodyLine(words);
        if (IsName(words.first) && IsAggregateWord(words.second)) {
            current_ = {std::string(words.first), SameIgnoringCase(words.second, "UNION"), {}};
            open_.push_back({});
        } else if (IsName(words.first) && SameIgnoringCase(words.second, "PROTO")) {
            AddOnce(declarations_.prototypes, words.first);
        } else if (IsName(words.first) && SameIgnoringCase(words.second, "RECORD")) {
            records_.emplace(words.first);
        } else if (SameIgnoringCase(words.first, "INCLUDE") && !words.second.empty()) {
            declarations_.includes.emplace_back(words.second);
        }
    }

    IncludeDeclarations Take() { return std::move(declarations_); }

  private:
    void ReadBodyLine(const LineWords& words) {
        if (SameIgnoringCase(words.first, "ENDS") || SameIgnoringCase(words.second, "ENDS")) {
            open_.pop_back();
            if (open_.empty()) declarations_.aggregates.push_back(std::move(current_));
        } else if (IsAggregateWord(words.first)) {
            open_.emplace_back(words.second);
        } else if (IsName(words.first) && IsAggregateWord(words.second)) {
            open_.emplace_back(words.first);
        } else if (IsMemberLine(words) && !records_.contains(std::string(words.first))) {
            AddMember(words.first);
        }
    }

    void AddMember(std::string_view name) {
        std::string path;
        for (const std::string& outer : open_) {
            if (!outer.empty()) path.append(outer).append(".");
        }
        AddOnce(current_.members, path.append(name));
    }

    // A name declared under two branches of a conditional is asked about once.
    static void AddOnce(std::vector<std::string>& names, std::string_view name) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
    }

    IncludeDeclarations declarations_;
    AggregateDeclaration current_;
    std::vector<std::string> open_;  // the names of the open aggregates, outermost first
    std::set<std::string> records_;  // the records declared so far: bit fields
};

}  // namespace

IncludeDeclarations ReadIncludeDeclarations(std::string_view text) {
    IncludeReader reader;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        reader.Read(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return reader.Take();
}

}  // namespace ondavel
