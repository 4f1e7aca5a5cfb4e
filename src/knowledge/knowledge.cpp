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
    if (kind == LOOKUP_TRADUIRE) output->push_back(' ');
}

uint32_t ScanRange(const KnowledgeFile& file, std::string_view word, LookupKind kind,
                   std::string* output) {
    const int range = KindRange(kind);
    const bool ignoreCase = kRangeIgnoresCase[range];
    const LineRange lines = RangeLines(file, range);
    for (uint32_t n = lines.first; n <= lines.last; ++n) {
        std::string_view line;
        if (!ReadKnowledgeLine(file.index, n, line)) continue;
        if (FindWord(1, line, word, ignoreCase, " \t=", kKeyEnd) == 1) {
            return ReadEntry(line, kind, output);
        }
    }
    return 0;
}

}  // namespace

uint32_t ReadEntry(std::string_view line, LookupKind kind, std::string* output) {
    if (kind == LOOKUP_CODE) return ReadCode(line);
    if (kind == LOOKUP_IS_TYPEDEFINI) return 1;
    std::string_view rest;
    // The format requires '=' after the key; an entry without it is taken as not found.
    if (!AfterEqualSign(line, rest)) return 0;
    if (kind == LOOKUP_COMMONSTRUCTURE && rest.empty()) return 0;
    WriteValue(rest, kind, output);
    return 1;
}

std::string_view PrepareKnowledge(KnowledgeFile& file) {
    if (file.index.lines() == 0 || file.sectionsScanned) return {};
    file.sectionsScanned = true;
    const int missing = FindSectionLines(file);
    if (missing < kSectionCount) return kSectionNames[missing];
    file.keys = std::make_unique<KnowledgeKeyIndex>(file);
    return {};
}

uint32_t ScanKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                       std::string* output) {
    PrepareKnowledge(file);
    if (KindRange(kind) < 0 || file.keys == nullptr) return 0;
    return ScanRange(file, word, kind, output);
}

bool LoadKnowledgeFile(Host& host, KnowledgeFile& file, std::string_view path) {
    ReleaseKnowledgeFile(file);
    LineIndex& index = file.index;
    std::string text;
    if (LoadFile(host, path, text) == 1) {
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

uint32_t LookupKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                         std::string* output) {
    const int range = KindRange(kind);
    PrepareKnowledge(file);
    if (range < 0 || file.keys == nullptr) return 0;
    if (!KnowledgeKeyIndex::Answers(word)) return ScanRange(file, word, kind, output);
    std::string_view line;
    if (!file.keys->Find(range, word, line)) return 0;
    return ReadEntry(line, kind, output);
}

}  // namespace ondavel
