#include "declarations/com_methods.h"

#include <algorithm>

#include "core/heap_block.h"
#include "core/text.h"
#include "declarations/interface_macro.h"
#include "declarations/prototype_parameters.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"
#include "statements/statement_cursor.h"

namespace ondavel {

namespace {

// A member's name and the blanks after it fill this many characters (at least one blank).
constexpr size_t kMemberNameWidth = 29;

// Whether a parameter of type code, the method's argument at position (the interface pointer
// is the first), takes one comethod argument. Every argument of a comethod
// is as wide as a pointer. On 32-bit Windows a byte, word or doubleword value, signed or not,
// fills its doubleword. On 64-bit Windows the first four arguments travel in registers, into
// which the assembler widens a narrower value, and the next ones on the stack, where it cannot
// store a narrower variable into a quadword: there only a quadword fits. Anything else
// (unknown, floating-point, structure, callback, interface, void, a narrower value on the
// 64-bit stack) makes the method take its own prototype, where each argument has its type.
bool IsComethodArgument(uint32_t code, uint32_t pointerCode, uint32_t position) {
    constexpr uint32_t kRegisterArguments = 4;
    const uint32_t size = code & ~static_cast<uint32_t>(TC_SIGNED);
    if (size == pointerCode) return true;
    if (pointerCode == TC_QWORD && position > kRegisterArguments) return false;
    return size == TC_BYTE || size == TC_WORD || size == TC_DWORD;
}

// Puts in name the name of the method, a name the assembler cannot take or one that clashes
// with an API function replaced as the knowledge file says.
void MethodName(Session& session, std::string_view word, std::string& name) {
    name.assign(word.substr(std::min(word.find_first_not_of('*'), word.size())));
    LookupKnowledge(session, name, LookupKind::Incompatible, &name);
    LookupKnowledge(session, name, LookupKind::ApiNameConflict, &name);
}

// The last word of a method's name part: "QueryInterface" in
// "( STDMETHODCALLTYPE *QueryInterface )", "AddRef" in "STDMETHOD_(ULONG,AddRef)". The cursor
// ends after the ')' that closes the name part, or on a '(' met before it.
bool ReadMethodName(StatementCursor& cursor, std::string& name) {
    name.clear();
    for (;;) {
        if (!cursor.SkipBlanks()) return false;
        const std::string_view word = cursor.TakeWord(kComNameDelimiters);
        if (!word.empty()) name = word;
        if (!cursor.SkipBlanks()) return false;
        const char c = cursor.Current();
        if (c == '(') return true;
        // The ')' ends the name part; any other cutting character (',' ...) leads to a word.
        if (InSet(kComNameDelimiters, c)) cursor.Advance();
        if (c == ')') return true;
    }
}

}  // namespace

ComInterface::ComInterface(Session& session, StatementCursor& cursor, std::string_view name,
                           std::string_view routine)
    : session_(session), cursor_(cursor), interfaceBase_(name), routine_(routine) {
    block_.reporter = &session.host;
    // The invocation macro takes the interface's name: not one the assembler reserves (FRAME
    // on 64-bit Windows).
    LookupKnowledge(session, interfaceBase_, LookupKind::Incompatible, &interfaceBase_);
}

void ComInterface::Open(std::string_view parent) {
    HeapBlock& block = block_;
    if (!parent.empty()) {
        std::string comment = ";" + interfaceBase_;
        comment.append(texts::kDerivesFrom).append(parent).append("\r\n");
        AppendToHeapBlock(block, comment);
    }
    if (!interfaceBase_.empty())
        AppendPieceToHeapBlock(session_.header.names.interfaceNames, interfaceBase_);
    AppendToHeapBlock(block, "\tST" + interfaceBase_ + "\tSTRUCT\r\n");
}

void ComInterface::Close() {
    HeapBlock& block = block_;
    AppendToHeapBlock(block, "\tST" + interfaceBase_ + "\tENDS\r\n");
    WriteOutputLine(session_, block.view());
    ReleaseHeapBlock(block);
    WriteInterfaceMacro(session_, interfaceBase_);
}

bool ComInterface::SkipBlanksAndDirectives() {
    for (;;) {
        if (!cursor_.SkipBlanks()) return false;
        // Code lines are trimmed: a directive's '#' stands at their start.
        if (cursor_.Column() != 0 || cursor_.Current() != '#') return true;
        cursor_.SkipLine();
    }
}

bool ComInterface::SkipTo(std::string_view stops) {
    for (;;) {
        if (!SkipBlanksAndDirectives()) return false;
        if (IsOneOf(cursor_.Current(), stops)) return true;
        // What stands before the next stop on the line is passed over whole.
        cursor_.Advance(std::max<size_t>(1, cursor_.RunBefore(stops).size()));
    }
}

bool ComInterface::StartMethod() {
    return ReadMethodName(cursor_, nameWord_) && StartMethod(nameWord_);
}

bool ComInterface::StartMethod(std::string_view name) {
    // The lines are built in the buffers of the method before: most methods cost no allocation.
    MethodName(session_, name, methodName_);
    proto_.text.assign(interfaceBase_).append("_").append(methodName_).append(" PROTO ");
    memberLine_.assign("\t\t").append(methodName_);
    memberLine_.erase(std::remove(memberLine_.begin() + 2, memberLine_.end(), '*'),
                      memberLine_.end());
    const size_t nameLength = memberLine_.size() - 2;
    memberLine_.append(kMemberNameWidth - std::min(nameLength, kMemberNameWidth - 1), ' ');
    memberLine_.append("\tcomethod");
    parameterCount_ = 0;
    proto_.hasParameter = false;
    wide_ = false;
    // The '(' that opens the parameter list.
    return cursor_.SkipBlanks() && cursor_.AdvanceAndSkip();
}

void ComInterface::TakeInterfacePointer(std::string_view blanks) {
    proto_.text.append(":").append(PointerType(session_)).append(blanks);
    parameterCount_ = 1;
    proto_.hasParameter = true;
}

ComStep ComInterface::ReadPointerThenParameters() {
    if (!CollectParameter()) return ComStep::Abandon;
    TakeInterfacePointer(" ");
    if (cursor_.Current() != ',') return ComStep::Next;
    cursor_.Advance();
    return ReadParameters(ParameterForm::Plain);
}

ComStep ComInterface::ReadParameterList(ParameterForm form) {
    if (!cursor_.SkipBlanks()) return ComStep::Abandon;
    if (form == ParameterForm::Attributed) {
        const ComStep step = SkipAttributeBlock();
        if (step != ComStep::Next) return step;
    }
    if (cursor_.Current() != ')') return ReadParameters(form);
    return SkipTo(",;") ? ComStep::Next : ComStep::Abandon;
}

ComStep ComInterface::ReadParameters(ParameterForm form) {
    for (;;) {
        if (!cursor_.SkipBlanks()) return ComStep::Abandon;
        if (form == ParameterForm::Attributed) {
            const ComStep step = SkipAttributeBlock();
            if (step != ComStep::Next) return step;
        }
        const ComStep step = AddParameter();
        if (step != ComStep::Next) return step;
        if (!cursor_.SkipBlanks()) return ComStep::Abandon;
        if (cursor_.Current() != ',') return ComStep::Next;
        cursor_.Advance();
    }
}

bool ComInterface::CollectParameter() {
    const Collected collected = ondavel::CollectParameter(cursor_, ",;", parameter_);
    if (collected == Collected::TooLong) ReportTooLong();
    return collected == Collected::Parameter;
}

void ComInterface::ReportTooLong() {
    ondavel::ReportTooLong(session_, session_.statement.counts.firstLine, routine_);
}

ComStep ComInterface::AddParameter() {
    if (!CollectParameter()) return ComStep::Abandon;
    ReduceStarredParameter(session_, parameter_);
    const std::optional<uint32_t> code =
        AppendCleanedParameter(session_, proto_, parameter_, cursor_.LineNumber());
    // Nothing but qualifiers: the interface cannot be described.
    if (!code) return ComStep::Abandon;
    if (proto_.text.size() > kLineLimit) {
        ReportTooLong();
        return ComStep::Abandon;
    }
    if (IsComethodArgument(*code, PointerCode(session_), parameterCount_ + 1)) {
        ++parameterCount_;
    } else {
        wide_ = true;
    }
    return ComStep::Next;
}

void ComInterface::EndMethod() {
    HeapBlock& block = block_;
    if (!wide_) {
        memberLine_.append(NumberToText(static_cast<int32_t>(parameterCount_))).append(" ?\r\n");
        AppendToHeapBlock(block, memberLine_);
        return;
    }
    // "IFoo_SetScale TYPEDEF  PROTO :DWORD ,:REAL4 " and a pointer type to it.
    const std::string& protoLine = proto_.text;
    const size_t nameEnd = std::min(protoLine.find(' '), protoLine.size());
    const std::string typeName = interfaceBase_ + "_" + methodName_;
    WriteOutputLine(session_,
                    protoLine.substr(0, nameEnd) + " TYPEDEF " + protoLine.substr(nameEnd));
    WriteOutputLine(session_, "F" + typeName + " TYPEDEF PTR  " + typeName + "\r\n");
    AppendToHeapBlock(block, "\t\t" + methodName_ + "\t\tF" + typeName + "  ?\r\n");
}

ComStep ComInterface::SkipAttributeBlock() {
    if (cursor_.Current() != '[') return ComStep::Next;
    if (!SkipTo("]}")) return ComStep::Abandon;
    if (cursor_.Current() == '}') return ComStep::End;
    return cursor_.AdvanceAndSkip() ? ComStep::Next : ComStep::Abandon;
}

}  // namespace ondavel
