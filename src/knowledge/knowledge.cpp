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

void WriteValue(const EntryAnswer& answer, LookupKind kind, std::string* output) {
    if (output == nullptr) return;
    output->assign(answer.value);
    if (kind == LookupKind::Replacement) output->push_back(' ');
}

// The value that an entry gives for kind, written to *output when there is one.
bool ReadValue(const EntryAnswer& answer, LookupKind kind, std::string* output) {
    // The format requires '=' after the key; an entry without it is taken as not found.
    if (!answer.hasEqualSign) return false;
    if (kind == LookupKind::CommonStructure && !answer.valueFollows) return false;
    WriteValue(answer, kind, output);
    return true;
}

// Whether the lookups can answer: the section lines are looked for once after each load, and
// a file that lacks one answers nothing.
bool Prepared(KnowledgeFile& file) {
    if (file.keys != nullptr) return true;
    PrepareKnowledge(file);
    return file.keys != nullptr;
}

}  // namespace

EntryAnswer ReadAnswer(std::string_view line) {
    EntryAnswer answer;
    answer.line = line;
    std::string_view rest;
    answer.hasEqualSign = AfterEqualSign(line, rest);
    answer.valueFollows = !rest.empty();
    size_t length = 0;
    while (length < rest.size() && !EndsValue(rest[length])) ++length;
    answer.value = rest.substr(0, length);
    std::string_view code;
    if (AfterEqualSign(rest, code)) {
        answer.code = TextToNumber(code.substr(0, code.find_first_not_of("0123456789")));
    }
    return answer;
}

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

std::optional<EntryAnswer> FindAnswer(KnowledgeFile& file, std::string_view word, int range) {
    if (!Prepared(file)) return std::nullopt;
    if (!KnowledgeKeyIndex::Answers(word)) {
        const std::optional<std::string_view> line = ScanEntry(file, word, range);
        if (!line) return std::nullopt;
        return ReadAnswer(*line);
    }
    const EntryAnswer* answer = file.keys->Find(range, word);
    if (answer == nullptr) return std::nullopt;
    return *answer;
}

std::optional<std::string_view> FindEntry(KnowledgeFile& file, std::string_view word, int range) {
    const std::optional<EntryAnswer> answer = FindAnswer(file, word, range);
    if (!answer) return std::nullopt;
    return answer->line;
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
    const std::optional<EntryAnswer> answer = FindAnswer(file, word, kCodeRange);
    return answer ? static_cast<KeywordCode>(answer->code) : KeywordCode::None;
}

bool LookupKnowledge(KnowledgeFile& file, std::string_view word, LookupKind kind,
                     std::string* output) {
    const std::optional<EntryAnswer> answer = FindAnswer(file, word, KindRange(kind));
    return answer && ReadValue(*answer, kind, output);
}

}  // namespace ondavel
