#include "aggregates/records.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "aggregates/aggregate_work.h"
#include "core/output.h"
#include "core/text.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"

namespace ondavel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The next character of a generated name. Past '~' (the last printable one) it starts again
// at 'A', so a name never holds a control character.
char NextNameCharacter(char c) {
    return c < '~' ? static_cast<char>(c + 1) : 'A';
}

// "AA", "AB" ... "Az", "BA" ...: the second character runs from 'A' to 'z'.
void AdvanceFieldTag(std::array<char, 2>& tag) {
    if (tag[1] < 'z') {
        ++tag[1];
    } else {
        tag[0] = NextNameCharacter(tag[0]);
        tag[1] = 'A';
    }
}

// The MASM type of the record's member: the first word of the member that names a known type.
// None when no word does (the member is then an instance of the record).
std::optional<std::string> RecordMemberType(Session& session, std::string_view member) {
    size_t at = 0;
    for (;;) {
        at = SkipBlanks(member, at);
        size_t end = member.find_first_of(": \t", at);
        if (end == std::string_view::npos) end = member.size();
        if (end == at) return std::nullopt;
        std::string masmType;
        if (ClassifyType(session, member.substr(at, end - at), masmType) != TC_UNKNOWN) {
            return masmType;
        }
        at = end;
    }
}

void StartRecord(AggregateWork& work, std::string_view member) {
    std::array<char, 2>& tag = work.session.run.recordFieldTag;
    AdvanceFieldTag(tag);
    std::string recordName = work.recordPrefix + work.name;
    LookupKnowledge(work.session, recordName, LOOKUP_COMMONRECORD, &recordName);
    std::string piece = "\t" + recordName;
    if (const std::optional<std::string> type = RecordMemberType(work.session, member)) {
        piece += " " + *type + " ?";
    } else {
        piece += " <>";
    }
    AppendPiece(work.outputBlock, piece);
    WriteToBlocHeap(work.pendingRecords, recordName + "\t\tRECORD \r\n");
    work.recordPrefix[3] = NextNameCharacter(work.recordPrefix[3]);
    work.recordRunOpen = true;
}

// The field of one declarator ("fRead : 1"): from the word before its last ':' to the end.
std::string_view FieldText(std::string_view declarator) {
    const size_t colon = declarator.rfind(':');
    if (colon == std::string_view::npos) return {};
    size_t start = declarator.find_last_not_of(kBlanks, colon == 0 ? 0 : colon - 1);
    if (start == std::string_view::npos || start >= colon) return declarator.substr(colon);
    while (start > 0 && !IsOneOf(declarator[start - 1], " \t,")) --start;
    return declarator.substr(start);
}

void AddFields(AggregateWork& work, std::string_view member) {
    const std::array<char, 2>& tag = work.session.run.recordFieldTag;
    const std::string tagText(tag.begin(), tag.end());
    size_t start = 0;
    for (;;) {
        const size_t comma = member.find(',', start);
        const std::string_view field = FieldText(member.substr(start, comma - start));
        if (!field.empty()) {
            WriteToBlocHeap(work.pendingRecords,
                            "\t\t\t\t" + tagText + std::string(field) + std::string(kLineEnd));
        }
        if (comma == std::string_view::npos) return;
        start = comma + 1;
    }
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t end = text.find(kLineEnd); end != std::string_view::npos;
         end = text.find(kLineEnd)) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + kLineEnd.size());
    }
    return lines;
}

}  // namespace

void TranslateBitField(AggregateWork& work, std::string_view member) {
    if (!work.recordRunOpen) StartRecord(work, member);
    AddFields(work, member);
}

void FlushRecords(AggregateWork& work) {
    if (work.pendingRecords.used == 0) return;
    work.recordRunOpen = false;
    const std::vector<std::string_view> lines = SplitLines(work.pendingRecords.view());
    // The header line carries the last field declared, its tabs made blanks; the first field
    // declared ends the declaration.
    std::string text(lines.front());
    for (size_t i = lines.size() - 1; i >= 1; --i) {
        std::string field(lines[i]);
        if (i == lines.size() - 1) std::replace(field.begin(), field.end(), '\t', ' ');
        text += field;
        if (i > 1) text += ',';
        WriteOutputLine(work.session, text);
        text.clear();
    }
    ReleaseBlocHeap(work.pendingRecords);
}

}  // namespace ondavel
