#include "knowledge/knowledge_file.h"

#include "core/text.h"
#include "knowledge/key_index.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {

KnowledgeFile::KnowledgeFile() = default;
KnowledgeFile::~KnowledgeFile() = default;

int KindRange(LookupKind kind) {
    switch (kind) {
        case LOOKUP_CODE:
            return 0;
        case LOOKUP_TRADUIRE:
            return 1;
        case LOOKUP_TYPEDEFINI:
        case LOOKUP_IS_TYPEDEFINI:
            return 2;
        case LOOKUP_COMMONSTRUCTURE:
            return 3;
        case LOOKUP_COMMONRECORD:
            return 4;
        case LOOKUP_INCOMPATIBLE:
            return 5;
        case LOOKUP_INCOMPATIBLE_EQUATE:
            return 6;
        case LOOKUP_API_CONFLIT:
            return 7;
    }
    return -1;
}

LineRange RangeLines(const KnowledgeFile& file, int range) {
    if (range <= 0) return {1, file.sectionLines[0]};
    return {file.sectionLines[range - 1], file.sectionLines[range]};
}

bool ReadKnowledgeLine(const LineIndex& index, uint32_t n, std::string_view& line) {
    std::string_view raw;
    if (!index.Line(n, raw)) return false;
    // TrimText also refuses a line of 1,040 characters or more (-1).
    if (TrimText(raw, line) <= 0) return false;
    return line.front() != ';';
}

int FindSectionLines(KnowledgeFile& file) {
    file.sectionLines.fill(0);
    int next = 0;
    for (uint32_t n = 1; n <= file.index.lines() && next < kSectionCount; ++n) {
        std::string_view line;
        if (!ReadKnowledgeLine(file.index, n, line)) continue;
        // Only the next expected section is tested: an earlier name out of turn is an entry.
        if (line.starts_with(kSectionNames[next])) file.sectionLines[next++] = n;
    }
    return next;
}

}  // namespace ondavel
