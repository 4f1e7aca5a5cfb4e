#include "knowledge/knowledge_file.h"

#include "core/text.h"
#include "knowledge/key_index.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {

KnowledgeFile::KnowledgeFile() = default;
KnowledgeFile::~KnowledgeFile() = default;

int KindRange(LookupKind kind) {
    switch (kind) {
        case LookupKind::Replacement:
            return 1;
        case LookupKind::DefinedType:
            return 2;
        case LookupKind::CommonStructure:
            return 3;
        case LookupKind::CommonRecord:
            return 4;
        case LookupKind::Incompatible:
            return 5;
        case LookupKind::IncompatibleEquate:
            return 6;
        case LookupKind::ApiNameConflict:
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
    // A line of 1,040 characters or more is refused as well.
    line = Trimmed(raw);
    if (line.empty()) return false;
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
