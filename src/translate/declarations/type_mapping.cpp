// One parameter of a PROTO line: its C type reduced to the MASM type that stands for it.
#include "declarations/type_mapping.h"

#include <array>
#include <string>
#include <string_view>

#include "core/text.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

constexpr std::string_view kVararg = " :VARARG";
constexpr std::string_view kProtoKeyword = "PROTO";
// MASM takes VARARG only with the C calling convention.
constexpr std::string_view kCConvention = " C ";

struct ParameterText {
    uint32_t code;
    std::string_view text;
};

// What a parameter of each size class is passed as; anything up to 32 bits takes a DWORD, on
// 64-bit Windows too, where every parameter takes a quadword slot. A callback, a function or an
// interface is passed as a pointer, of the target's pointer type.
constexpr std::array<ParameterText, 8> kParameterTexts = {{
    {TC_BYTE, "DWORD"},
    {TC_WORD, "DWORD"},
    {TC_DWORD, "DWORD"},
    {TC_FWORD, "FWORD"},
    {TC_QWORD, "QWORD"},
    {TC_TBYTE, "TBYTE"},
    {TC_REAL4, "REAL4"},
    {TC_REAL8, "REAL8"},
}};

constexpr std::string_view kSignedText = "SDWORD";
constexpr std::string_view kReal10Text = "REAL10";

// Where the first stand-alone "PROTO" of line ends; npos when it has none.
size_t EndOfProtoKeyword(std::string_view line) {
    const size_t size = kProtoKeyword.size();
    for (size_t at = 0; at + size <= line.size(); ++at) {
        const bool startOk = at == 0 || IsBlank(line[at - 1]);
        const bool endOk = at + size == line.size() || IsBlank(line[at + size]);
        if (startOk && endOk && SameIgnoringCase(line.substr(at, size), kProtoKeyword)) {
            return at + size;
        }
    }
    return std::string_view::npos;
}

void AppendVararg(ProtoLine& proto) {
    if (!proto.cdeclSeen) {
        const size_t end = EndOfProtoKeyword(proto.text);
        if (end != std::string_view::npos) proto.text.insert(end, kCConvention);
    }
    proto.text.append(kVararg);
}

// The trimmed text in place of text (emptied when over-long); false when nothing is left.
bool TrimInPlace(std::string& text) {
    const std::optional<std::string_view> trimmed = TrimText(text);
    if (!trimmed) {
        text.clear();
        return false;
    }
    KeepPart(text, *trimmed);
    return !text.empty();
}

// The MASM text of a known parameter type; typeWord is the classified type word.
std::string_view TextOfCode(Session& session, uint32_t code, std::string& typeWord) {
    if ((code & TC_SIGNED) != 0) return kSignedText;
    if (code == TC_REAL10) return kReal10Text;
    if (code == TC_STRUCT || code == TC_UNION) {
        // A structure passed by value goes by the name its definition was written under.
        typeWord = StructureTypeName(session, typeWord, "");
        return typeWord;
    }
    if (code == TC_CALLBACK || code == TC_FUNCTION || code == TC_INTERFACE) {
        return PointerType(session);
    }
    for (const ParameterText& entry : kParameterTexts) {
        if (entry.code == code) return entry.text;
    }
    return {};
}

void AppendUnknown(Session& session, std::string& line, std::string_view parameter,
                   std::string_view typeWord, uint32_t lineNumber) {
    line.append(":").append(texts::kUnknownType).append(parameter).append(" ");
    // The learning pass reads the type word and the line number back from the journal.
    WriteJournalLine(session, std::string(typeWord) + ' ', lineNumber);
}

void AppendKnown(Session& session, std::string& line, uint32_t code, std::string& typeWord) {
    if (code != TC_VOID) line.append(":").append(TextOfCode(session, code, typeWord));
    line.append(" ");
}

}  // namespace

std::string_view PointerType(const Session& session) {
    return PointerTypeName(session.run.target);
}

uint32_t PointerCode(const Session& session) {
    return session.run.target == Target::Win64 ? TC_QWORD : TC_DWORD;
}

HeapBlock NameLists::*PointerTypeList(const Session& session) {
    return session.run.target == Target::Win64 ? &NameLists::qwordTypes : &NameLists::dwordTypes;
}

bool NamesConvention(const Session& session) {
    return session.run.target == Target::Win32;
}

Cleaning CleanParameter(std::string& parameter, std::string_view pointerType) {
    // The first rewriting of a pointer may fail on a text it would make over-long; the second
    // one then fails too, and refuses the parameter.
    PointerToWord(parameter, pointerType);
    if (!TrimInPlace(parameter)) return Cleaning::Empty;
    if (!PointerToWord(parameter, pointerType) || !StripQualifiers(parameter) ||
        !TrimInPlace(parameter)) {
        return Cleaning::Refused;
    }
    return Cleaning::Typed;
}

std::optional<uint32_t> AppendParameterType(Session& session, ProtoLine& proto, Cleaning cleaning,
                                            const std::string& parameter, uint32_t lineNumber) {
    if (cleaning == Cleaning::Empty) return TC_UNKNOWN;
    // The comma goes in before anything can refuse the parameter.
    if (proto.hasParameter) proto.text.append(",");
    proto.hasParameter = true;
    if (cleaning == Cleaning::Refused) return std::nullopt;

    std::string typeWord = parameter.substr(0, FindFirstOf(parameter, kBlankSet));
    if (typeWord.front() == '.') {
        if (NamesConvention(session)) {
            AppendVararg(proto);
        } else {
            proto.text.append(kVararg);
        }
        return TC_VARARG;
    }
    const uint32_t code = ClassifyType(session, typeWord, typeWord);
    if (code == TC_UNKNOWN) {
        AppendUnknown(session, proto.text, parameter, typeWord, lineNumber);
        return TC_UNKNOWN;
    }
    AppendKnown(session, proto.text, code, typeWord);
    return code;
}

}  // namespace ondavel
