// How the lookups read the knowledge file: its lines, sections, search ranges and entries.
// The plain first-match scan is kept beside the key index as the reference it must agree with.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "knowledge/knowledge.h"
#include "knowledge/knowledge_file.h"

namespace ondavel {

// The section lines as the file spells them: the format's own words, in French.
inline constexpr std::array<std::string_view, kSectionCount> kSectionNames = {
    "TRADUIRE",     "TYPEDEFINI",          "COMMONSTRUCTURE",           "COMMONRECORD",
    "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"};

// Search ranges: range 0 runs from line 1 to the TRADUIRE line, range r from section line r - 1
// to section line r, both ends included, so a section line belongs to two neighbouring ranges.
inline constexpr int kRangeCount = kSectionCount;
// Keys of these ranges compare with a-z folded onto A-Z.
inline constexpr std::array<bool, kRangeCount> kRangeIgnoresCase = {true, false, false, false,
                                                                    true, true,  true,  true};

// A key ends at one of these; a word is followed by one of them where it matches a line.
inline constexpr std::string_view kKeyEnd = " \t=;";

// The range of the keyword codes; every lookup kind searches one of the ranges after it.
inline constexpr int kCodeRange = 0;
int KindRange(LookupKind kind);

struct LineRange {
    uint32_t first = 0;
    uint32_t last = 0;
};
// The lines of a range once the section lines have been found.
LineRange RangeLines(const KnowledgeFile& file, int range);

// Line n trimmed as the lookups read it. False for a line that is ignored: missing, empty,
// over-long, or a comment (its first character is ';').
bool ReadKnowledgeLine(const LineIndex& index, uint32_t n, std::string_view& line);

// The key that begins an entry line.
inline std::string_view EntryKey(std::string_view line) {
    return line.substr(0, line.find_first_of(kKeyEnd));
}

// What an entry line answers, as the lookups read it. The format wants a '=' after the key: a
// line without one answers nothing.
struct EntryAnswer {
    std::string_view line;
    bool hasEqualSign = false;
    bool valueFollows = false;  // anything but blanks after the first '='
    std::string_view value;     // the first token after the first '=' and its blanks
    uint32_t code = 0;          // the digits after the second '=': "key = free text = code"
};
EntryAnswer ReadAnswer(std::string_view line);

// Looks for the section lines in their order and records their numbers in file.sectionLines.
// Returns the index of the first section that was not found, or kSectionCount.
int FindSectionLines(KnowledgeFile& file);

// The first entry line of range whose key is word (trimmed), through the key index; nullopt
// when there is none, or when the file lacks a section line.
std::optional<std::string_view> FindEntry(KnowledgeFile& file, std::string_view word, int range);
// What that line answers.
std::optional<EntryAnswer> FindAnswer(KnowledgeFile& file, std::string_view word, int range);

// The reference lookup: what FindEntry answers, found by a first-match linear scan of the
// range, never through the index.
std::optional<std::string_view> ScanEntry(KnowledgeFile& file, std::string_view word, int range);

}  // namespace ondavel
