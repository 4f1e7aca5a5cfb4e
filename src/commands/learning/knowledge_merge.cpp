#include "learning/knowledge_merge.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "core/file_io.h"
#include "core/staged_file.h"
#include "core/text.h"
#include "knowledge/knowledge_scan.h"
#include "session/target.h"

namespace ondavel {

namespace {

// Sections by their index in kSectionNames.
constexpr size_t kDefinedTypes = 1;
constexpr size_t kCommonStructure = 2;
constexpr size_t kCommonRecord = 3;

struct Line {
    size_t start = 0;
    std::string_view text;  // trimmed; empty for a blank line
};

std::vector<Line> IndexLines(std::string_view text) {
    std::vector<Line> lines;
    for (size_t from = 0; from < text.size();) {
        size_t end = text.find('\n', from);
        end = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back({from, Trimmed(text.substr(from, end - from))});
        from = end;
    }
    return lines;
}

bool IsEntry(const Line& line) {
    return !line.text.empty() && line.text[0] != ';';
}

// The section lines up to COMMONRECORD, each searched after the one before it.
bool FindSections(const std::vector<Line>& lines, std::vector<size_t>& at) {
    for (size_t n = 0; n < lines.size() && at.size() <= kCommonRecord; ++n) {
        if (IsEntry(lines[n]) && lines[n].text.starts_with(kSectionNames[at.size()])) {
            at.push_back(n);
        }
    }
    return at.size() > kCommonRecord;
}

// A learned key that begins with a section name would end the section it is put in.
bool CouldEndSection(std::string_view key) {
    for (std::string_view name : kSectionNames) {
        if (key.starts_with(name)) return true;
    }
    return false;
}

// Where new entries of the section that starts at line first go: after its last entry.
size_t InsertionOffset(std::string_view text, const std::vector<Line>& lines, size_t first,
                       size_t next) {
    size_t after = first;
    for (size_t n = first + 1; n < next; ++n) {
        if (IsEntry(lines[n])) after = n;
    }
    return after + 1 < lines.size() ? lines[after + 1].start : text.size();
}

void AppendLines(std::string& report, std::string_view title,
                 const std::vector<std::string>& lines) {
    report += std::string(title) + ": " + std::to_string(lines.size()) + " added\n";
    for (const std::string& line : lines) report += "  " + line + "\n";
}

}  // namespace

bool MergeKnowledge(std::string& text, const std::vector<LearnedEntry>& entries,
                    std::string_view source, MergeReport& report) {
    const std::vector<Line> lines = IndexLines(text);
    std::vector<size_t> sections;
    if (!FindSections(lines, sections)) return false;
    std::unordered_set<std::string_view> keys;
    for (size_t n = sections[kDefinedTypes] + 1; n < sections[kCommonRecord]; ++n) {
        if (IsEntry(lines[n]) && n != sections[kCommonStructure])
            keys.insert(EntryKey(lines[n].text));
    }
    std::vector<std::string> added[2];
    for (const LearnedEntry& entry : entries) {
        if (CouldEndSection(entry.key) || !keys.insert(entry.key).second) {
            ++report.known;
            continue;
        }
        added[entry.section == LearnedSection::CommonStructure].push_back(entry.line);
    }
    const std::string end = text.find("\r\n") == std::string::npos ? "\n" : "\r\n";
    // Both places are found before the text changes (the lines point into it); the later
    // section is filled first, so that the earlier place stays where it is.
    const size_t places[2] = {
        InsertionOffset(text, lines, sections[kDefinedTypes], sections[kCommonStructure]),
        InsertionOffset(text, lines, sections[kCommonStructure], sections[kCommonRecord])};
    for (size_t kind : {1, 0}) {
        if (added[kind].empty()) continue;
        std::string block = "; learned from " + std::string(source) + end;
        for (const std::string& line : added[kind]) block += line + end;
        // A last line without its end gets one before the block.
        if (places[kind] == text.size() && !text.empty() && !text.ends_with('\n')) text += end;
        text.insert(std::min(places[kind], text.size()), block);
    }
    report.definedTypes.insert(report.definedTypes.end(), added[0].begin(), added[0].end());
    report.commonStructure.insert(report.commonStructure.end(), added[1].begin(), added[1].end());
    return true;
}

namespace {

// A learned file of a 64-bit run: 64 ends its name before the extension (liste64.txt).
bool IsWin64File(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    return name.substr(0, name.rfind('.')).ends_with("64");
}

// The learned files of one target, read: their entries and their names for the comment line.
struct LearnedFiles {
    std::vector<LearnedEntry> entries;
    std::string sources;
};

bool ReadLearnedFiles(const std::vector<std::string>& inputs, Target target, LearnedFiles& files,
                      size_t& notTypes, std::string& report) {
    const std::string_view pointerType = PointerTypeName(target);
    for (const std::string& input : inputs) {
        if (IsWin64File(input) != (target == Target::Win64)) continue;
        std::string learned;
        if (!ReadFileBytes(input, learned)) {
            report = input + " cannot be read";
            return false;
        }
        std::vector<LearnedEntry> read = ReadLearnedEntries(learned, pointerType, notTypes);
        files.entries.insert(files.entries.end(), read.begin(), read.end());
        files.sources += (files.sources.empty() ? "" : ", ") + std::string(FileNamePart(input));
    }
    return true;
}

// The value of an entry line "NAME = VALUE ; comment".
std::string_view EntryValue(std::string_view line) {
    const size_t equal = line.find('=');
    if (equal == std::string_view::npos) return {};
    const std::string_view rest = Trimmed(line.substr(equal + 1));
    return rest.substr(0, std::min(rest.find_first_of(" \t;"), rest.size()));
}

// The 64-bit entries that the overlay must hold: those whose value differs from the one the
// same name has on 32-bit Windows (in the knowledge file, with its new entries), and those of
// names it does not know.
std::vector<LearnedEntry> DifferingEntries(std::string_view knowledge,
                                           const std::vector<LearnedEntry>& entries) {
    const std::vector<Line> lines = IndexLines(knowledge);
    std::vector<size_t> sections;
    std::unordered_map<std::string_view, std::string_view> values32;
    if (FindSections(lines, sections)) {
        for (size_t n = sections[kDefinedTypes] + 1; n < sections[kCommonRecord]; ++n) {
            if (IsEntry(lines[n])) values32.emplace(EntryKey(lines[n].text), EntryValue(lines[n].text));
        }
    }
    std::vector<LearnedEntry> differing;
    for (const LearnedEntry& entry : entries) {
        const auto value32 = values32.find(entry.key);
        if (value32 == values32.end() || value32->second != EntryValue(entry.line)) {
            differing.push_back(entry);
        }
    }
    return differing;
}

// Merges entries into the knowledge file at path, whose text is given, and appends what was
// added to report; false with the reason in failure.
bool MergeInto(const std::string& path, std::string& text, const LearnedFiles& files,
               std::string& report, std::string& failure) {
    MergeReport merged;
    const std::string original = text;
    if (!MergeKnowledge(text, files.entries, files.sources, merged)) {
        failure = path +
                  " lacks the section lines TRADUIRE, TYPEDEFINI, COMMONSTRUCTURE "
                  "and COMMONRECORD";
        return false;
    }
    if (text != original && !ReplaceFileContent(path, text)) {
        failure = path + " cannot be written: " + std::strerror(errno);
        return false;
    }
    AppendLines(report, "TYPEDEFINI", merged.definedTypes);
    AppendLines(report, "COMMONSTRUCTURE", merged.commonStructure);
    report += "already known: " + std::to_string(merged.known);
    return true;
}

}  // namespace

bool MergeKnowledgeFiles(const std::string& knowledgePath, const std::vector<std::string>& inputs,
                         std::string& report) {
    std::string text;
    if (!ReadFileBytes(knowledgePath, text)) {
        report = knowledgePath + " cannot be read";
        return false;
    }
    size_t notTypes = 0;
    LearnedFiles files32;
    LearnedFiles files64;
    if (!ReadLearnedFiles(inputs, Target::Win32, files32, notTypes, report) ||
        !ReadLearnedFiles(inputs, Target::Win64, files64, notTypes, report)) {
        return false;
    }
    // What a 64-bit run learned goes to the overlay beside the knowledge file when its size
    // differs there: egales64.txt beside egales.txt. Both files are read before either is
    // written.
    const std::string overlayPath = ForTarget(knowledgePath, Target::Win64);
    std::string overlay;
    if (!files64.entries.empty() && !ReadFileBytes(overlayPath, overlay)) {
        report = overlayPath + " cannot be read";
        return false;
    }
    std::string added;
    if (!MergeInto(knowledgePath, text, files32, added, report)) return false;
    if (!files64.entries.empty()) {
        files64.entries = DifferingEntries(text, files64.entries);
        added += "\n" + overlayPath + ":\n";
        if (!MergeInto(overlayPath, overlay, files64, added, report)) return false;
    }
    report = added + ", not types (functions, GUIDs, macros): " + std::to_string(notTypes) + "\n";
    return true;
}

}  // namespace ondavel
