#include "aggregates/name_list_file.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "session/session.h"

namespace ondavel {

namespace {

// Lines of names are wrapped before a name would take them past this width.
constexpr size_t kLineWidth = 100;

void WriteLine(std::FILE* file, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fwrite("\r\n", 1, 2, file);
}

// A full line of a list ends with the ',' that follows its last name.
void WriteNames(std::FILE* file, std::string_view heading, std::string_view names) {
    if (names.empty()) return;
    WriteLine(file, heading);
    std::string line = "\t";
    size_t from = 0;
    while (from < names.size()) {
        size_t end = names.find('\0', from);
        if (end == std::string_view::npos) end = names.size();
        const std::string_view name = names.substr(from, end - from);
        from = end + 1;
        // A name too long for any line stands on a line of its own, never after an empty one.
        if (line.size() > 1 && line.size() + name.size() + 2 > kLineWidth) {
            WriteLine(file, line);
            line = "\t";
        }
        line.append(name);
        if (from < names.size()) line.push_back(',');
    }
    WriteLine(file, line);
}

// "NAME,ALIAS1,ALIAS2": the name on a line, then its aliases; a full line of aliases ends
// without ','. A text without ',' (not an alias text) is written as it stands.
void WriteAliasText(std::FILE* file, std::string_view text) {
    const size_t comma = text.find(',');
    WriteLine(file, text.substr(0, comma));
    if (comma == std::string_view::npos) return;
    std::string line = "\t";
    for (size_t from = comma + 1; from <= text.size();) {
        size_t end = text.find(',', from);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view alias = text.substr(from, end - from);
        from = end + 1;
        if (alias.empty()) continue;
        const bool holdsAlias = line.size() > 1;
        if (holdsAlias && line.size() + 1 + alias.size() + 2 > kLineWidth) {
            WriteLine(file, line);
            line = "\t";
        } else if (holdsAlias) {
            line.push_back(',');
        }
        line.append(alias);
    }
    if (line.size() > 1) WriteLine(file, line);
}

}  // namespace

void WriteCollectedNames(Session& session) {
    std::FILE* file = session.run.nameListFile;
    if (file == nullptr) return;
    const auto lists = session.header.names.all();
    for (size_t i = 0; i < lists.size(); ++i)
        WriteNames(file, kNameListHeadings[i], lists[i]->view());
    const SavedStrings& saved = session.header.savedStrings;
    for (const std::string& alias : saved.slots) {
        if (alias.empty()) break;
        WriteAliasText(file, alias);
    }
}

}  // namespace ondavel
