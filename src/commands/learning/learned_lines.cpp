#include "learning/learned_lines.h"

#include <algorithm>
#include <map>

#include "aggregates/name_list_file.h"
#include "core/file_io.h"
#include "core/text.h"

namespace ondavel {

namespace {

constexpr std::string_view kNameDelims = " \t,";
// liste.txt and learn.txt name the kinds of names by the headings of liste.txt.
constexpr std::string_view kStructures = "STRUCTURE";
constexpr std::string_view kCallbacks = "Callback";
constexpr std::string_view kInterfaces = "Interface";

enum class Kind { SizeClass, Structure, Pointer, NotType, Other };

Kind KindOf(std::string_view heading) {
    const auto* at = std::find(kNameListHeadings.begin(), kNameListHeadings.end(), heading);
    if (at == kNameListHeadings.end()) return Kind::Other;
    if (static_cast<size_t>(at - kNameListHeadings.begin()) < kSizeClassHeadings) {
        return Kind::SizeClass;
    }
    if (heading == kStructures) return Kind::Structure;
    if (heading == kCallbacks || heading == kInterfaces) return Kind::Pointer;
    return Kind::NotType;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(from, end - from);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitNames(std::string_view line) {
    std::vector<std::string_view> names;
    size_t from = line.find_first_not_of(kNameDelims);
    while (from != std::string_view::npos) {
        const size_t end = std::min(line.find_first_of(kNameDelims, from), line.size());
        names.push_back(line.substr(from, end - from));
        from = line.find_first_not_of(kNameDelims, end);
    }
    return names;
}

// A heading of liste.txt, or the name that begins an alias text.
bool IsOneWord(std::string_view line) {
    return !line.empty() && line.find_first_of(" \t,") == std::string_view::npos;
}

bool IsPathLine(std::string_view line) {
    return (!line.empty() && line[0] == '/') || (line.size() > 1 && line[1] == ':');
}

// What a learned name becomes: a size class keeps its value; callbacks and interfaces become
// pointers of pointerType.
struct Learned {
    std::vector<LearnedEntry> entries;
    std::string_view pointerType;
    size_t& notTypes;
};

void AddTyped(Learned& learned, Kind kind, std::string_view name, std::string_view value,
              std::string_view comment) {
    LearnedEntry entry{LearnedSection::DefinedTypes, std::string(name), {}};
    if (kind == Kind::Structure) entry.section = LearnedSection::CommonStructure;
    std::string text = std::string(name) + " = ";
    if (kind == Kind::Pointer) {
        text.append(learned.pointerType).append(" ; ").append(value).append(" ").append(comment);
    } else {
        text.append(value).append(" ; ").append(comment);
    }
    entry.line = std::string(Trimmed(text));
    learned.entries.push_back(std::move(entry));
}

// "NAME = VALUE ; comment" of a learning pass. The value is a heading of liste.txt, or the name
// of the structure the name was found as.
void ReadLearnLine(std::string_view line, Learned& learned) {
    const size_t equal = line.find(" = ");
    const std::string_view name = Trimmed(line.substr(0, equal));
    std::string_view rest = Trimmed(line.substr(equal + 3));
    const size_t valueEnd = std::min(rest.find_first_of(" \t;"), rest.size());
    const std::string_view value = rest.substr(0, valueEnd);
    std::string_view comment = Trimmed(rest.substr(valueEnd));
    if (comment.starts_with(';')) comment = Trimmed(comment.substr(1));
    Kind kind = KindOf(value);
    if (kind == Kind::Other) kind = Kind::Structure;
    if (name.empty() || value.empty() || kind == Kind::NotType) {
        ++learned.notTypes;
        return;
    }
    AddTyped(learned, kind, name, value, comment);
}

// One header's block of liste.txt: its lists, then its alias texts (an aggregate's name alone on
// a line, its other typedef names on the lines after it).
void ReadListBlock(const std::vector<std::string_view>& block, std::string_view header,
                   Learned& learned) {
    std::map<std::string, std::string, std::less<>> aggregateOf;
    std::string_view heading;
    for (std::string_view line : block) {
        if (line[0] != '\t') {
            heading = line;
        } else if (KindOf(heading) == Kind::Other) {
            for (std::string_view alias : SplitNames(line)) aggregateOf.emplace(alias, heading);
        }
    }
    for (std::string_view line : block) {
        if (line[0] != '\t') {
            heading = line;
            continue;
        }
        const Kind kind = KindOf(heading);
        for (std::string_view name : SplitNames(line)) {
            if (kind == Kind::NotType) ++learned.notTypes;
            if (kind == Kind::NotType || kind == Kind::Other) continue;
            std::string_view value = heading;
            if (kind == Kind::Structure) {
                const auto at = aggregateOf.find(name);
                value = at == aggregateOf.end() ? name : std::string_view(at->second);
            }
            AddTyped(learned, kind, name, value, header);
        }
    }
}

}  // namespace

std::vector<LearnedEntry> ReadLearnedEntries(std::string_view text, std::string_view pointerType,
                                             size_t& notTypes) {
    Learned learned{{}, pointerType, notTypes};
    std::vector<std::string_view> block;
    std::string_view header;
    const auto flush = [&] {
        ReadListBlock(block, header, learned);
        block.clear();
    };
    for (std::string_view line : SplitLines(text)) {
        if (IsPathLine(line)) {
            flush();
            header = FileNamePart(line);
        } else if (line.find(" = ") != std::string_view::npos && line[0] != '\t') {
            ReadLearnLine(line, learned);
        } else if (line.starts_with('\t') || IsOneWord(line)) {
            block.push_back(line);
        }
    }
    flush();
    return std::move(learned.entries);
}

}  // namespace ondavel
