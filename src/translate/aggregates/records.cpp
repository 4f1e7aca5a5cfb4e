#include "aggregates/records.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "aggregates/aggregate_work.h"
#include "core/text.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"

namespace ondavel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The next letter of a generated name: 'A' to 'Z', then 'a' to 'z', then 'A' again, so that
// the name is one the assembler takes.
char NextLetter(char c) {
    if (c == 'Z') return 'a';
    return c >= 'A' && c < 'z' ? static_cast<char>(c + 1) : 'A';
}

// "AA", "AB" ... "AZ", "Aa" ... "Az", "BA" ...
void AdvanceFieldTag(std::array<char, 2>& tag) {
    if (tag[1] < 'z') {
        tag[1] = NextLetter(tag[1]);
    } else {
        tag[0] = NextLetter(tag[0]);
        tag[1] = 'A';
    }
}

// "RECA" for the first run of an aggregate ... "RECZ", then "RECAA", "RECAB" ...
std::string RecordPrefix(uint32_t run) {
    std::string letters;
    for (uint32_t n = run + 1; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return "REC" + letters;
}

// The type without its sign: the storage of bit fields has none.
std::string UnsignedForm(const std::string& masmType) {
    return masmType.starts_with('S') && masmType.size() > 1 ? masmType.substr(1) : masmType;
}

// The MASM type of the record's member: the first word of the member that names a known type,
// a sign word taking its size from a type word after it ("unsigned short" is a WORD, as C
// stores those fields in a 16-bit unit). None when no word does (the member is then an
// instance of the record).
std::optional<std::string> RecordMemberType(Session& session, std::string_view member) {
    std::optional<std::string> signWordType;
    size_t at = 0;
    for (;;) {
        at = SkipBlanks(member, at);
        size_t end = member.find_first_of(": \t", at);
        if (end == std::string_view::npos) end = member.size();
        if (end == at) return signWordType;
        const std::string_view word = member.substr(at, end - at);
        std::string masmType;
        if (ClassifyType(session, word, masmType) != TC_UNKNOWN) {
            if (signWordType) return UnsignedForm(masmType);
            if (word != "unsigned" && word != "signed") return masmType;
            signWordType = masmType;
        }
        at = end;
    }
}

// The bits of the unit C stores a run of fields of that type in.
uint32_t UnitBits(const std::optional<std::string>& masmType) {
    if (masmType == "BYTE" || masmType == "SBYTE") return 8;
    if (masmType == "WORD" || masmType == "SWORD") return 16;
    return 32;
}

void StartRecord(AggregateWork& work, const std::optional<std::string>& type) {
    std::array<char, 2>& tag = work.session.run.recordFieldTag;
    AdvanceFieldTag(tag);
    std::string recordName = RecordPrefix(work.recordRuns++) + work.name;
    LookupKnowledge(work.session, recordName, LookupKind::CommonRecord, &recordName);
    std::string piece = "\t" + recordName;
    work.recordUnitBits = UnitBits(type);
    if (type) {
        piece += " " + *type + " ?";
    } else {
        piece += " <>";
    }
    AppendPieceToHeapBlock(work.outputBlock, piece);
    AppendToHeapBlock(work.pendingRecords, recordName + "\t\tRECORD \r\n");
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

// Words the assembler reserves that a two-letter field tag and a one-letter field name can
// spell ("Ad" and "C" make ADC): instructions, registers and operators of three letters.
constexpr std::array<std::string_view, 74> kThreeLetterWords = {
    "AAA", "AAD", "AAM", "AAS", "ADC", "ADD", "AND", "BSF", "BSR", "BTC", "BTR", "BTS", "CBW",
    "CDQ", "CLC", "CLD", "CLI", "CMC", "CMP", "CWD", "DAA", "DAS", "DEC", "DIV", "DUP", "EAX",
    "EBP", "EBX", "ECX", "EDI", "EDX", "END", "EQU", "ESI", "ESP", "HLT", "INC", "INS", "INT",
    "JAE", "JBE", "JGE", "JLE", "JMP", "JNA", "JNB", "JNC", "JNE", "JNG", "JNL", "JNO", "JNP",
    "JNS", "JNZ", "LEA", "MOD", "MOV", "MUL", "NEG", "NOP", "NOT", "OUT", "POP", "RCL", "RCR",
    "RET", "ROL", "ROR", "SAL", "SAR", "SBB", "SHL", "SHR", "XOR"};

bool IsThreeLetterWord(std::string_view name) {
    if (name.size() != 3) return false;
    std::string upper(name);
    for (char& c : upper) c = FoldCase(c);
    return std::binary_search(kThreeLetterWords.begin(), kThreeLetterWords.end(), upper);
}

// The field as the record declares it: the tag before its name, and '_' after a name that
// the tag would make a reserved word.
std::string TaggedField(const std::string& tag, std::string_view field) {
    const size_t nameEnd = std::min(field.find_first_of(" \t:"), field.size());
    std::string text = tag + std::string(field.substr(0, nameEnd));
    if (IsThreeLetterWord(text)) text += '_';
    return text.append(field.substr(nameEnd));
}

void AddFields(AggregateWork& work, std::string_view member) {
    const std::array<char, 2>& tag = work.session.run.recordFieldTag;
    const std::string tagText(tag.begin(), tag.end());
    size_t start = 0;
    for (;;) {
        const size_t comma = member.find(',', start);
        const std::string_view field = FieldText(member.substr(start, comma - start));
        if (!field.empty()) {
            AppendToHeapBlock(work.pendingRecords,
                              "\t\t\t\t" + TaggedField(tagText, field) + std::string(kLineEnd));
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

// The number or name that begins at start ("" when none does).
std::string_view WordAt(std::string_view text, size_t start) {
    size_t end = start;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    return text.substr(start, end - start);
}

// The width a word gives: the word itself when it is a number, the value of the equate it
// names when that is a decimal number; empty otherwise.
std::string_view WidthOf(const Session& session, std::string_view word) {
    if (!word.empty() && word[0] >= '0' && word[0] <= '9') return word;
    const std::string* value = session.header.wordEquates.find(word);
    if (value == nullptr) return {};
    return value->find_first_not_of("0123456789") == std::string::npos ? *value
                                                                       : std::string_view();
}

// The member with each width that a name gives written as its number ("Index : INDEX_BITS"
// as "Index : 6"), so that the runs are cut where C cuts them.
std::string WidthsAsNumbers(const Session& session, std::string_view member) {
    std::string text(member);
    for (size_t colon = text.find(':'); colon != std::string::npos;
         colon = text.find(':', colon + 1)) {
        const size_t start = SkipBlanks(text, colon + 1);
        const std::string_view word = WordAt(text, start);
        const std::string width(WidthOf(session, word));
        if (!width.empty()) text.replace(start, word.size(), width);
    }
    return text;
}

}  // namespace

bool BeginsWithFieldWidth(const Session& session, std::string_view text) {
    return !WidthOf(session, WordAt(text, SkipBlanks(text, 0))).empty();
}

// The widths of a member's fields ("a : 1, b : 2" gives 3); a width that is no number counts 0.
uint32_t FieldWidths(std::string_view member) {
    uint32_t bits = 0;
    for (size_t colon = member.find(':'); colon != std::string_view::npos;
         colon = member.find(':', colon + 1)) {
        const size_t digits = SkipBlanks(member, colon + 1);
        const size_t end = member.find_first_not_of("0123456789", digits);
        bits += TextToNumber(member.substr(digits, end - digits));
    }
    return bits;
}

namespace {

constexpr uint32_t kRecordBits = 32;

// A record holds at most 32 bits: a wider field of a 64-bit unit ("ULONG64 Reserved : 48") is
// declared in parts, "Reserved" then "Reserved_1" ..., each as wide as a record can still take.
void TranslateWideField(AggregateWork& work, std::string_view member, uint32_t bits) {
    const std::string_view field = FieldText(member);
    const std::string_view type = member.substr(0, member.size() - field.size());
    std::string_view name = field.substr(0, field.find(':'));
    name = name.substr(0, name.find_last_not_of(kBlanks) + 1);
    for (uint32_t part = 0; bits > 0; ++part) {
        // The first part fills what the open run has left, as C goes on in the same unit.
        const uint32_t room = work.recordRunOpen ? kRecordBits - work.recordBits : kRecordBits;
        const uint32_t width = std::min(bits, room == 0 ? kRecordBits : room);
        std::string partName(name);
        if (part > 0) partName += "_" + std::to_string(part);
        TranslateBitField(work, std::string(type) + partName + " : " + std::to_string(width));
        bits -= width;
    }
}

}  // namespace

// As in C, a field that does not fit in what is left of the run's unit (the bits of its type,
// a record holding at most 32) starts a new one, and so does a field of a type of another size.
void TranslateBitField(AggregateWork& work, std::string_view text) {
    const std::string member = WidthsAsNumbers(work.session, text);
    const uint32_t bits = FieldWidths(member);
    if (bits > kRecordBits && member.find(':') == member.rfind(':')) {
        TranslateWideField(work, member, bits);
        return;
    }
    const std::optional<std::string> type = RecordMemberType(work.session, member);
    if (work.recordRunOpen &&
        (work.recordBits + bits > work.recordUnitBits || UnitBits(type) != work.recordUnitBits)) {
        FlushRecords(work);
    }
    if (!work.recordRunOpen) {
        StartRecord(work, type);
        work.recordBits = 0;
    }
    work.recordBits += bits;
    AddFields(work, member);
}

void FlushRecords(AggregateWork& work) {
    if (work.pendingRecords.used == 0) return;
    work.recordRunOpen = false;
    // A record declared in a branch of a conditional is declared under the same condition.
    for (const std::vector<std::string>& level : work.openConditionals) {
        for (const std::string& line : level) WriteOutputLine(work.session, line);
    }
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
    for (size_t i = 0; i < work.openConditionals.size(); ++i)
        WriteOutputLine(work.session, "ENDIF");
    ReleaseHeapBlock(work.pendingRecords);
}

}  // namespace ondavel
