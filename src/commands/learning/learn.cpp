#include "learning/learn.h"

#include <cstdio>
#include <string>
#include <unordered_set>

#include "core/file_io.h"
#include "core/host.h"
#include "core/line_index.h"
#include "core/staged_file.h"
#include "core/text.h"
#include "run/command_texts.h"
#include "session/session.h"

namespace ondavel {

namespace {

// A section word of the list file is shorter than this.
constexpr size_t kSectionWordLimit = 20;
constexpr std::string_view kNameDelims = " \t,\r\n";
constexpr std::string_view kMatchSeparator = "  ******** ";

// A header's path: written on Linux it begins with '/', on Windows with a drive letter.
bool IsPathLine(std::string_view line) {
    return (!line.empty() && line[0] == '/') || (line.size() > 1 && line[1] == ':');
}

// One word of fewer than 20 characters alone on its line (STRUCTURE, Fonctions, DWORD …).
bool IsSectionLine(std::string_view line) {
    return !line.empty() && line.size() < kSectionWordLimit &&
           line.find_first_of(" \t") == std::string_view::npos;
}

// A journal line that names an unknown type: the name, one blank, then after any blanks and
// tabs a line number.
bool CandidateName(std::string_view line, std::string_view& name) {
    if (line.empty() || IsPathLine(line) || line[0] == ',') return false;
    const size_t end = line.find_first_of(" \t");
    if (end == 0 || end == std::string_view::npos || line[end] != ' ') return false;
    const size_t next = SkipBlanks(line, end);
    if (next >= line.size() || line[next] < '0' || line[next] > '9') return false;
    name = line.substr(0, end);
    return true;
}

struct Match {
    int count = 0;
    KitListMatch kind = KitListMatch::None;
};

void AddMatch(Match& match, std::string_view name, std::string_view section,
              std::string_view header, std::string& result) {
    ++match.count;
    if (match.count == 1) {
        result.assign(name);
    } else {
        result.append(kMatchSeparator);
    }
    result.append(" = ");
    if (section.find("STRUCTURE") != std::string_view::npos) {
        result.append(name);
        match.kind = KitListMatch::Structure;
    } else {
        result.append(section);
        match.kind = KitListMatch::Type;
        if (match.count > 1) result.append(kMatchSeparator);
    }
    if (match.count == 1) result.append(" ; ").append(header);
}

bool LoadIndexed(Session& session, const std::string& path, LineIndex& index) {
    std::string text;
    if (!LoadFile(session.host, path, text)) return false;
    index.Build(std::move(text));  // a file too small to index has no line to learn from
    return true;
}

void WriteLearned(std::FILE* file, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fwrite("\r\n", 1, 2, file);
}

// The two files written by a learning pass; a pass that does not complete keeps neither.
struct LearnFiles {
    std::FILE* learn = nullptr;
    std::FILE* structures = nullptr;
    ~LearnFiles() {
        DiscardStagedFile(learn);
        DiscardStagedFile(structures);
    }
    bool Commit(Session& session) {
        const bool learnWritten = CommitRunFile(session, learn);
        return CommitRunFile(session, structures) && learnWritten;
    }
};

void LearnNames(LineIndex& journal, LineIndex& list, const LearnFiles& files) {
    std::unordered_set<std::string> searched;
    std::string result;
    for (uint32_t n = 1; n <= journal.lines(); ++n) {
        std::string_view line;
        std::string_view name;
        if (!journal.Line(n, line) || !CandidateName(line, name)) continue;
        if (!searched.emplace(name).second) continue;
        const KitListMatch kind = FindInKitList(list, name, result);
        if (kind == KitListMatch::None) continue;
        WriteLearned(kind == KitListMatch::Structure ? files.structures : files.learn, result);
    }
}

}  // namespace

KitListMatch FindInKitList(LineIndex& list, std::string_view name, std::string& result) {
    result.clear();
    Match match;
    std::string_view header;
    std::string_view section;
    for (uint32_t n = 1; n <= list.lines(); ++n) {
        std::string_view line;
        if (!list.Line(n, line) || line.empty()) continue;
        if (IsPathLine(line)) {
            if (match.count > 0) break;
            header = FileNamePart(line);
        } else if (line[0] == '\t') {
            if (FindWord(1, line, name, Case::Exact, kNameDelims, kNameDelims).has_value()) {
                AddMatch(match, name, section, header, result);
            }
        } else if (line[0] != ' ' && line[0] != ',' && IsSectionLine(line)) {
            section = line;
        }
    }
    return match.kind;
}

bool LearnFromKit(Session& session, std::string_view listFileName) {
    const std::string& base = session.run.baseDirectory;
    const std::string journalPath = base + "journal.txt";
    const std::string listPath = base + std::string(listFileName);
    bool done = false;
    if (FileExists(journalPath) && FileExists(listPath)) {
        LearnFiles files;
        const Target target = session.run.target;
        files.learn = CreateStagedFile(session.host, base + ForTarget("learn.txt", target));
        files.structures = CreateStagedFile(session.host, base + ForTarget("LearnSt.txt", target));
        LineIndex journal;
        LineIndex list;
        if (files.learn != nullptr && files.structures != nullptr &&
            LoadIndexed(session, journalPath, journal) && LoadIndexed(session, listPath, list)) {
            session.host.SetStatus(StatusPart::Progress, texts::kSearching);
            LearnNames(journal, list, files);
            done = files.Commit(session);
        }
    }
    session.host.SetStatus(StatusPart::Progress, texts::kLearnDone);
    return done;
}

}  // namespace ondavel
