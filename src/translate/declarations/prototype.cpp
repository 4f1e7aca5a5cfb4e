// Function prototypes and callback typedefs become PROTO lines:
//
//   WINBASEAPI BOOL WINAPI CloseHandle(HANDLE hObject);   ->  ;API
//                                                             CloseHandle PROTO :DWORD
//   typedef LRESULT (CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
//                                    ->  WNDPROC PROTO :DWORD ,:DWORD ,:DWORD ,:DWORD
//
// Parameter names and the return type are dropped. The declared name is recorded, so that
// later declarations that take it as a type see a 32-bit value.
#include <algorithm>
#include <string>
#include <string_view>

#include "core/heap_block.h"
#include "core/kept_buffers.h"
#include "core/text.h"
#include "declarations/declarations.h"
#include "declarations/prototype_parameters.h"
#include "declarations/type_mapping.h"
#include "knowledge/knowledge.h"
#include "preprocessor/nested_directive.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// MASM has no conditional assembly inside a PROTO line: such a prototype is kept as a comment.
// Where a word of the text before a prototype's parameter list ends.
constexpr CharacterSet kPrototypeNameEnds = MakeCharacterSet(" \t;()");
// Where a word of a callback's "(CALLBACK *NAME)" ends.
constexpr CharacterSet kCallbackNameEnds = MakeCharacterSet(" \t)*");

// What the last directive line met before the parameter list was. After an "#else" on the
// statement's second line, a directive inside the parameter list starts the declaration again
// on the line that follows it.
enum class DirectiveResult { None = 0, Done = 2, ElseOnSecondLine = 3 };

// The parameter reduced to its type and name, as a prototype's parameter list gives them.
// The last parameter runs to the ';': what follows the parenthesis that closes the list
// ("int x) __MINGW_ATTRIB_DEPRECATED") is an attribute of the function, not a parameter word.
void CutAtListEnd(std::string& parameter) {
    int depth = 0;
    for (size_t at = 0; at < parameter.size(); ++at) {
        if (parameter[at] == '(') ++depth;
        if (parameter[at] == ')' && --depth < 0) {
            parameter.resize(at);
            return;
        }
    }
}

// "void (*func)(void)", "int (__cdecl *compare)(const void *, const void *)": a group with a
// pointer mark followed by a parameter list.
bool IsFunctionPointer(std::string_view parameter) {
    const size_t open = parameter.find('(');
    const size_t close = parameter.find(')', open);
    if (open == std::string_view::npos || close == std::string_view::npos) return false;
    if (parameter.substr(open, close - open).find('*') == std::string_view::npos) return false;
    const size_t next = parameter.find_first_not_of(" \t", close + 1);
    return next != std::string_view::npos && parameter[next] == '(';
}

// The steps of a prototype parameter's reduction that read nothing but its text and the
// pointer type.
void ReducePrototypeText(std::string& parameter, std::string_view pointerType) {
    EnumAsDword(parameter);
    BlankModifiers(parameter);
    BlankPunctuation(parameter);
    NormalizeDeclarator(parameter, pointerType);
    KeepLastTwoWords(parameter);
}

// "LPLINECALLPARAMS const lpCallParams": a qualifier after the type says nothing of its size,
// nor does a default value ("DWORD dwFlags = MFSTARTUP_FULL"). A pointer to a function is of
// the pointer type.
void ReducePrototypeParameter(Session& session, std::string& parameter) {
    if (IsFunctionPointer(parameter)) {
        parameter = PointerType(session);
        return;
    }
    CutAtListEnd(parameter);
    parameter.resize(std::min(parameter.find('='), parameter.size()));
    BlankAnnotations(session, parameter);
    session.run.prototypeReductions.Apply(parameter, PointerType(session), ReducePrototypeText);
    BlankAnnotation(session, parameter);
}

// The name a PROTO line declares: a name MASM reserves ("PROC", "div") under its replacement
// from the knowledge file. The name lists keep the C name, which later declarations use.
std::string MasmName(Session& session, std::string name) {
    LookupKnowledge(session, name, LookupKind::Incompatible, &name);
    return name;
}

// Writes the finished line with the comment of the line read last; a line too long to build
// is journalled instead.
void WriteProtoLine(Session& session, std::string_view protoLine, const StatementCursor& walk,
                    uint32_t firstLine, std::string_view routine) {
    if (protoLine.size() > kLineLimit) {
        ReportTooLong(session, firstLine, routine);
        return;
    }
    const std::string_view comment = walk.LastComment();
    if (comment.empty()) {
        WriteOutputLine(session, protoLine);
    } else {
        WriteOutputLine(session, std::string(protoLine).append(comment));
    }
}

// The name a prototype declares, the parameter being read and the line being built.
struct PrototypeBuffers {
    std::string name;
    std::string parameter;
    ProtoLine proto;
};

class PrototypeTranslation {
  public:
    PrototypeTranslation(Session& session, StatementSpan statement)
        : session_(session),
          statement_(statement),
          counts_(session.statement.counts),
          walk_(session, statement) {
        // The buffers are those of the prototype before: their texts are made afresh, and the
        // line's flags but this one are set when it starts.
        proto_.cdeclSeen = false;
    }

    void Run() {
        // Parentheses that never balance still open one list.
        if (counts_.parenGroups == 0) {
            counts_.parenGroups = 1;
            closeCount_ = 1;
        }
        if (!walk_.Start()) return;
        for (;;) {
            proto_.text.clear();
            notAllowed_ = false;
            if (!ScanName()) return;
            session_.run.batchNames.Prefetch(name_);  // added by StartLine
            if (IsSkipped()) return;
            StartLine();
            // "struct _stat32" and "_stat32(...)": C keeps tags and functions apart, the
            // assembler holds one name, which the structure took first.
            std::string masmName;
            if (ClassifyType(session_, name_, masmName) == TC_STRUCT) MarkNotAllowed();
            const Outcome outcome = ScanParameters();
            if (outcome == Outcome::Restart) continue;
            if (outcome == Outcome::Done)
                WriteProtoLine(session_, proto_.text, walk_, statement_.firstLine, kRoutine);
            return;
        }
    }

  private:
    static constexpr std::string_view kRoutine = texts::kPrototypeRoutine;
    enum class Outcome { Done, Restart, Abandon };

    // The name is the last word before the parenthesis group that opens the parameter list;
    // earlier complete groups ("__declspec(noalias)") are stepped over. False when the
    // statement ends first.
    bool ScanName() {
        name_.clear();
        for (;;) {
            const std::string_view word = walk_.TakeWord(kPrototypeNameEnds);
            if (word.starts_with('#')) {
                CountDirectiveParentheses(walk_.Rest());
                directiveResult_ = TranslateDirective();
                if (!walk_.NextLine()) return false;
                continue;
            }
            // "char *strcpy(": the pointer marks belong to the return type, not to the name.
            const size_t nameStart = word.find_first_not_of("*&");
            if (nameStart != std::string_view::npos) {
                if (!name_.empty()) ++wordsBeforeName_;
                name_ = word.substr(nameStart);
            }
            // "const HRESULT E_X = MAKE_HRESULT(...);": an initialised variable, not a function.
            if (word.find('=') != std::string_view::npos) return false;
            if (!word.empty() && !apiSeen_) {
                CheckCallingConvention(session_, proto_, word, ApiLine::Write, apiSeen_);
            }
            // "LDAP *LDAPAPI ldap_open(": the convention word, too, stands after the marks.
            if (nameStart != std::string_view::npos && NamesConventionNotC(session_, name_))
                conventionSeen_ = true;
            if (!walk_.SkipBlanks()) return false;
            const char c = walk_.Current();
            if (c == ')') {
                walk_.Advance();
                CloseParenthesis();
            } else if (c == '(') {
                walk_.Advance();
                ++openCount_;
                if (name_ == "__declspec" || name_ == "__attribute__") {
                    if (!PassAttributeGroup()) return false;
                    continue;
                }
                if (OpensPointerDeclarator()) return false;
                if (counts_.parenGroups == 1) return true;
            } else if (c == ';') {
                walk_.Advance();  // neither a word nor a group: nothing to keep
            }
        }
    }

    // "extern FILE (*__imp__iob)[];", "extern void (*handler)(int);": a group that opens with
    // a pointer mark right after the type is a declarator, and the statement declares a
    // pointer variable, never a function.
    bool OpensPointerDeclarator() const {
        const std::string_view rest = walk_.Rest();
        const size_t mark = rest.find_first_not_of(" \t");
        return mark != std::string_view::npos && rest[mark] == '*';
    }

    // The group after "__declspec" or "__attribute__" ("extern __declspec(dllimport) double
    // _Xbig;") is an attribute, never the parameter list. False when no group is left for
    // that list: the statement declares no function.
    bool PassAttributeGroup() {
        for (uint32_t depth = 1; depth > 0;) {
            if (walk_.AtEnd()) {
                if (!walk_.NextLine()) return false;
                continue;
            }
            const char c = walk_.Current();
            walk_.Advance();
            if (c == '(') {
                ++depth;
                ++openCount_;
            } else if (c == ')') {
                --depth;
                CloseParenthesis();
            }
        }
        name_.clear();
        return counts_.parenGroups > 0;
    }

    void CloseParenthesis() {
        ++closeCount_;
        if (closeCount_ == openCount_ && counts_.parenGroups > 0) --counts_.parenGroups;
    }

    // A directive line's own groups were counted by the statement scan too.
    void CountDirectiveParentheses(std::string_view rest) {
        for (const char c : rest) {
            if (c == '(') {
                ++openCount_;
            } else if (c == ')') {
                CloseParenthesis();
            }
        }
    }

    // A directive line between the words of the declaration is translated on its own.
    DirectiveResult TranslateDirective() {
        const std::string_view line = walk_.Line();
        switch (ClassifyNestedDirective(line)) {
            case NestedDirective::Else:
                WriteOutputLine(session_, "\tELSE");
                return walk_.LineNumber() == statement_.firstLine + 1
                           ? DirectiveResult::ElseOnSecondLine
                           : DirectiveResult::Done;
            case NestedDirective::Endif:
                --session_.header.ifDepth;
                WriteOutputLine(session_, "ENDIF " + std::string(walk_.LastComment()));
                break;
            case NestedDirective::Commented:
                WriteOutputLine(session_, CommentedDirective(line));
                break;
            case NestedDirective::Conditional:
                TranslateConditional(line);
                break;
            case NestedDirective::Other:
                break;
        }
        return DirectiveResult::Done;
    }

    void TranslateConditional(std::string_view line) {
        HeapBlock block;
        block.reporter = &session_.host;
        walk_.ResumeAfter(TranslateNestedConditional(
            session_, line, {statement_.source, walk_.LineNumber()}, &block));
        WritePieces(session_, block);
    }

    // MIDL proxies and stubs after an interface, and MIDL's allocators, are not the kit's API.
    // Nor is a macro used as a statement ("DEFINE_ENUM_FLAG_OPERATORS(X);": a declaration has a
    // type before its name) or a declaration named by a macro call that the knowledge file
    // lists as a keyword ("extern int *__MINGW_IMP_SYMBOL(x);" declares __imp_x): the macro's
    // own name must not become a prototype. A storage attribute is no name either: when its
    // group is the statement's only one ("extern __declspec(dllimport) int _sys_nerr;"), the
    // statement declares a variable.
    bool IsSkipped() {
        if (name_.empty() || wordsBeforeName_ == 0) return true;
        if (name_ == "__declspec" || name_ == "__attribute__") return true;
        if (LookupKeywordCode(session_, name_) != KeywordCode::None) return true;
        if (!apiSeen_ && session_.header.inInterface && name_.find('_') != std::string::npos) {
            return true;
        }
        return HoldsIgnoringCase(name_, "MIDL_user_");
    }

    void StartLine() {
        AppendPieceToHeapBlock(session_.header.names.functionNames, name_);
        session_.run.batchNames.add(name_, kDeclaredName);
        proto_.text = MasmName(session_, name_);
        if (!conventionSeen_) proto_.cdeclSeen = true;
        const bool c = proto_.cdeclSeen && NamesConvention(session_);
        proto_.text.append(c ? " PROTO C " : " PROTO ");
        proto_.hasParameter = false;
    }

    Outcome ScanParameters() {
        for (;;) {
            if (!walk_.SkipBlanks()) return Outcome::Abandon;
            if (walk_.Current() == '#') {
                if (!walk_.NextLine()) return Outcome::Abandon;
                if (directiveResult_ == DirectiveResult::ElseOnSecondLine) return Outcome::Restart;
                MarkNotAllowed();
                continue;
            }
            if (!AppendParameter()) return Outcome::Abandon;
            if (!walk_.SkipBlanks()) return Outcome::Abandon;
            if (walk_.Current() != ',') return Outcome::Done;
            walk_.Advance();
        }
    }

    void MarkNotAllowed() {
        if (notAllowed_) return;
        notAllowed_ = true;
        proto_.text.insert(0, ";").append(texts::kNotAllowedByMasm);
    }

    bool AppendParameter() {
        const Collected collected = CollectParameter(walk_, ",;", parameter_);
        if (collected == Collected::TooLong)
            ReportTooLong(session_, statement_.firstLine, kRoutine);
        if (collected != Collected::Parameter) return false;
        ReducePrototypeParameter(session_, parameter_);
        AppendCleanedParameter(session_, proto_, parameter_, walk_.LineNumber());
        return true;
    }

    Session& session_;
    const StatementSpan statement_;
    StatementCounts& counts_;
    StatementCursor walk_;
    std::string& name_ = KeptBuffers<PrototypeBuffers>().name;
    std::string& parameter_ = KeptBuffers<PrototypeBuffers>().parameter;
    uint32_t wordsBeforeName_ = 0;  // over the whole statement, a restarted scan included
    uint32_t openCount_ = 0;
    uint32_t closeCount_ = 0;
    bool apiSeen_ = false;
    bool conventionSeen_ = false;  // a word named a calling convention other than C's
    bool notAllowed_ = false;
    ProtoLine& proto_ = KeptBuffers<PrototypeBuffers>().proto;
    DirectiveResult directiveResult_ = DirectiveResult::None;
};

class CallbackTranslation {
  public:
    CallbackTranslation(Session& session, StatementSpan statement)
        : session_(session), statement_(statement), walk_(session, statement) {}

    void Run() {
        if (!walk_.Start() || !walk_.SkipPast('(') || !walk_.SkipAcrossLines(" \t*")) return;
        if (!ScanName() || name_.empty()) return;
        AppendPieceToHeapBlock(session_.header.names.callbackNames, name_);
        std::string& protoLine = proto_.text;
        protoLine = MasmName(session_, name_) + " PROTO ";
        if (!walk_.SkipPast('(') || !ScanParameters()) return;
        // MASM takes VARARG only with the C convention, which a __cdecl callback names.
        if (ellipsisSeen_ && proto_.cdeclSeen && NamesConvention(session_)) {
            protoLine.insert(protoLine.find(" PROTO") + std::string_view(" PROTO").size(), " C");
        }
        WriteProtoLine(session_, proto_.text, walk_, statement_.firstLine, kRoutine);
    }

  private:
    static constexpr std::string_view kRoutine = texts::kCallbackRoutine;

    // "(CALLBACK* WNDPROC)" and "(*PFN)": the name is the last word before the ')'.
    bool ScanName() {
        for (;;) {
            const std::string_view word = walk_.TakeWord(kCallbackNameEnds);
            if (!word.empty()) {
                name_ = word;
                if (!apiSeen_)
                    CheckCallingConvention(session_, proto_, word, ApiLine::Omit, apiSeen_);
            }
            if (!walk_.SkipAcrossLines(" \t*")) return false;
            if (walk_.Current() == ')') return true;
        }
    }

    bool ScanParameters() {
        for (;;) {
            if (!PassDirectives(walk_) || !AppendParameter()) return false;
            if (!walk_.SkipBlanks()) return false;
            if (walk_.Current() != ',') return true;
            walk_.Advance();
        }
    }

    bool AppendParameter() {
        const Collected collected = CollectParameter(walk_, ",)", parameter_);
        if (collected == Collected::TooLong)
            ReportTooLong(session_, statement_.firstLine, kRoutine);
        if (collected != Collected::Parameter) return false;
        ReduceStarredParameter(session_, parameter_);
        const std::optional<uint32_t> code =
            AppendCleanedParameter(session_, proto_, parameter_, walk_.LineNumber());
        if (code == TC_VARARG) ellipsisSeen_ = true;
        return true;
    }

    Session& session_;
    const StatementSpan statement_;
    StatementCursor walk_;
    std::string name_;
    std::string parameter_;
    bool apiSeen_ = false;
    ProtoLine proto_;
    bool ellipsisSeen_ = false;
};

}  // namespace

void TranslatePrototype(Session& session, StatementSpan statement) {
    PrototypeTranslation(session, statement).Run();
}

void TranslateCallbackTypedef(Session& session, StatementSpan statement) {
    CallbackTranslation(session, statement).Run();
}

}  // namespace ondavel
