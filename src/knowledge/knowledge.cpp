#include "knowledge/knowledge.h"

#include <memory>

#include "core/file_io.h"
#include "core/host.h"
#include "core/text.h"
#include "knowledge/key_index.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {

namespace {

// A value is one token: it never holds a blank, and brackets and commas end it.
bool EndsValue(char c) {
    switch (c) {
        case ' ':
        case '\t':
        case ')':
        case '>':
        case '}':
        case ',':
        case '(':
        case '{':
        case '<':
            return true;
        default:
            return false;
    }
}

std::string_view SkipBlanks(std::string_view text) {
    const size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// The text after the first '=' of line, blanks skipped; false when the line has no '='.
bool AfterEqualSign(std::string_view line, std::string_view& rest) {
    const size_t equal = line.find('=');
    if (equal == std::string_view::npos) return false;
    rest = SkipBlanks(line.substr(equal + 1));
    return true;
}

// "key = free text = code": the digits after the second '='; 0 without them.
uint32_t ReadCode(std::string_view line) {
    std::string_view text;
    std::string_view code;
    if (!AfterEqualSign(line, text) || !AfterEqualSign(text, code)) return 0;
    const size_t digits = code.find_first_not_of("0123456789");
    return TextToNumber(code.substr(0, digits));
}

void WriteValue(std::string_view rest, LookupKind kind, std::string* output) {
    if (output == nullptr) return;
    size_t length = 0;
    while (length < rest.size() && !EndsValue(rest[length])) ++length;
    output->assign(rest.substr(0, length));
    if (kind == LookupKind::Replacement) output->push_back(' ');
}

// The value that an entry line gives for kind, written to *output when there is one.
bool ReadValue(std::string_view line, LookupKind kind, std::string* output) {
    std::string_view rest;
    // The format requires '=' after the key; an entry without it is taken as not found.
    if (!AfterEqualSign(line, rest)) return false;
    if (kind == LookupKind::CommonStructure && rest.empty()) return false;
    WriteValue(rest, kind, output);
    return true;
}

// Whether the lookups can answer: the section lines are looked for once after each load, and
// a file that lacks one answers nothing.
bool Prepared(KnowledgeFile& file) {
    PrepareKnowledge(file);
    return file.keys != nullptr;
}

}  // namespace

std::string_view PrepareKnowledge(KnowledgeFile& file) {
    if (file.index.lines() == 0 || file.sectionsScanned) return {};
    file.sectionsScanned = true;
    const int missing = FindSectionLines(file);
    if (missing < kSectionCount) return kSectionNames[missing];
    file.keys = std::make_unique<KnowledgeKeyIndex>(file);
    return {};
}

std::optional<std::string_view> ScanEntry(KnowledgeFile& file, std::string_view word, int range) {
    if (range < 0 || range >= kRangeCount || !Prepared(file)) return std::nullopt;
    const Case letters = kRangeIgnoresCase[range] ? Case::Ignore : Case::Exact;
    const LineRange lines = RangeLines(file, range);
    for (uint32_t n = lines.first; n <= lines.last; ++n) {
        std::string_view line;
        if (!ReadKnowledgeLine(file.index, n, line)) continue;
        if (FindWord(1, line, word, letters, " \t=", kKeyEnd) == 1) return line;
    }
    return std::nullopt;
}

std::optional<std::string_view> FindEntry(KnowledgeFile& file, std::string_view word, int range) {
    if (!Prepared(file)) return std::nullopt;
    if (!KnowledgeKeyIndex::Answers(word)) return ScanEntry(file, word, range);
    std::string_view line;
    if (!file.keys->Find(range, word, line)) return std::nullopt;
    return line;
}

bool LoadKnowledgeFile(Host& host, KnowledgeFile& file, std::string_view path) {
    ReleaseKnowledgeFile(file);
    LineIndex& index = file.index;
    std::string text;
    if (LoadFile(host, path, text)) {
        if (index.Build(std::move(text))) return true;
        host.ShowMessage(path, "the knowledge file holds no line", MessageIcon::Stop);
    }
    return false;
}

void ReleaseKnowledgeFile(KnowledgeFile& file) {
    // The index holds views into the text: it goes first.
    file.keys.reset();
    file.sectionsScanned = false;
    file.sectionLines.fill(0);
    file.index.Release();
}

KeywordCode LookupKeywordCode(KnowledgeFile& file, std::string_view word) {
    const std::optional<std::string_view> line = FindEntry(file, word, kCodeRange);
    return line ? static_cast<KeywordCode>(ReadCode(*line)) : KeywordCode::None;
}

bool LookupKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                     std::string* output) {
    const std::optional<std::string_view> line = FindEntry(file, word, KindRange(kind));
    return line && ReadValue(*line, kind, output);
}

}  // namespace ondavel
