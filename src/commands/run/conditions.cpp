#include "run/conditions.h"

#include <sys/stat.h>

#include <string>

#include "core/file_io.h"
#include "core/host.h"
#include "core/line_index.h"
#include "core/saved_strings.h"
#include "core/text.h"
#include "run/command_texts.h"

namespace ondavel {

namespace {

constexpr std::string_view kNameAfter = " \t({[<";

bool IsRegularFile(std::string_view path) {
    struct stat info {};
    const std::string name(path);
    return name.find('\0') == std::string::npos && ::stat(name.c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

// The line as the search reads it: trimmed, a leading '#' passed over; empty for a line that
// is passed over altogether (blank, a ';' comment, or too long to be read as one line).
std::string_view ReadableText(std::string_view line) {
    const std::string_view text = Trimmed(line);
    if (text.empty() || text.front() == ';') return {};
    return text.front() == '#' ? Trimmed(text.substr(1)) : text;
}

bool BeginsWithToken(std::string_view text, std::string_view token) {
    return FindWord(1, text, token, Case::Ignore, kBlanks, kNameAfter) == 1;
}

bool OpensCondition(std::string_view text) {
    return BeginsWithToken(text, "IF") || BeginsWithToken(text, "IFDEF") ||
           BeginsWithToken(text, "IFNDEF") || text.starts_with("ELSIF");
}

// An entry holds a line's worth of characters at most: an over-long condition loses the end
// of its text, never its line number.
std::string ConditionEntry(std::string_view text, uint32_t lineNumber) {
    const std::string number = " " + std::to_string(lineNumber);
    return std::string(text.substr(0, kLineLimit - number.size())) + number;
}

void CollectConditions(Host& host, LineIndex& index, std::string_view name,
                       ConditionSearch& search) {
    SavedStrings open;
    std::string_view line;
    for (uint32_t n = 1; index.IsTerminated(n) && index.Line(n, line); ++n) {
        const std::string_view text = ReadableText(line);
        if (text.empty()) continue;
        if (FindWord(1, text, name, Case::Exact, kBlanks, kNameAfter).has_value()) {
            search.result = ConditionsResult::Found;
            search.conditions.assign(open.slots.begin(), open.slots.end());
            break;
        }
        if (OpensCondition(text)) {
            AddSavedString(host, open, ConditionEntry(text, n));
        } else if (BeginsWithToken(text, "ENDIF")) {
            RemoveLastSavedString(open);
        }
    }
    ClearSavedStrings(open);
}

}  // namespace

ConditionSearch FindConditions(Host& host, std::string_view name, std::string_view path) {
    ConditionSearch search;
    if (!IsRegularFile(path)) return search;
    LineIndex index;
    search.result = ConditionsResult::Unreadable;
    std::string text;
    if (!LoadFile(host, path, text)) return search;
    search.result = ConditionsResult::NotFound;
    if (index.Build(std::move(text))) CollectConditions(host, index, name, search);
    return search;
}

void ShowConditions(Host& host, std::string_view name, std::string_view path,
                    const ConditionSearch& search) {
    switch (search.result) {
        case ConditionsResult::NoFile:
            host.ShowMessage(texts::kFileNotFoundCaption, path, MessageIcon::Information);
            return;
        case ConditionsResult::Unreadable:
            return;
        case ConditionsResult::NotFound:
            host.ShowMessage(name, texts::kNameNotFound, MessageIcon::Information);
            return;
        case ConditionsResult::Found:
            break;
    }
    if (search.conditions.empty()) {
        host.ShowMessage(name, texts::kNoCondition, MessageIcon::Information);
        return;
    }
    std::string list;
    for (const std::string& condition : search.conditions) list.append(condition).append("\r\n");
    host.ShowMessage(texts::kConditionsFoundCaption, list, MessageIcon::Information);
}

}  // namespace ondavel
